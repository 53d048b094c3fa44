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

#include <cstdint>
#include <cstring>
#include <future>
#include <optional>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <vector>

namespace {
constexpr const char* kNodeFailed = "ノード生成に失敗しました。";
constexpr const char* kTagType = "tag_Type";
constexpr const char* kTimeStampType = "timeStamp_Type";
constexpr long kValueColumn = 2;
// A document past this many bytes is taken to be a large one.
constexpr size_t kLargeXmlBytes = 0x100000;
// What the node that passes the size limit may add beyond it.
constexpr size_t kLastNodeRoom = 0x10000;

bool Fatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    CLCValidResultGIR::instance()->SetFatalError();
    return false;
}

// A text OutputFileConvData writes at all: anything else is the fatal row.
bool IsWritable(const char* szPath, const std::string& strXml)
{
    return szPath != nullptr && !strXml.empty() && strXml[0] != '\0';
}

// OutputFileConvData's answer once the write has been tried (or not).
bool AnswerWrite(bool bWritable, bool bThrown, bool bWritten)
{
    if (!bWritable || bThrown)
        return Fatal("CLCGIRXmlGenerator::OutputFileConvData");
    if (!bWritten)
        CLCValidResultGIR::instance()->SetResult(CLCValidResultGIR::kOtherFile, HE60020E, 0, 0, -1);
    return bWritten;
}

