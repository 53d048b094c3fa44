#include "gir/CLCGIRValidExItemExclusive.h"

#include "foundation/CLCDebugDump.h"
#include "gir/CLCGIRContainer.h"

#include <stdexcept>

namespace {
constexpr const char* kBadItemIds = "編集用定義体の検証itemIdが不正";
} // namespace

CLCGIRValidExItemExclusive::CLCGIRValidExItemExclusive(CLCGIRContainer* pParent)
    : m_vecItemIds(ReadWords("itemId", kBadItemIds)), m_pParent(pParent)
{
    if (m_vecItemIds.size() < 2) {
        CLC_LOG("CLCGIRValidExItemExclusive::CLCGIRValidExItemExclusive", kBadItemIds);
        throw std::invalid_argument(kBadItemIds);
    }
}

CLCCbCMessage_t CLCGIRValidExItemExclusive::_validate(bool bOuter)
{
    return Guarded(__FILE__, "CLCGIRValidExItemExclusive::_validate", [&]() {
        size_t nPresent = 0;
        for (const std::string& strItemId : m_vecItemIds) {
            if (!FindChildContainer(m_pParent, strItemId).empty())
                ++nPresent;
        }
        if (nPresent == 1)
            return CBC_MSG_NONE;
        const CLCCbCMessage_t message = nPresent == 0 ? HE60054E : HE60053E;
        if (!bOuter)
            SetResult(m_pParent, message, 0);
        return message;
    });
}

CLCGIRValidItem* CLCGIRValidExItemExclusive::CopyFor(CLCGIRContainer* pParent) const
{
    auto* pCopy = new CLCGIRValidExItemExclusive(*this);
    pCopy->m_pParent = pParent;
    return pCopy;
}
