#pragma once
#include "gir/CLCGIRValidItem.h"
#include <string>

// "existItem": the parent has a child with the item id; otherwise the message
// (HE60009E by default) on the parent's line, column 0.
class CLCGIRValidExItemExistItem : public CLCGIRValidItem {
public:
    explicit CLCGIRValidExItemExistItem(CLCGIRContainer* pParent);
    CLCCbCMessage_t _validate(bool bOuter) override;

protected:
    CLCGIRValidItem* CopyFor(CLCGIRContainer* pParent) const override;

private:
    std::string m_strItemId;
    CLCCbCMessage_t m_message;
    CLCGIRContainer* m_pParent;   // borrowed
};
