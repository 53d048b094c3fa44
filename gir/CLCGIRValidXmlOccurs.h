#pragma once
#include "gir/CLCGIRValidItem.h"
#include <vector>

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

private:
    struct SOccurs {
        long long llCount = 0;
        const CLCGIRContainer* pFirst = nullptr;
    };
    // The counts of the container at hand, per definition child; their room
    // is kept from node to node. A member, not a thread-local: a thread-local
    // with a destructor pins the COM server's DLL to the thread that ran the
    // walk, and unloading it at that thread's end hangs.
    std::vector<SOccurs> m_vecOccurs;
};