// The Char production of XML 1.0.
bool IsXmlText(const std::string& strText)
{
    const auto* p = reinterpret_cast<const unsigned char*>(strText.data());
    const unsigned char* const pEnd = p + strText.size();
    while (p < pEnd) {
        // Most text is printable ASCII: eight bytes a step while it is.
        if (pEnd - p >= 8) {
            constexpr uint64_t kOnes = 0x0101010101010101ULL;
            constexpr uint64_t kHigh = 0x8080808080808080ULL;
            uint64_t ullWord;
            std::memcpy(&ullWord, p, sizeof ullWord);
            if (((ullWord | ((ullWord - kOnes * 0x20) & ~ullWord)) & kHigh) == 0) {
                p += 8;
                continue;
            }
        }
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

// The written columns of a node, in the order their faults are reported.
struct SColumns {
    long alColumn[4];
    size_t nCount = 0;
};

SColumns WrittenColumns(const CLCGIRContainer* pContainer)
{
    SColumns columns;
    const std::string& strType = pContainer->GetConfDataType();
    if (strType == kTimeStampType)
        return columns;
    if (strType != kTagType)
        columns.alColumn[columns.nCount++] = kValueColumn;
    const long lAttributes = strType == kTagType ? 1 : 3;
    for (long n = 1; n <= lAttributes; ++n) {
        const bool bFixed = !pContainer->GetConfAttrValueFromTargetAtter(n).empty();
        if (pContainer->GetConfAttrFromTargetAtter(n).empty() || bFixed)
            continue;
        const long long llColumn =
            CLCCbCValidItem::DecimalValue(pContainer->GetConfAttrValueColumnFromTargetAtter(n).c_str());
        // A column outside 1 to 6 is the writer's fault to report.
        if (llColumn >= 1 && llColumn <= 6)
            columns.alColumn[columns.nCount++] = static_cast<long>(llColumn);
    }
    return columns;
}

bool ReportForbiddenCharacters(const CLCGIRContainer* pContainer, const SColumns& columns)
{
    bool bClean = true;
    for (size_t i = 0; i < columns.nCount; ++i) {
        const long lColumn = columns.alColumn[i];
        if (IsXmlText(pContainer->GetValueFromCsvColumnNumber(lColumn)))
            continue;
        CLCGIRValidItem::SetResult(pContainer, HE60011E, lColumn);
        bClean = false;
    }
    return bClean;
}

} // namespace

bool CLCGIRXmlGenerator::CheckCharacters(const CLCGIRContainer* pContainer)
{
    return ReportForbiddenCharacters(pContainer, WrittenColumns(pContainer));
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
            if (strXml.size() > kMaxXmlBytes) {
                strPastLimit.clear();
                return strPastLimit;
            }
            // A large document gets room up to the limit at once: growing by
            // doubling would copy it each time and touch twice its memory.
            if (strXml.size() > kLargeXmlBytes && strXml.capacity() < kMaxXmlBytes + kLastNodeRoom)
                strXml.reserve(kMaxXmlBytes + kLastNodeRoom);
            return strXml;
        };
        // Nodes of one element share their settings object, and so the
        // columns they write.
        std::unordered_map<const CLCGIREditConf*, SColumns> mapColumns;
        // Each entry: a node whose start is written and the index of its next child.
        std::vector<std::pair<CLCGIRContainer*, long>> vecOpen{{pRoot, 0}};
        while (!vecOpen.empty()) {
            auto& [pNode, lNext] = vecOpen.back();
            if (lNext < pNode->GetChildCount()) {
                CLCGIRContainer* pChild = pNode->GetChild(lNext++);
                if (pChild == nullptr)
                    return Fatal(kFunction);
                auto itColumns = mapColumns.find(pChild->GetEditConf().get());
                if (itColumns == mapColumns.end())
                    itColumns = mapColumns.emplace(pChild->GetEditConf().get(), WrittenColumns(pChild)).first;
                if (!ReportForbiddenCharacters(pChild, itColumns->second))
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

bool CLCGIRXmlGenerator::IsWellFormed(const std::string& strXml)
{
    try {
        // Wrapped as the parser reads it, neither in a copy nor in place.
        static constexpr std::string_view kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?><DATA>";
        static constexpr std::string_view kTail = "</DATA>";
        CLCXSax sax;
        const bool bOk = sax.InitializeWellFormed() && sax.Parse({kHead, strXml, kTail}, "CbC", "UTF-8");
        sax.Terminate();
        return bOk;
    } catch (...) {
        return Fatal("CLCGIRXmlGenerator::CheckXmlStruct");
    }
}

bool CLCGIRXmlGenerator::CheckXmlStruct(std::string& strXml)
{
    if (IsWellFormed(strXml))
        return true;
    strXml.clear();
    return false;
}

bool CLCGIRXmlGenerator::CheckXmlStructAndOutput(const char* szPath, std::string& strXml,
                                                 const std::function<void()>& fnMeanwhile)
{
    std::future<bool> wellFormed;
    try {
        // The text is only read on both sides until the parse has answered.
        wellFormed = std::async(std::launch::async, [&strXml] { return IsWellFormed(strXml); });
    } catch (const std::system_error&) {
        // No thread to be had: one after the other.
        if (fnMeanwhile)
            fnMeanwhile();
        return CheckXmlStruct(strXml) && OutputFileConvData(szPath, strXml);
    }
    std::optional<bool> bWellFormed;
    auto fnAnswer = [&]() {
        if (!bWellFormed)
            bWellFormed = wellFormed.get();
        return *bWellFormed;
    };
    const bool bWritable = IsWritable(szPath, strXml);
    bool bWritten = false;
    bool bThrown = false;
    try {
        if (fnMeanwhile)
            fnMeanwhile();
        bWritten = bWritable && CLCCbCCommon::WriteFileData(szPath, strXml, fnAnswer);
    } catch (...) {
        bThrown = true;
    }
    // What the parse found comes first, as when the write waits for it.
    if (!fnAnswer()) {
        strXml.clear();
        return false;
    }
    return AnswerWrite(bWritable, bThrown, bWritten);
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
    const bool bWritable = IsWritable(szPath, strXml);
    bool bWritten = false;
    bool bThrown = false;
    try {
        bWritten = bWritable && CLCCbCCommon::WriteFileData(szPath, strXml);
    } catch (...) {
        bThrown = true;
    }
    return AnswerWrite(bWritable, bThrown, bWritten);
}
