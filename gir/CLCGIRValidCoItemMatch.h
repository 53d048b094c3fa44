#pragma once
#include "gir/CLCGIRValidItem.h"
#include <optional>
#include <string>

// Correlation "match": every node with itemId and every node with itemId2 agree
// on their compare values (mode "exact", "messageId", "messageIdFirst19" or
// "year"); each itemId2 node that disagrees with any itemId node gets the
// message (HE60009E by default) on its line and column2. Judged in one pass
// over each list, with the rows that comparing every pair would give.
class CLCGIRValidCoItemMatch : public CLCGIRValidItem {
public:
    CLCGIRValidCoItemMatch();
    CLCCbCMessage_t _validate(bool bOuter) override;

private:
    enum class EMode { Exact, MessageId, MessageIdFirst19, Year };

    static EMode ReadMode();
    // None for a value too short to hold the compared range ("year"): it
    // agrees with nothing.
    std::optional<std::string> _getCompareValue(const CLCGIRContainer* pNode, long lColumn) const;

    EMode m_mode;
    std::string m_strItemId;
    std::string m_strItemId2;
    long m_lColumn;
    long m_lColumn2;
    CLCCbCMessage_t m_message;
};
