#include "gir/CLCGIRValidExItemNotExistItem.h"

#include "gir/CLCGIRContainer.h"

CLCGIRValidExItemNotExistItem::CLCGIRValidExItemNotExistItem(CLCGIRContainer* pParent)
    : m_strItemId(ReadItemId("itemId", "編集用定義体の検証itemIdが不正")), m_message(ReadMessage()),
      m_pParent(pParent)
{
}

CLCCbCMessage_t CLCGIRValidExItemNotExistItem::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidExItemNotExistItem::_validate", [&]() {
        const std::vector<CLCGIRContainer*> vecChildren = FindChildContainer(m_pParent, m_strItemId);
        if (vecChildren.empty())
            return CBC_MSG_NONE;
        if (!bOuter) {
            for (const CLCGIRContainer* pChild : vecChildren)
                SetResult(pChild, m_message, 0);
        }
        return m_message;
    });
}
