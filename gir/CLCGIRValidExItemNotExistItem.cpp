#include "gir/CLCGIRValidExItemNotExistItem.h"

CLCGIRValidExItemNotExistItem::CLCGIRValidExItemNotExistItem(CLCGIRContainer* pParent)
    : m_strItemId(ReadItemId("itemId", "編集用定義体の検証itemIdが不正")), m_message(ReadMessage()),
      m_pParent(pParent)
{
}

CLCCbCMessage_t CLCGIRValidExItemNotExistItem::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidExItemNotExistItem::_validate", [&]() {
        return JudgeNodes(FindChildContainer(m_pParent, m_strItemId), 0, m_message, bOuter,
                          [](const CLCGIRContainer*) { return true; });
    });
}

CLCGIRValidItem* CLCGIRValidExItemNotExistItem::CopyFor(CLCGIRContainer* pParent) const
{
    auto* pCopy = new CLCGIRValidExItemNotExistItem(*this);
    pCopy->m_pParent = pParent;
    return pCopy;
}
