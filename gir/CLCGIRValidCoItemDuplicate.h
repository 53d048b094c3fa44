#pragma once
#include "gir/CLCGIRValidItem.h"
#include <string>
#include <vector>

// Correlation "duplicate": no two nodes carrying any of the item ids hold the
// same value in the column; every node whose value an earlier node (in check-
// list order) already holds gets the message (HE60009E by default) on its line
// and that column. One pass with a hash of the values seen.
class CLCGIRValidCoItemDuplicate : public CLCGIRValidItem {
public:
    CLCGIRValidCoItemDuplicate();
    CLCCbCMessage_t _validate(bool bOuter) override;

private:
    std::vector<std::string> m_vecItemIds;
    long m_lColumn;
    CLCCbCMessage_t m_message;
};
