#include "gir/CLCGIRValidCoItemContain.h"

#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"

CLCGIRValidCoItemContain::CLCGIRValidCoItemContain()
    : m_vecWords(ReadWords("value", "編集用定義体の検証値がブランク")),
      m_strItemId(ReadItemId("itemId", "検証itemIdがブランク")), m_lColumn(ReadColumn("column")),
      m_message(ReadMessage())
{
}

CLCCbCMessage_t CLCGIRValidCoItemContain::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidCoItemContain::_validate", [&]() {
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (const CLCGIRContainer* pNode : CLCGIRDataManager::instance()->FindCheckList(m_strItemId)) {
            if (IsWord(m_vecWords, pNode->GetValueFromCsvColumnNumber(m_lColumn)))
                continue;
            result = m_message;
            if (bOuter)
                break;
            SetResult(pNode, m_message, m_lColumn);
        }
        return result;
    });
}
