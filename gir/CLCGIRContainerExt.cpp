#include "gir/CLCGIRContainerExt.h"
#include "gir/CLCGIRContainer.h"

bool CLCGIRContainerExt::IsEqualItemId(const std::string& strItemId) const
{
    if (m_pContainer == nullptr)
        return false;
    return m_pContainer->GetConfItemId() == strItemId;
}
