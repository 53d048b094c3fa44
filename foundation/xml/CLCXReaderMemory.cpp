#include "foundation/xml/CLCXReaderMemory.h"
#include <new>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>

XERCES_CPP_NAMESPACE_USE

CLCXReaderMemory::CLCXReaderMemory() : m_head{&m_head, &m_head} {}

CLCXReaderMemory::~CLCXReaderMemory()
{
    while (m_head.pNext != &m_head)
        deallocate(m_head.pNext + 1);
}

MemoryManager* CLCXReaderMemory::getExceptionMemoryManager()
{
    return XMLPlatformUtils::fgMemoryManager;
}

void* CLCXReaderMemory::allocate(XMLSize_t ulSize)
{
    void* pBlock = nullptr;
    // The library expects its own exception when memory runs out.
    try {
        pBlock = ::operator new(sizeof(SLink) + ulSize);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryException();
    }
    SLink* pLink = static_cast<SLink*>(pBlock);
    pLink->pPrev = &m_head;
    pLink->pNext = m_head.pNext;
    m_head.pNext->pPrev = pLink;
    m_head.pNext = pLink;
    return pLink + 1;
}

void CLCXReaderMemory::deallocate(void* p)
{
    if (p == nullptr)
        return;
    SLink* pLink = static_cast<SLink*>(p) - 1;
    pLink->pPrev->pNext = pLink->pNext;
    pLink->pNext->pPrev = pLink->pPrev;
    ::operator delete(pLink);
}
