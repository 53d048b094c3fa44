#pragma once
#include "gir/CLCGIRValidItem.h"

// Correlation "contain": every node with the item id holds one of the words in
// the column; each other node gets the message (HE60009E by default) on its
// line and that column. No such node passes.
class CLCGIRValidCoItemContain : public CLCGIRValidItem {
public:
    CLCGIRValidCoItemContain() = default;
    CLCCbCMessage_t _validate(bool bOuter) override;

private:
    SContain m_contain;
};
