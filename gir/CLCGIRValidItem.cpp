#include "gir/CLCGIRValidItem.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRValidCoItemContain.h"
#include "gir/CLCGIRValidCoItemDuplicate.h"
#include "gir/CLCGIRValidCoItemMatch.h"
#include "gir/CLCGIRValidExItemContain.h"
#include "gir/CLCGIRValidExItemExclusive.h"
#include "gir/CLCGIRValidExItemExistItem.h"
#include "gir/CLCGIRValidExItemNotExistItem.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace {
constexpr const char* kUnknownKind = "想定外属性ID";
constexpr long kFirstColumn = 1;
constexpr long kLastColumn = 6;

struct SExKind {
    std::string_view szKeyword;
    CLCGIRValidItem* (*pfnMake)(CLCGIRContainer* pParent);
};

template <class TItem>
CLCGIRValidItem* MakeEx(CLCGIRContainer* pParent)
{
    return new TItem(pParent);
}

// In the order the factory tries them.
constexpr SExKind kExKinds[] = {
    {"exclusive", &MakeEx<CLCGIRValidExItemExclusive>},
    {"contain", &MakeEx<CLCGIRValidExItemContain>},
    {"existItem", &MakeEx<CLCGIRValidExItemExistItem>},
    {"notExistItem", &MakeEx<CLCGIRValidExItemNotExistItem>},
};

struct SCoKind {
    std::string_view szKeyword;
    CLCGIRValidItem* (*pfnMake)();
};

template <class TItem>
CLCGIRValidItem* MakeCo()
{
    return new TItem();
}

constexpr SCoKind kCoKinds[] = {
    {"contain", &MakeCo<CLCGIRValidCoItemContain>},
    {"match", &MakeCo<CLCGIRValidCoItemMatch>},
    {"duplicate", &MakeCo<CLCGIRValidCoItemDuplicate>},
};

void RecordFatal(const char* szFunction, const char* szText)
{
    CLC_LOG(szFunction, szText);
    CLCValidResultGIR::instance()->SetFatalError();
}

// Runs a factory row; a kind that refuses its definition throws from its
// constructor.
template <typename TKind, typename... TArgs>
CLCGIRValidItem* Make(const TKind* pKind, const char* szFunction, TArgs... args)
{
    if (pKind == nullptr) {
        RecordFatal(szFunction, kUnknownKind);
        return nullptr;
    }
    try {
        return pKind->pfnMake(args...);
    } catch (...) {
        RecordFatal(szFunction, kUnexpectedError);
        return nullptr;
    }
}

template <typename TKind, size_t N>
const TKind* FindKind(const TKind (&kinds)[N], const std::string& strKind)
{
    for (const TKind& kind : kinds) {
        if (kind.szKeyword == strKind)
            return &kind;
    }
    return nullptr;
}
} // namespace

CLCGIRValidItem::~CLCGIRValidItem() = default;

void CLCGIRValidItem::AddOuterItem(CLCGIRValidItem* pOuter)
{
    if (pOuter != nullptr)
        m_vecOuterItems.emplace_back(pOuter);
}

std::unique_ptr<CLCGIRValidItem> CLCGIRValidItem::CloneFor(CLCGIRContainer* pParent) const
{
    std::unique_ptr<CLCGIRValidItem> pCopy(CopyFor(pParent));
    if (!pCopy)
        return nullptr;
    for (const auto& pOuter : m_vecOuterItems) {
        std::unique_ptr<CLCGIRValidItem> pOuterCopy = pOuter->CloneFor(pParent);
        if (!pOuterCopy)
            return nullptr;
        pCopy->m_vecOuterItems.push_back(std::move(pOuterCopy));
    }
    return pCopy;
}

CLCCbCMessage_t CLCGIRValidItem::Validate()
{
    static constexpr const char* kFunction = "CLCGIRValidItem::Validate";
    try {
        for (const auto& pOuter : m_vecOuterItems) {
            const CLCCbCMessage_t r = pOuter->ValidateOuter();
            if (r == CBC_MSG_NONE)
                continue;
            if (r == HE60000E) {
                CLCValidResultGIR::instance()->SetFatalError();
                return r;
            }
            return CBC_MSG_NONE;
        }
        const CLCCbCMessage_t r = _validate(false);
        if (r == HE60000E)
            CLCValidResultGIR::instance()->SetFatalError();
        return r;
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
        return HE60000E;
    }
}

CLCCbCMessage_t CLCGIRValidItem::ValidateOuter()
{
    return Guarded(__FILE__, "CLCGIRValidItem::ValidateOuter", [&]() { return _validate(true); });
}

CLCCbCMessage_t CLCGIRValidItem::_validate(bool /*bOuter*/)
{
    CLC_LOG("CLCGIRValidItem::_validate", kUnexpectedError);
    return HE60000E;
}

std::vector<CLCGIRContainer*> CLCGIRValidItem::FindChildContainer(const CLCGIRContainer* pParent,
                                                                  const std::string& strItemId)
{
    if (strItemId.empty()) {
        CLC_LOG("CLCGIRValidItem::FindChildContainer", "検証itemIdがブランク");
        throw std::invalid_argument("empty item id");
    }
    std::vector<CLCGIRContainer*> vecFound;
    if (pParent == nullptr)
        return vecFound;
    for (long i = 0; i < pParent->GetChildCount(); ++i) {
        CLCGIRContainer* pChild = pParent->GetChild(i);
        if (pChild->GetConfItemId() == strItemId)
            vecFound.push_back(pChild);
    }
    return vecFound;
}

