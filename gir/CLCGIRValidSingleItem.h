#pragma once
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <vector>

class CLCCbCValidItem;
class CLCGIRContainer;
class CLCXDomNsxml;

// The single-item section of the check definition: each item (item id and CSV
// column) applies the rule kinds of the rule engine, in order, to that column of
// every container carrying the item id. At most one row per container and item;
// an item whose element is absent builds no rule.
class CLCGIRValidSingleItem {
public:
    CLCGIRValidSingleItem();
    virtual ~CLCGIRValidSingleItem();
    CLCGIRValidSingleItem(const CLCGIRValidSingleItem&) = delete;
    CLCGIRValidSingleItem& operator=(const CLCGIRValidSingleItem&) = delete;

    // 0 when every container passed, else the last message a rule returned;
    // HE60000E after recording the fatal row.
    CLCCbCMessage_t Validate();
    // The rules of the cursor's item element, for the container. The rules keep
    // no state, so one set serves every container of the item. False after
    // recording the fatal row; the cursor is then left on the last row read.
    virtual bool Initialize(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine);
    // The first non-zero result of the rules on the container.
    virtual CLCCbCMessage_t ValidateItem(CLCGIRContainer* pContainer);
    // Attaches the "outer" children of the cursor's valid element; their
    // columns are the CSV's own numbers, 1 to 6.
    virtual bool SetUpOuter(CLCGIRContainer* pContainer, CLCCbCValidItem* pRule);
    virtual void Clear();

private:
    std::vector<std::unique_ptr<CLCCbCValidItem>> m_vecItems;
};
