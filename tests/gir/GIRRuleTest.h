#pragma once
#include "foundation/CLCCbCMessage.h"
#include "gir/GIRTreeBuilder.h"
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// A fresh GIR run per test, on the shipped definitions 210 and 211.
class GIRRuleTest : public ::testing::Test {
protected:
    void SetUp() override { girtree::StartRun(); }
    void TearDown() override { girtree::EndRun(); }
};

// A CSV column (2 to 5) of the n-th node of an item, set to a value; "=ITEMID"
// copies that column of the item's first node.
struct SSet {
    const char* szItemId;
    size_t n;
    long lColumn;
    std::string strValue;
};
// A row expected on the n-th node of an item: its file and line, the column.
struct SRowAt {
    const char* szItemId;
    size_t n;
    long lColumn;
    const char* szCode;
};

// How often the first node of an item stands in the clean folder: 0 drops its
// row, more repeats it; for a file node, its file's rows as further files.
struct SCount {
    const char* szItemId;
    int nTotal;
};

// One rule step on the clean folder (three Summaries, two
// JurisdictionSections) after the changes; the whole error text must be the
// rows named (or the fatal row alone), found in the changed tree.
struct SRuleCase {
    const char* szName;
    CLCCbCMessage_t (*pfnStep)();
    bool bNewData;
    std::string strCheck;   // sections replacing 211; "" keeps it
    std::vector<SSet> vecSets;
    std::vector<SRowAt> vecRows;
    bool bFatal;
    std::vector<SCount> vecCounts = {};
    friend void PrintTo(const SRuleCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class RuleCases : public GIRRuleTest, public ::testing::WithParamInterface<SRuleCase> {};

inline std::string CaseName(const ::testing::TestParamInfo<SRuleCase>& info)
{
    return info.param.szName;
}
