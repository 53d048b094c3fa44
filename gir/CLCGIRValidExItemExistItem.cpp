#include "gir/CLCGIRValidExItemExistItem.h"

CLCGIRValidExItemExistItem::CLCGIRValidExItemExistItem(CLCGIRContainer* pParent)
    : m_strItemId(ReadItemId("itemId", "編集用定義体の検証ItemIdが不正")), m_message(ReadMessage()),
      m_pParent(pParent)
{
}

CLCCbCMessage_t CLCGIRValidExItemExistItem::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidExItemExistItem::_validate", [&]() {
        if (!FindChildContainer(m_pParent, m_strItemId).empty())
            return CBC_MSG_NONE;
        if (!bOuter)
            SetResult(m_pParent, m_message, 0);
        return m_message;
    });
}

CLCGIRValidItem* CLCGIRValidExItemExistItem::CopyFor(CLCGIRContainer* pParent) const
{
    auto* pCopy = new CLCGIRValidExItemExistItem(*this);
    pCopy->m_pParent = pParent;
    return pCopy;
}
