#include "gir/CLCGIRValidExItemContain.h"

#include "gir/CLCGIRContainer.h"

CLCGIRValidExItemContain::CLCGIRValidExItemContain(CLCGIRContainer* pParent) : m_pParent(pParent)
{
}

CLCCbCMessage_t CLCGIRValidExItemContain::_validate(bool /*bOuter*/)
{
    return Guarded(__FILE__, "CLCGIRValidExItemContain::_validate", [&]() {
        const std::vector<CLCGIRContainer*> vecChildren = FindChildContainer(m_pParent, m_contain.strItemId);
        if (vecChildren.empty())
            return m_contain.message;
        for (const CLCGIRContainer* pChild : vecChildren) {
            if (!m_contain.Holds(pChild))
                return m_contain.message;
        }
        return CBC_MSG_NONE;
    });
}

CLCGIRValidItem* CLCGIRValidExItemContain::CopyFor(CLCGIRContainer* pParent) const
{
    auto* pCopy = new CLCGIRValidExItemContain(*this);
    pCopy->m_pParent = pParent;
    return pCopy;
}
