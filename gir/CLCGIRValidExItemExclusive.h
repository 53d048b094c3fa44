#pragma once
#include "gir/CLCGIRValidItem.h"
#include <string>
#include <vector>

// "exclusive": exactly one of the listed items stands among the parent's
// children (HE60053E for more, HE60054E for none, on the parent's line).
// A list of fewer than two item ids is refused when the item is made.
class CLCGIRValidExItemExclusive : public CLCGIRValidItem {
public:
    explicit CLCGIRValidExItemExclusive(CLCGIRContainer* pParent);
    CLCCbCMessage_t _validate(bool bOuter) override;

protected:
    CLCGIRValidItem* CopyFor(CLCGIRContainer* pParent) const override;

private:
    std::vector<std::string> m_vecItemIds;
    CLCGIRContainer* m_pParent;   // borrowed
};