CLCGIRValidItem* CLCGIRValidItem::CreateExItem(const std::string& strKind, CLCGIRContainer* pParent)
{
    return Make(FindKind(kExKinds, strKind), "CLCGIRValidItem::CreateExItem", pParent);
}

CLCGIRValidItem* CLCGIRValidItem::CreateCoItem(const std::string& strKind)
{
    return Make(FindKind(kCoKinds, strKind), "CLCGIRValidItem::CreateCoItem");
}

CLCCbCMessage_t CLCGIRValidItem::ValidateAll(const std::vector<std::unique_ptr<CLCGIRValidItem>>& vecRules)
{
    CLCCbCMessage_t result = CBC_MSG_NONE;
    for (const auto& pRule : vecRules) {
        const CLCCbCMessage_t r = pRule->Validate();
        if (r == HE60000E)
            return r;
        if (r != CBC_MSG_NONE)
            result = r;
    }
    return result;
}

void CLCGIRValidItem::SetResult(const CLCGIRContainer* pContainer, CLCCbCMessage_t message, long lColumn)
{
    std::string strFile = pContainer->GetCSVFileName();
    if (strFile.empty())
        strFile = CLCValidResultGIR::kOtherFile;
    CLCValidResultGIR::instance()->SetResult(strFile, message, pContainer->GetCSVLineNumber(), lColumn, -1);
}

size_t CLCGIRValidItem::CountChars(const std::string& strText)
{
    size_t nCount = 0;
    for (unsigned char c : strText) {
        if ((c & 0xC0) != 0x80)
            ++nCount;
    }
    return nCount;
}

std::string CLCGIRValidItem::SubChars(const std::string& strText, size_t nFirst, size_t nCount)
{
    // Byte offset of the character with index nChar (or the end).
    auto offsetOf = [&strText](size_t nFrom, size_t nChars) {
        size_t nPos = nFrom;
        for (; nPos < strText.size(); ++nPos) {
            if ((static_cast<unsigned char>(strText[nPos]) & 0xC0) == 0x80)
                continue;
            if (nChars == 0)
                return nPos;
            --nChars;
        }
        return strText.size();
    };
    const size_t nBegin = offsetOf(0, nFirst);
    const size_t nEnd = offsetOf(nBegin, nCount);
    return strText.substr(nBegin, nEnd - nBegin);
}

std::string CLCGIRValidItem::ReadAttribute(const char* szName)
{
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    if (pDefine == nullptr)
        throw std::logic_error("no check definition");
    return pDefine->GetAttribute(szName);
}

std::string CLCGIRValidItem::ReadItemId(const char* szName, const char* szFault)
{
    std::string strItemId = ReadAttribute(szName);
    if (strItemId.empty()) {
        CLC_LOG("CLCGIRValidItem::ReadItemId", szFault);
        throw std::invalid_argument(szFault);
    }
    return strItemId;
}

std::vector<std::string> CLCGIRValidItem::ReadWords(const char* szName, const char* szFault)
{
    std::vector<std::string> vecWords = CLCCbCCommon::stringSplit(ReadAttribute(szName), " ");
    for (const std::string& strWord : vecWords) {
        if (strWord.empty()) {
            CLC_LOG("CLCGIRValidItem::ReadWords", szFault);
            throw std::invalid_argument(szFault);
        }
    }
    return vecWords;
}

long CLCGIRValidItem::ReadColumn(const char* szName)
{
    const std::string strColumn = ReadAttribute(szName);
    const long long llColumn = CLCCbCValidItem::DecimalValue(strColumn.c_str());
    if (!CLCCbCCommon::isNumber(strColumn) || llColumn < kFirstColumn || llColumn > kLastColumn) {
        CLC_LOG("CLCGIRValidItem::ReadColumn", "定義体column異常");
        throw std::invalid_argument("column outside 1 to 6");
    }
    return static_cast<long>(llColumn);
}

CLCCbCMessage_t CLCGIRValidItem::ReadMessage()
{
    const CLCCbCMessage_t message = CLCCbCCommon::ConvMsgStr2Enum(ReadAttribute("messageId"));
    return message != CBC_MSG_NONE ? message : HE60009E;
}

CLCGIRValidItem::SContain::SContain()
    : vecWords(ReadWords("value", "編集用定義体の検証値がブランク")),
      strItemId(ReadItemId("itemId", "検証itemIdがブランク")), lColumn(ReadColumn("column")),
      message(ReadMessage())
{
}

bool CLCGIRValidItem::SContain::Holds(const CLCGIRContainer* pNode) const
{
    const std::string& strValue = pNode->GetValueFromCsvColumnNumber(lColumn);
    return std::find(vecWords.begin(), vecWords.end(), strValue) != vecWords.end();
}

CLCCbCMessage_t CLCGIRValidItem::LogUnexpected(const char* szFile, const char* szFunction)
{
    CLCDebugDump::OutputLog(szFile, __LINE__, szFunction, kUnexpectedError);
    return HE60000E;
}
