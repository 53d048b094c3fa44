#include "foundation/xml/CLCXReaderMemory.h"
#include <new>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>

XERCES_CPP_NAMESPACE_USE

CLCXReaderMemory::~CLCXReaderMemory()
{
    for (void* p : m_setBlocks)
        ::operator delete(p);
}

MemoryManager* CLCXReaderMemory::getExceptionMemoryManager()
{
    return XMLPlatformUtils::fgMemoryManager;
}

void* CLCXReaderMemory::allocate(XMLSize_t ulSize)
{
    // The library expects its own exception when memory runs out.
    try {
        void* p = ::operator new(ulSize);
        try {
            m_setBlocks.insert(p);
        } catch (...) {
            ::operator delete(p);
            throw;
        }
        return p;
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryException();
    }
}

void CLCXReaderMemory::deallocate(void* p)
{
    if (p == nullptr)
        return;
    m_setBlocks.erase(p);
    ::operator delete(p);
}
