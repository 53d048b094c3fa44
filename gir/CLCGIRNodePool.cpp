#include "gir/CLCGIRNodePool.h"
#include "gir/CLCGIRContainer.h"

#include <mutex>
#include <new>
#include <vector>

namespace {
constexpr std::size_t kBlockBytes =
    (sizeof(CLCGIRContainer) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);
constexpr std::size_t kSlabBytes = std::size_t(1) << 20;
static_assert(kSlabBytes >= kBlockBytes, "a slab holds a node");

struct SFreeBlock {
    SFreeBlock* pNext;
};

struct SPool {
    std::mutex mutex;
    std::vector<char*> vecSlabs;
    char* pNext = nullptr;
    char* pEnd = nullptr;
    SFreeBlock* pFree = nullptr;
    std::size_t nLive = 0;
};

// Never destroyed: a node may still be freed while the program ends.
SPool& Pool()
{
    static SPool* pPool = new SPool;
    return *pPool;
}
} // namespace

void* CLCGIRNodePool::Allocate(std::size_t nBytes)
{
    if (nBytes != sizeof(CLCGIRContainer))
        return ::operator new(nBytes);
    SPool& pool = Pool();
    const std::lock_guard<std::mutex> lock(pool.mutex);
    void* p = nullptr;
    if (pool.pFree != nullptr) {
        p = pool.pFree;
        pool.pFree = pool.pFree->pNext;
    } else {
        if (static_cast<std::size_t>(pool.pEnd - pool.pNext) < kBlockBytes) {
            pool.vecSlabs.reserve(pool.vecSlabs.size() + 1);
            char* pSlab = static_cast<char*>(::operator new(kSlabBytes));
            pool.vecSlabs.push_back(pSlab);
            pool.pNext = pSlab;
            pool.pEnd = pSlab + kSlabBytes;
        }
        p = pool.pNext;
        pool.pNext += kBlockBytes;
    }
    ++pool.nLive;
    return p;
}

void CLCGIRNodePool::Release(void* p, std::size_t nBytes) noexcept
{
    if (p == nullptr)
        return;
    if (nBytes != sizeof(CLCGIRContainer)) {
        ::operator delete(p);
        return;
    }
    SPool& pool = Pool();
    const std::lock_guard<std::mutex> lock(pool.mutex);
    if (--pool.nLive > 0) {
        pool.pFree = new (p) SFreeBlock{pool.pFree};
        return;
    }
    for (char* pSlab : pool.vecSlabs)
        ::operator delete(pSlab);
    pool.vecSlabs.clear();
    pool.vecSlabs.shrink_to_fit();
    pool.pNext = pool.pEnd = nullptr;
    pool.pFree = nullptr;
}
