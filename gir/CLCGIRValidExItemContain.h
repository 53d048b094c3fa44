#pragma once
#include "gir/CLCGIRValidItem.h"

// Exclusive-family "contain", a precondition only: the parent has children with
// the item id and each one's value in the column is one of the words. It never
// writes rows; as a main rule it is refused by the exclusive validator.
class CLCGIRValidExItemContain : public CLCGIRValidItem {
public:
    explicit CLCGIRValidExItemContain(CLCGIRContainer* pParent);
    CLCCbCMessage_t _validate(bool bOuter) override;

protected:
    CLCGIRValidItem* CopyFor(CLCGIRContainer* pParent) const override;

private:
    SContain m_contain;
    CLCGIRContainer* m_pParent;   // borrowed
};
