#include "cbc/CLCCbCValidExistpath.h"
#include "RuleTestSupport.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

namespace {
using RuleTest::ExpectOutcome;
using RuleTest::RunRule;

class ExistpathRule : public ::testing::Test {
protected:
    CTestFolder m_folder;
};

TEST_F(ExistpathRule, FileMustExistBeReadableAndNotEmpty)
{
    std::string strFull = m_folder.Write("data.csv", "a,b\r\n");
    std::string strEmpty = m_folder.Write("empty.csv", "");
    ExpectOutcome(RunRule("existPath", "file", "", strFull.c_str()), "");
    ExpectOutcome(RunRule("existPath", "file", "", strEmpty.c_str()), "9999-00001-HE60005E");
    ExpectOutcome(RunRule("existPath", "file", "", (m_folder / "missing.csv").c_str()), "9999-00001-HE60004E");
    // A folder is not a file.
    ExpectOutcome(RunRule("existPath", "file", "", m_folder.Path().c_str()), "9999-00001-HE60004E");
}

TEST_F(ExistpathRule, UnreadableFileIsRefused)
{
    std::string strPath = m_folder.Write("locked.csv", "a,b\r\n");
    std::filesystem::permissions(strPath, std::filesystem::perms::none);
    if (std::ifstream(strPath).good())
        GTEST_SKIP() << "the test runs with rights that read any file";
    ExpectOutcome(RunRule("existPath", "file", "", strPath.c_str()), "9999-00001-HE60006E");
}

TEST_F(ExistpathRule, DirNeedsTheContainingFolderOnly)
{
    ExpectOutcome(RunRule("existPath", "dir", "", (m_folder / "out.xml").c_str()), "");
    ExpectOutcome(RunRule("existPath", "dir", "", (m_folder / "no/out.xml").c_str()), "9999-00001-HE60019E");
    // A bare name is a file of the working folder; a relative folder must exist.
    ExpectOutcome(RunRule("existPath", "dir", "", "out.xml"), "");
    ExpectOutcome(RunRule("existPath", "dir", "", "no-such-folder/out.xml"), "9999-00001-HE60019E");
}

TEST_F(ExistpathRule, EmptyValuesPass)
{
    ExpectOutcome(RunRule("existPath", "file", "", ""), "");
    ExpectOutcome(RunRule("existPath", "dir", "", nullptr), "");
}

TEST_F(ExistpathRule, UnknownParameterIsFatal)
{
    ExpectOutcome(RunRule("existPath", "folder", "", m_folder.Path().c_str()), RuleTest::kFatalText);
    ExpectOutcome(RunRule("existPath", "", "", m_folder.Path().c_str()), RuleTest::kFatalText);
}
} // namespace
