#pragma once
#include "gir/CLCGIRValidItem.h"
#include <string>

// "notExistItem": the parent has no child with the item id; otherwise the
// message (HE60009E by default) on each such child's line, column 0.
class CLCGIRValidExItemNotExistItem : public CLCGIRValidItem {
public:
    explicit CLCGIRValidExItemNotExistItem(CLCGIRContainer* pParent);
    CLCCbCMessage_t _validate(bool bOuter) override;

protected:
    CLCGIRValidItem* CopyFor(CLCGIRContainer* pParent) const override;

private:
    std::string m_strItemId;
    CLCCbCMessage_t m_message;
    CLCGIRContainer* m_pParent;   // borrowed
};
