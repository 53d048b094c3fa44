#include "gir/CLCGIRXmlGenerator.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCUtf8.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXSax.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRValidItem.h"
#include "gir/CLCGIRXmlDataTypeNormal.h"
#include "gir/CLCGIRXmlDataTypeRoot.h"
#include "gir/CLCGIRXmlDataTypeTag.h"
#include "gir/CLCGIRXmlDataTypeTimeStamp.h"

#include <string_view>
#include <utility>
#include <vector>

namespace {
constexpr const char* kNodeFailed = "ノード生成に失敗しました。";
constexpr const char* kTagType = "tag_Type";
constexpr const char* kTimeStampType = "timeStamp_Type";
constexpr long kValueColumn = 2;

bool Fatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    CLCValidResultGIR::instance()->SetFatalError();
    return false;
}

// The Char production of XML 1.0.
bool IsXmlText(const std::string& strText)
{
    const auto* p = reinterpret_cast<const unsigned char*>(strText.c_str());
    const unsigned char* const pEnd = p + strText.size();
    while (p < pEnd) {
        // Most text is ASCII: one byte, one character.
        if (*p < 0x80) {
            if (*p < 0x20 && *p != 0x9 && *p != 0xA && *p != 0xD)
                return false;
            ++p;
            continue;
        }
        char32_t c = 0;
        const size_t nLen = CLCUtf8::Decode(p, static_cast<size_t>(pEnd - p), c);
        if (nLen == 0)
            return false;
        p += nLen;
        const bool bChar = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                           (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
        if (!bChar)
            return false;
    }
    return true;
}
} // namespace

bool CLCGIRXmlGenerator::CheckCharacters(const CLCGIRContainer* pContainer)
{
    const std::string& strType = pContainer->GetConfDataType();
    if (strType == kTimeStampType)
        return true;
    // The value and up to three attribute columns, without an allocation per node.
    long alColumns[4];
    size_t nColumns = 0;
    if (strType != kTagType)
        alColumns[nColumns++] = kValueColumn;
    const long lAttributes = strType == kTagType ? 1 : 3;
    for (long n = 1; n <= lAttributes; ++n) {
        const bool bFixed = !pContainer->GetConfAttrValueFromTargetAtter(n).empty();
        if (pContainer->GetConfAttrFromTargetAtter(n).empty() || bFixed)
            continue;
        const long long llColumn =
            CLCCbCValidItem::DecimalValue(pContainer->GetConfAttrValueColumnFromTargetAtter(n).c_str());
        // A column outside 1 to 6 is the writer's fault to report.
        if (llColumn >= 1 && llColumn <= 6)
            alColumns[nColumns++] = static_cast<long>(llColumn);
    }
    bool bClean = true;
    for (size_t i = 0; i < nColumns; ++i) {
        const long lColumn = alColumns[i];
        if (IsXmlText(pContainer->GetValueFromCsvColumnNumber(lColumn)))
            continue;
        CLCGIRValidItem::SetResult(pContainer, HE60011E, lColumn);
        bClean = false;
    }
    return bClean;
}

bool CLCGIRXmlGenerator::MakeXMLData(CLCGIRContainer* pRoot, std::string& strOut)
{
    static constexpr const char* kFunction = "CLCGIRXmlGenerator::MakeXMLData";
    try {
        if (pRoot == nullptr)
            return Fatal(kFunction);
        std::string strXml = CLCGIRXmlDataTypeRoot().WriteNode(pRoot);
        if (strXml.empty()) {
            CLC_LOG(kFunction, kNodeFailed);
            return false;
        }
        bool bClean = CheckCharacters(pRoot);
        // Past the size limit the document is refused whatever follows: the
        // rest of the nodes are still written and checked, but not kept.
        std::string strPastLimit;
        auto target = [&]() -> std::string& {
            if (strXml.size() <= kMaxXmlBytes)
                return strXml;
            strPastLimit.clear();
            return strPastLimit;
        };
        // Each entry: a node whose start is written and the index of its next child.
        std::vector<std::pair<CLCGIRContainer*, long>> vecOpen{{pRoot, 0}};
        while (!vecOpen.empty()) {
            CLCGIRContainer* pNode = vecOpen.back().first;
            const long lNext = vecOpen.back().second;
            if (lNext < pNode->GetChildCount()) {
                ++vecOpen.back().second;
                CLCGIRContainer* pChild = pNode->GetChild(lNext);
                if (!CheckCharacters(pChild))
                    bClean = false;
                if (!CreatGIRNode(pChild, target()))
                    return false;
                vecOpen.emplace_back(pChild, 0);
                continue;
            }
            AppendXmlEndTag(pNode, target());
            vecOpen.pop_back();
        }
        if (!bClean)
            return false;
        if (strOut.empty())
            strOut.swap(strXml);
        else
            strOut += strXml;
        return true;
    } catch (...) {
        return Fatal(kFunction);
    }
}

