#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRNodePool.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kNode = sizeof(CLCGIRContainer);

// Blocks of the node size come from slabs: distinct, aligned, never
// overlapping, the last freed handed out first; once every block is gone the
// pool starts afresh. Other sizes go to the global allocator.
TEST(GIRNodePool, HandsOutSeparateBlocksAndReusesFreedOnes)
{
    std::vector<unsigned char*> vecBlocks;
    for (int i = 0; i < 12000; ++i) {   // several slabs
        vecBlocks.push_back(static_cast<unsigned char*>(CLCGIRNodePool::Allocate(kNode)));
        std::memset(vecBlocks.back(), i & 0xff, kNode);
    }
    for (size_t i = 0; i < vecBlocks.size(); ++i) {
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(vecBlocks[i]) % alignof(std::max_align_t), 0u);
        ASSERT_EQ(std::count(vecBlocks[i], vecBlocks[i] + kNode, static_cast<unsigned char>(i & 0xff)),
                  static_cast<std::ptrdiff_t>(kNode)) << "block " << i << " overwritten";
    }
    CLCGIRNodePool::Release(vecBlocks[7], kNode);
    CLCGIRNodePool::Release(vecBlocks[3], kNode);
    EXPECT_EQ(CLCGIRNodePool::Allocate(kNode), vecBlocks[3]);
    EXPECT_EQ(CLCGIRNodePool::Allocate(kNode), vecBlocks[7]);
    for (unsigned char* p : vecBlocks)
        CLCGIRNodePool::Release(p, kNode);

    void* pAfresh = CLCGIRNodePool::Allocate(kNode);
    std::memset(pAfresh, 0, kNode);
    CLCGIRNodePool::Release(pAfresh, kNode);
    void* pOther = CLCGIRNodePool::Allocate(kNode + 16);
    std::memset(pOther, 0, kNode + 16);
    CLCGIRNodePool::Release(pOther, kNode + 16);
}

// A whole tree made and destroyed twice: the second run lives on memory the
// first gave back.
TEST(GIRNodePool, TreesComeAndGo)
{
    for (int run = 0; run < 2; ++run) {
        auto pRoot = std::make_unique<CLCGIRContainer>();
        for (int i = 0; i < 5000; ++i) {
            auto* pChild = new CLCGIRContainer(0, 0, 0, i, "", "Item", std::to_string(i), "", "", "", "5");
            pRoot->AddChild(pChild);
        }
        ASSERT_EQ(pRoot->GetChildCount(), 5000);
        EXPECT_EQ(pRoot->GetChild(4999)->GetElementValue(), "4999");
    }
}

} // namespace
