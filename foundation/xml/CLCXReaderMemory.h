#pragma once
#include <cstddef>
#include <xercesc/framework/MemoryManager.hpp>

// The memory of one reader or parser of the library: every block it takes is
// kept on a list, and the blocks still out when this is destroyed are freed
// then. Some of the library's error paths throw past blocks they hold (a
// content model broken off in a document type declaration), and nothing else
// would free those. Outlives the reader or parser given it; exceptions take
// the process-wide memory, since they may outlive both.
class CLCXReaderMemory : public XERCES_CPP_NAMESPACE::MemoryManager {
public:
    CLCXReaderMemory();
    ~CLCXReaderMemory() override;
    CLCXReaderMemory(const CLCXReaderMemory&) = delete;
    CLCXReaderMemory& operator=(const CLCXReaderMemory&) = delete;

    XERCES_CPP_NAMESPACE::MemoryManager* getExceptionMemoryManager() override;
    void* allocate(XMLSize_t ulSize) override;
    void deallocate(void* p) override;

private:
    // In front of each block, sized so that the block keeps the alignment of new.
    struct alignas(std::max_align_t) SLink {
        SLink* pPrev;
        SLink* pNext;
    };
    SLink m_head;   // of a circular list; a list of one is empty
};
