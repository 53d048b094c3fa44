#include "gir/CLCGIRValidCoItemDuplicate.h"

#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"

#include <unordered_set>

CLCGIRValidCoItemDuplicate::CLCGIRValidCoItemDuplicate()
    : m_vecItemIds(ReadWords("itemId", "編集用定義体の検証ItemIdが不正")), m_lColumn(ReadColumn("column")),
      m_message(ReadMessage())
{
}

CLCCbCMessage_t CLCGIRValidCoItemDuplicate::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidCoItemDuplicate::_validate", [&]() {
        std::unordered_set<std::string> setSeen;
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (const CLCGIRContainer* pNode : CLCGIRDataManager::instance()->FindCheckListFromItemIDs(m_vecItemIds)) {
            if (setSeen.insert(pNode->GetValueFromCsvColumnNumber(m_lColumn)).second)
                continue;
            result = m_message;
            if (bOuter)
                break;
            SetResult(pNode, m_message, m_lColumn);
        }
        return result;
    });
}
