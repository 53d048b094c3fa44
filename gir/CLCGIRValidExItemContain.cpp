#include "gir/CLCGIRValidExItemContain.h"

#include "gir/CLCGIRContainer.h"

CLCGIRValidExItemContain::CLCGIRValidExItemContain(CLCGIRContainer* pParent)
    : m_vecWords(ReadWords("value", "編集用定義体の検証値がブランク")),
      m_strItemId(ReadItemId("itemId", "検証itemIdがブランク")), m_lColumn(ReadColumn("column")),
      m_message(ReadMessage()), m_pParent(pParent)
{
}

CLCCbCMessage_t CLCGIRValidExItemContain::_validate(bool /*bOuter*/)
{
    return Guarded(__FILE__, "CLCGIRValidExItemContain::_validate", [&]() {
        const std::vector<CLCGIRContainer*> vecChildren = FindChildContainer(m_pParent, m_strItemId);
        if (vecChildren.empty())
            return m_message;
        for (const CLCGIRContainer* pChild : vecChildren) {
            if (!IsWord(m_vecWords, pChild->GetValueFromCsvColumnNumber(m_lColumn)))
                return m_message;
        }
        return CBC_MSG_NONE;
    });
}
