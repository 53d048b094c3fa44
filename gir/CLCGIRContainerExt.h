#pragma once
#include <string>
#include <utility>

class CLCGIRContainer;

// One row of the order table built for the children of one container. The
// container is borrowed.
class CLCGIRContainerExt {
public:
    CLCGIRContainerExt() = default;
    virtual ~CLCGIRContainerExt() = default;

    void SetContainer(CLCGIRContainer* pContainer) { m_pContainer = pContainer; }
    CLCGIRContainer* GetContainer() const { return m_pContainer; }
    void SetOrderNumber(long lOrder) { m_lOrderNumber = lOrder; }
    long GetOrderNumber() const { return m_lOrderNumber; }
    void SetAutoItem(std::string strAutoItem) { m_strAutoItem = std::move(strAutoItem); }
    // Exactly the one-character text "1".
    bool IsAutoItem() const { return m_strAutoItem == "1"; }
    // False when no container is set.
    bool IsEqualItemId(const std::string& strItemId) const;

private:
    CLCGIRContainer* m_pContainer = nullptr;
    long m_lOrderNumber = -1;
    std::string m_strAutoItem;
};
