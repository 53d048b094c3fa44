#include "cbc/CLCCbCValidExistFolder.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>

namespace {
using RuleTest::ExpectOutcome;
using RuleTest::RunRule;

TEST(ExistFolderRule, JudgesThePathItself)
{
    CTestFolder folder;
    std::string strFile = folder.Write("a.csv", "x");
    ExpectOutcome(RunRule("existFolder", "", "", folder.Path().c_str()), "");
    ExpectOutcome(RunRule("existFolder", "", "", strFile.c_str()), "9999-00001-HE60040E");
    ExpectOutcome(RunRule("existFolder", "", "", (folder / "none").c_str()), "9999-00001-HE60040E");
    ExpectOutcome(RunRule("existFolder", "", "", strFile.c_str(), HE60031E), "9999-00001-HE60031E");
}

TEST(ExistFolderRule, NoValueIsFatal)
{
    ExpectOutcome(RunRule("existFolder", "", "", ""), RuleTest::kFatalText);
    ExpectOutcome(RunRule("existFolder", "", "", nullptr), RuleTest::kFatalText);
}
} // namespace
