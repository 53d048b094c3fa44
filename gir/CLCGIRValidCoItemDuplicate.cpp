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
        return JudgeNodes(CLCGIRDataManager::instance()->FindCheckListFromItemIDs(m_vecItemIds), m_lColumn, m_message,
                          bOuter, [&](const CLCGIRContainer* pNode) {
                              return !setSeen.insert(pNode->GetValueFromCsvColumnNumber(m_lColumn)).second;
                          });
    });
}
