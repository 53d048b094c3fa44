#include "gir/CLCGIRValidCoItemContain.h"

#include "gir/CLCGIRDataManager.h"

CLCCbCMessage_t CLCGIRValidCoItemContain::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidCoItemContain::_validate", [&]() {
        return JudgeNodes(CLCGIRDataManager::instance()->FindCheckList(m_contain.strItemId), m_contain.lColumn,
                          m_contain.message, bOuter,
                          [this](const CLCGIRContainer* pNode) { return !m_contain.Holds(pNode); });
    });
}
