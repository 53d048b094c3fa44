#pragma once
#include "gir/CLCGIRValidItem.h"

class CLCGIRContainer;
class CLCXDomNsxml;

// The occurrence rules of the edit definition: under every container, each
// definition child occurs at least minOccur times (else HE60055E on the
// container's line) and at most maxOccur times, "N" unbounded (else HE60052E on
// the first occurrence's line); column 0 for both.
class CLCGIRValidXmlOccurs : public CLCGIRValidItem {
public:
    CLCGIRValidXmlOccurs() = default;
    ~CLCGIRValidXmlOccurs() override = default;

    // A pre-order walk over the data manager's tree with the edit definition's
    // cursor kept on each container's element. 0, the last message recorded,
    // or HE60000E after recording the fatal row.
    CLCCbCMessage_t Validate() override;
    // The bounds of the cursor's element children for one container. A
    // definition child without an item id is logged and thrown.
    CLCCbCMessage_t _validChildOccurs(CLCXDomNsxml* pDefine, CLCGIRContainer* pContainer);
};
