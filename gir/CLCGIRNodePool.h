#pragma once
#include <cstddef>
#include <new>

// Fixed-size blocks for the container nodes. A run makes one node per CSV
// record, in document order, and every later walk visits them in that order:
// from slabs they lie side by side, and cost no allocator call each. All the
// slabs go back once the last block in them is gone. Blocks of any other size
// come from the global allocator.
class CLCGIRNodePool {
public:
    static void* Allocate(std::size_t nBytes);
    static void Release(void* p, std::size_t nBytes) noexcept;

    // A node's memory. Under the address sanitizer it comes from the global
    // allocator, which then still sees each node's lifetime and leaks.
    static void* NewNode(std::size_t nBytes) { return kNodesPooled ? Allocate(nBytes) : ::operator new(nBytes); }
    static void DeleteNode(void* p, std::size_t nBytes) noexcept
    {
        if (kNodesPooled)
            Release(p, nBytes);
        else
            ::operator delete(p);
    }

private:
#if defined(__SANITIZE_ADDRESS__)
    static constexpr bool kNodesPooled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    static constexpr bool kNodesPooled = false;
#else
    static constexpr bool kNodesPooled = true;
#endif
#else
    static constexpr bool kNodesPooled = true;
#endif
};
