#include "gir/CLCGIRXmlDataTypeNormal.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"

#include <cctype>

namespace {
std::string Escaped(const std::string& strText)
{
    std::string strOut;
    CLCCbCCommon::ConvEntityRefs(strText.data(), static_cast<unsigned long>(strText.size()), strOut);
    return strOut;
}

// A column text must start with a number (blanks and a sign may lead).
bool StartsWithNumber(const std::string& strText)
{
    size_t i = 0;
    while (i < strText.size() && std::isspace(static_cast<unsigned char>(strText[i])))
        ++i;
    if (i < strText.size() && (strText[i] == '+' || strText[i] == '-'))
        ++i;
    return i < strText.size() && std::isdigit(static_cast<unsigned char>(strText[i]));
}
} // namespace

std::string CLCGIRXmlDataTypeNormal::GetAtterValue(CLCGIRContainer* pContainer, long n, bool& bOk)
{
    bOk = false;
    try {
        if (pContainer != nullptr) {
            const std::string& strFixed = pContainer->GetConfAttrValueFromTargetAtter(n);
            if (!strFixed.empty()) {
                bOk = true;
                return strFixed;
            }
            long lColumn = 0;
            if (AttributeColumn(pContainer->GetConfAttrValueColumnFromTargetAtter(n), lColumn)) {
                // Throws for a column outside 1 to 6.
                std::string strValue = Escaped(pContainer->GetValueFromCsvColumnNumber(lColumn));
                bOk = true;
                return strValue;
            }
        }
    } catch (...) {
    }
    CLC_LOG("CLCGIRXmlDataTypeNormal::GetAtterValue", kUnexpectedError);
    CLCValidResultGIR::instance()->SetFatalError();
    return std::string();
}

bool CLCGIRXmlDataTypeNormal::AttributeColumn(const std::string& strSetting, long& lColumn)
{
    if (!StartsWithNumber(strSetting))
        return false;
    lColumn = static_cast<long>(CLCCbCValidItem::DecimalValue(strSetting.c_str()));
    return true;
}

std::string CLCGIRXmlDataTypeNormal::WriteNode(CLCGIRContainer* pContainer)
{
    std::string strText;
    AppendNode(pContainer, strText);
    return strText;
}

bool CLCGIRXmlDataTypeNormal::AppendNode(CLCGIRContainer* pContainer, std::string& strOut)
{
    const size_t nBefore = strOut.size();
    try {
        // Written straight into the document: one node for every record.
        const std::string& strElementValue = pContainer->GetElementValue();
        strOut += '<';
        strOut += pContainer->GetConfNameSpace();
        strOut += ':';
        strOut += pContainer->GetElementName();
        for (long n = 1; n <= 3; ++n) {
            const std::string& strName = pContainer->GetConfAttrFromTargetAtter(n);
            if (strName.empty())
                continue;
            bool bOk = false;
            const std::string strValue = GetAtterValue(pContainer, n, bOk);
            if (!bOk) {
                strOut.resize(nBefore);
                return false;
            }
            if (strValue.empty())
                continue;
            strOut += ' ';
            strOut += strName;
            strOut += "=\"";
            strOut += strValue;
            strOut += '"';
        }
        strOut += '>';
        CLCCbCCommon::ConvEntityRefs(strElementValue.data(), static_cast<unsigned long>(strElementValue.size()),
                                     strOut);
        return true;
    } catch (...) {
        strOut.resize(nBefore);
        CLC_LOG("CLCGIRXmlDataTypeNormal::WriteNode", kUnexpectedError);
        CLCValidResultGIR::instance()->SetFatalError();
        return false;
    }
}
