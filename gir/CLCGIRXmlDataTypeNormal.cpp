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
            const std::string& strColumn = pContainer->GetConfAttrValueColumnFromTargetAtter(n);
            if (StartsWithNumber(strColumn)) {
                // Throws for a column outside 1 to 6.
                const long lColumn = static_cast<long>(CLCCbCValidItem::DecimalValue(strColumn.c_str()));
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

std::string CLCGIRXmlDataTypeNormal::WriteNode(CLCGIRContainer* pContainer)
{
    try {
        // Appended piece by piece: one node is written for every record.
        const std::string& strElementValue = pContainer->GetElementValue();
        std::string strText;
        strText.reserve(pContainer->GetConfNameSpace().size() + pContainer->GetElementName().size()
                        + strElementValue.size() + 3);
        strText += '<';
        strText += pContainer->GetConfNameSpace();
        strText += ':';
        strText += pContainer->GetElementName();
        for (long n = 1; n <= 3; ++n) {
            const std::string& strName = pContainer->GetConfAttrFromTargetAtter(n);
            if (strName.empty())
                continue;
            bool bOk = false;
            const std::string strValue = GetAtterValue(pContainer, n, bOk);
            if (!bOk)
                return std::string();
            if (strValue.empty())
                continue;
            strText += ' ';
            strText += strName;
            strText += "=\"";
            strText += strValue;
            strText += '"';
        }
        strText += '>';
        CLCCbCCommon::ConvEntityRefs(strElementValue.data(), static_cast<unsigned long>(strElementValue.size()),
                                     strText);
        return strText;
    } catch (...) {
        CLC_LOG("CLCGIRXmlDataTypeNormal::WriteNode", kUnexpectedError);
        CLCValidResultGIR::instance()->SetFatalError();
        return std::string();
    }
}
