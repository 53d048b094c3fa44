#include "foundation/xml/CLCXReaderMemory.h"
#include <gtest/gtest.h>
#include <cstring>
#include <xercesc/util/PlatformUtils.hpp>

// A block the library never gives back goes with the memory; the sanitizer
// build reports it otherwise.
TEST(XReaderMemory, FreesWhatIsLeftOut)
{
    CLCXReaderMemory memory;
    void* pKept = memory.allocate(64);
    std::memset(memory.allocate(32), 0, 32);
    memory.deallocate(pKept);
    memory.deallocate(nullptr);
    EXPECT_EQ(memory.getExceptionMemoryManager(), XERCES_CPP_NAMESPACE::XMLPlatformUtils::fgMemoryManager);
}
