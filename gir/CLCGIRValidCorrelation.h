#pragma once
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <vector>

class CLCGIRValidItem;

// The correlation section of the check definition: one rule per
// "//correlationCheck/valid" row, judged over the whole tree.
class CLCGIRValidCorrelation {
public:
    CLCGIRValidCorrelation();
    virtual ~CLCGIRValidCorrelation();
    CLCGIRValidCorrelation(const CLCGIRValidCorrelation&) = delete;
    CLCGIRValidCorrelation& operator=(const CLCGIRValidCorrelation&) = delete;

    // 0 when every rule passed (or there are none), else the last message a
    // rule returned; HE60000E after recording the fatal row.
    virtual CLCCbCMessage_t Validate();
    // False after recording the fatal row.
    virtual bool Initialize();
    // Attaches the "outer" children of the cursor's row to the rule.
    virtual bool SetUpOuter(CLCGIRValidItem* pRule);

private:
    std::vector<std::unique_ptr<CLCGIRValidItem>> m_vecItems;
};
