#include "gir/CLCGIRValidCoItemMatch.h"

#include "foundation/CLCDebugDump.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"

#include <stdexcept>
#include <string_view>
#include <unordered_set>

namespace {
constexpr const char* kBadItemId = "編集用定義体の検証ItemIdが不正";

// A DocRefId starts with the MessageRefId of its message (22 characters).
constexpr size_t kMessageIdChars = 22;
constexpr size_t kFirst19Chars = 19;
// The year follows the two letters of the country: characters 3 to 6.
constexpr size_t kYearFirst = 2;
constexpr size_t kYearChars = 4;
} // namespace

CLCGIRValidCoItemMatch::CLCGIRValidCoItemMatch()
    : m_mode(ReadMode()), m_strItemId(ReadItemId("itemId", kBadItemId)),
      m_strItemId2(ReadItemId("itemId2", kBadItemId)), m_lColumn(ReadColumn("column")),
      m_lColumn2(ReadColumn("column2")), m_message(ReadMessage())
{
}

CLCGIRValidCoItemMatch::EMode CLCGIRValidCoItemMatch::ReadMode()
{
    struct SModeName {
        std::string_view szName;
        EMode mode;
    };
    static constexpr SModeName kModes[] = {
        {"exact", EMode::Exact},
        {"messageId", EMode::MessageId},
        {"messageIdFirst19", EMode::MessageIdFirst19},
        {"year", EMode::Year},
    };
    const std::string strMode = ReadAttribute("value");
    for (const SModeName& mode : kModes) {
        if (mode.szName == strMode)
            return mode.mode;
    }
    CLC_LOG("CLCGIRValidCoItemMatch::ReadMode", "検証タイプが想定しない値");
    throw std::invalid_argument("unknown compare mode");
}

std::optional<std::string> CLCGIRValidCoItemMatch::_getCompareValue(const CLCGIRContainer* pNode,
                                                                   long lColumn) const
{
    std::string strValue = pNode->GetValueFromCsvColumnNumber(lColumn);
    switch (m_mode) {
    case EMode::Exact:
        return strValue;
    case EMode::MessageId:
        if (pNode->GetConfDataType() == "docRefId_Type")
            return SubChars(strValue, 0, kMessageIdChars);
        return strValue;
    case EMode::MessageIdFirst19:
        return SubChars(strValue, 0, kFirst19Chars);
    case EMode::Year:
        // A value the user typed too short is a mismatch, not a fault.
        if (CountChars(strValue) < kYearFirst + kYearChars)
            return std::nullopt;
        return SubChars(strValue, kYearFirst, kYearChars);
    }
    throw std::logic_error("compare mode");
}

CLCCbCMessage_t CLCGIRValidCoItemMatch::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidCoItemMatch::_validate", [&]() {
        CLCGIRDataManager* pData = CLCGIRDataManager::instance();
        const std::vector<CLCGIRContainer*> vecFirst = pData->FindCheckList(m_strItemId);
        if (vecFirst.empty())
            return CBC_MSG_NONE;
        const std::vector<CLCGIRContainer*> vecSecond = pData->FindCheckList(m_strItemId2);
        if (vecSecond.empty())
            return CBC_MSG_NONE;

        // A second node agrees with every first node only when they all share
        // its value: the distinct first values are enough.
        std::unordered_set<std::string> setFirst;
        bool bShortFirst = false;
        for (const CLCGIRContainer* pNode : vecFirst) {
            std::optional<std::string> value = _getCompareValue(pNode, m_lColumn);
            if (!value)
                bShortFirst = true;
            else
                setFirst.insert(std::move(*value));
        }
        return JudgeNodes(vecSecond, m_lColumn2, m_message, bOuter, [&](const CLCGIRContainer* pNode) {
            const std::optional<std::string> value = _getCompareValue(pNode, m_lColumn2);
            return !value || bShortFirst || setFirst.size() != 1 || *setFirst.begin() != *value;
        });
    });
}