bool CLCGIRXmlGenerator::CreatGIRNode(CLCGIRContainer* pContainer, std::string& strOut)
{
    static constexpr const char* kFunction = "CLCGIRXmlGenerator::CreatGIRNode";
    if (pContainer == nullptr)
        return Fatal(kFunction);
    const std::string& strType = pContainer->GetConfDataType();
    bool bWritten = false;
    if (strType == kTagType || strType == kTimeStampType) {
        const std::string strText = strType == kTagType ? CLCGIRXmlDataTypeTag().WriteNode(pContainer)
                                                         : CLCGIRXmlDataTypeTimeStamp().WriteNode(pContainer);
        bWritten = !strText.empty();
        strOut += strText;
    } else {
        // Most nodes: written into the document without a piece of their own.
        bWritten = CLCGIRXmlDataTypeNormal().AppendNode(pContainer, strOut);
    }
    if (!bWritten)
        CLC_LOG(kFunction, kNodeFailed);   // the writer has recorded the fatal row
    return bWritten;
}

std::string CLCGIRXmlGenerator::MakeXmlEndTag(CLCGIRContainer* pContainer)
{
    std::string strTag;
    AppendXmlEndTag(pContainer, strTag);
    return strTag;
}

void CLCGIRXmlGenerator::AppendXmlEndTag(const CLCGIRContainer* pContainer, std::string& strOut)
{
    strOut += "</";
    strOut += pContainer->GetConfNameSpace();
    strOut += ':';
    strOut += pContainer->GetElementName();
    strOut += '>';
}

bool CLCGIRXmlGenerator::CheckXmlSize(std::string& strXml)
{
    if (strXml.size() <= kMaxXmlBytes)
        return true;
    CLCValidResultGIR::instance()->SetResult(CLCValidResultGIR::kOtherFile, HE60021E, 0, 0, -1);
    strXml.clear();
    return false;
}

bool CLCGIRXmlGenerator::CheckXmlStruct(std::string& strXml)
{
    try {
        // Wrapped as the parser reads it, neither in a copy nor in place.
        static constexpr std::string_view kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?><DATA>";
        static constexpr std::string_view kTail = "</DATA>";
        CLCXSax sax;
        const bool bOk = sax.Initialize() && sax.Parse({kHead, strXml, kTail}, "CbC", "UTF-8");
        sax.Terminate();
        if (!bOk) {
            strXml.clear();
            return false;
        }
        return true;
    } catch (...) {
        strXml.clear();
        return Fatal("CLCGIRXmlGenerator::CheckXmlStruct");
    }
}

bool CLCGIRXmlGenerator::OutputFileConvData(const char* szPath, const char* szXml)
{
    static constexpr const char* kFunction = "CLCGIRXmlGenerator::OutputFileConvData";
    try {
        if (szXml == nullptr)
            return Fatal(kFunction);
        std::string strXml = szXml;
        return OutputFileConvData(szPath, strXml);
    } catch (...) {
        return Fatal(kFunction);
    }
}

bool CLCGIRXmlGenerator::OutputFileConvData(const char* szPath, std::string& strXml)
{
    static constexpr const char* kFunction = "CLCGIRXmlGenerator::OutputFileConvData";
    try {
        if (szPath == nullptr || strXml.empty() || strXml[0] == '\0')
            return Fatal(kFunction);
        if (CLCCbCCommon::WriteFileData(szPath, strXml))
            return true;
        CLCValidResultGIR::instance()->SetResult(CLCValidResultGIR::kOtherFile, HE60020E, 0, 0, -1);
        return false;
    } catch (...) {
        return Fatal(kFunction);
    }
}
