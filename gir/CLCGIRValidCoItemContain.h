#pragma once
#include "gir/CLCGIRValidItem.h"
#include <string>
#include <vector>

// Correlation "contain": every node with the item id holds one of the words in
// the column; each other node gets the message (HE60009E by default) on its
// line and that column. No such node passes.
class CLCGIRValidCoItemContain : public CLCGIRValidItem {
public:
    CLCGIRValidCoItemContain();
    CLCCbCMessage_t _validate(bool bOuter) override;

private:
    std::vector<std::string> m_vecWords;
    std::string m_strItemId;
    long m_lColumn;
    CLCCbCMessage_t m_message;
};
