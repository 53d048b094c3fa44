#pragma once
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <vector>

class CLCGIRContainer;
class CLCGIRValidItem;

// The exclusive-item section of the check definition: each row applies under
// every container of its parentItemId, with its outer rows as preconditions.
class CLCGIRValidExclusive {
public:
    CLCGIRValidExclusive();
    virtual ~CLCGIRValidExclusive();
    CLCGIRValidExclusive(const CLCGIRValidExclusive&) = delete;
    CLCGIRValidExclusive& operator=(const CLCGIRValidExclusive&) = delete;

    // 0 when every rule passed, else the last message a rule returned;
    // HE60000E after a definition fault or an unexpected error (fatal row
    // recorded).
    virtual CLCCbCMessage_t Validate();
    // Builds one rule per row and parent container. A main "contain" row is
    // refused: it could only fail without a row. False after recording the
    // fatal row.
    virtual bool Initialize();
    // Attaches the "outer" children of the cursor's row to the rule.
    virtual bool SetUpOuter(CLCGIRContainer* pContainer, CLCGIRValidItem* pRule);

private:
    std::vector<std::unique_ptr<CLCGIRValidItem>> m_vecItems;
};
