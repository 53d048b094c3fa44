#include "foundation/CLCValidResult.h"
#include "foundation/CLCCbCCommon.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

const std::string kOther = "\xE3\x81\x9D\xE3\x81\xAE\xE4\xBB\x96"; // その他

std::vector<std::string> SplitEntries(const std::string& strText)
{
    std::vector<std::string> vecEntries;
    size_t nStart = 0;
    for (size_t nComma; (nComma = strText.find(',', nStart)) != std::string::npos; nStart = nComma + 1)
        vecEntries.push_back(strText.substr(nStart, nComma - nStart));
    vecEntries.push_back(strText.substr(nStart));
    return vecEntries;
}

class ValidResult : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLCValidResult::destroy();
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_CBC_REPORT);
    }
    void TearDown() override { CLCValidResult::destroy(); }
};

class ValidResultGIR : public ValidResult {
protected:
    void SetUp() override
    {
        CLCValidResult::destroy();
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    }
};

} // namespace

// ---- CbC error text ---------------------------------------------------------

TEST_F(ValidResult, SortsRemovesDuplicatesAndFormats)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    pResult->SetResult(HE60009E, 12, 3, -1);
    pResult->SetResult(HE60015E, 5, 2, 4);
    pResult->SetResult(HE60009E, 12, 3, -1);
    EXPECT_EQ(pResult->MakeResult(), "0005-02:04-HE60015E,0012-00003-HE60009E");
    EXPECT_EQ(pResult->MakeResult(), ""); // the rows were consumed
}

TEST_F(ValidResult, NoRowsGiveAnEmptyText)
{
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "");
}

TEST_F(ValidResult, OrdersByLineColumnSecondColumnThenMessage)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    pResult->SetResult(HE60002E, 9999, 2, -1);
    pResult->SetResult(HE60001E, 9999, 2, -1);
    pResult->SetResult(HE60032E, 3, 5, -1);
    pResult->SetResult(HE60032E, 3, 4, 7);
    pResult->SetResult(HE60032E, 3, 4, 6);
    pResult->SetResult(HE00155E, 0, 0, -1);
    pResult->SetResult(HE60009E, 123456, 100, 7);
    EXPECT_EQ(pResult->MakeResult(),
              "0000-00000-HE00155E,0003-04:06-HE60032E,0003-04:07-HE60032E,0003-00005-HE60032E,"
              "9999-00002-HE60001E,9999-00002-HE60002E,123456-100:07-HE60009E");
}

TEST_F(ValidResult, PrintsAnEmptyCodeForAValueOutsideTheCatalogue)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    pResult->SetResult(static_cast<CLCCbCMessage_t>(67), 1, 1, -1);
    pResult->SetResult(static_cast<CLCCbCMessage_t>(0xFFFFFFFFu), 2, 1, -1);
    EXPECT_EQ(pResult->MakeResult(), "0001-00001-,0002-00001-");
}

TEST_F(ValidResult, CapsAboveOneHundredThousandRows)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    for (long line = 100001; line >= 1; --line) // reversed: the cut must follow the sort
        pResult->SetResult(HE60001E, line, 1, -1);
    const std::vector<std::string> vecEntries = SplitEntries(pResult->MakeResult());
    ASSERT_EQ(vecEntries.size(), 100000u);
    EXPECT_EQ(vecEntries[0], "0001-00001-HE60001E");
    EXPECT_EQ(vecEntries[99998], "99999-00001-HE60001E");
    EXPECT_EQ(vecEntries[99999], "0000-00000-HE60022E");
}

TEST_F(ValidResult, KeepsExactlyOneHundredThousandRows)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    for (long line = 1; line <= 100000; ++line)
        pResult->SetResult(HE60001E, line, 1, -1);
    pResult->SetResult(HE60001E, 7, 1, -1); // a duplicate does not count
    const std::vector<std::string> vecEntries = SplitEntries(pResult->MakeResult());
    ASSERT_EQ(vecEntries.size(), 100000u);
    EXPECT_EQ(vecEntries[99999], "100000-00001-HE60001E");
    EXPECT_EQ(std::count(vecEntries.begin(), vecEntries.end(), "0000-00000-HE60022E"), 0);
}

TEST_F(ValidResult, FatalErrorReplacesEverythingCollected)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    for (long line = 1; line <= 50; ++line)
        pResult->SetResult(HE60009E, line, 2, -1);
    pResult->SetFatalError();
    pResult->SetFatalError();
    EXPECT_EQ(pResult->MakeResult(), "0000-00000-HE60000E");
}

TEST_F(ValidResult, ClearResultDropsTheRows)
{
    CLCValidResult* pResult = CLCValidResult::instance();
    pResult->SetResult(HE60009E, 1, 2, -1);
    pResult->ClearResult();
    EXPECT_EQ(pResult->MakeResult(), "");
}

// ---- the collector's kind follows the execution mode ------------------------

TEST_F(ValidResult, InstanceKeepsACollectorOfTheRightKind)
{
    CLCValidResult* pFirst = CLCValidResult::instance();
    pFirst->SetResult(HE60009E, 1, 2, -1);
    EXPECT_EQ(CLCValidResult::instance(), pFirst);
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "0001-00002-HE60009E");
}

TEST_F(ValidResult, ModeSwitchesReplaceTheCollectorKind)
{
    const CLCCbCCommon::EXEC_MODE kPlainModes[] = {
        CLCCbCCommon::EXEC_MODE_APPENDIX_TABLE, CLCCbCCommon::EXEC_MODE_CBC_REPORT,
        CLCCbCCommon::EXEC_MODE_CBC_REPORT2, CLCCbCCommon::EXEC_MODE_GIR_APPENDIX_TABLE,
        CLCCbCCommon::EXEC_MODE_FILE};
    for (CLCCbCCommon::EXEC_MODE mode : kPlainModes) {
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
        CLCValidResult* pGIR = CLCValidResult::instance();
        EXPECT_EQ(typeid(*pGIR), typeid(CLCValidResultGIR)) << mode;
        EXPECT_EQ(CLCValidResultGIR::instance(), pGIR) << mode;

        CLCCbCCommon::setExecMode(mode);
        CLCValidResult* pPlain = CLCValidResult::instance();
        EXPECT_EQ(typeid(*pPlain), typeid(CLCValidResult)) << mode;
        EXPECT_EQ(CLCValidResult::instance(), pPlain) << mode;
    }
}

TEST_F(ValidResult, GIRInstanceNeverHandsOutAPlainCollector)
{
    CLCValidResult* pPlain = CLCValidResult::instance();
    pPlain->SetResult(HE60009E, 1, 2, -1);
    CLCValidResultGIR* pGIR = CLCValidResultGIR::instance();
    ASSERT_NE(pGIR, nullptr);
    EXPECT_EQ(typeid(*pGIR), typeid(CLCValidResultGIR));
    pGIR->SetResult("01_FilingInfo.csv", HE60001E, 1, 1, -1);
    EXPECT_EQ(pGIR->FileRows().size(), 1u);
}

TEST_F(ValidResult, DestroyWithoutACollectorIsHarmless)
{
    CLCValidResult::destroy();
    CLCValidResultGIR::destroy();
    EXPECT_EQ(typeid(*CLCValidResult::instance()), typeid(CLCValidResult));
}

// ---- GIR error texts --------------------------------------------------------

TEST_F(ValidResultGIR, ListsFilesInTheFixedGroupOrder)
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    const std::vector<std::string> vecNames = {
        "zz_unknown.csv", kOther, "05_UTPRAttribution_1.csv", "04_JurisdictionSection_3.csv",
        "03_Summary_2.csv", "03_Summary_10.csv", "02_GeneralSection.csv", "01_FilingInfo.csv",
        "02_GLOBEBody", "01_MessageSpec.csv", "A_unknown.txt"};
    long line = 1;
    for (const std::string& strName : vecNames)
        pResult->SetResult(strName, HE60046E, line++, 1, -1);

    pResult->MakeDetailErrorInfo();
    EXPECT_EQ(pResult->getFileList(), (std::vector<std::string>{
        "01_MessageSpec.csv", "02_GLOBEBody", "01_FilingInfo.csv", "02_GeneralSection.csv",
        "03_Summary_10.csv", "03_Summary_2.csv", "04_JurisdictionSection_3.csv",
        "05_UTPRAttribution_1.csv", kOther, "A_unknown.txt", "zz_unknown.csv"}));
    EXPECT_EQ(pResult->getDetailErrorInfoList(), (std::vector<std::string>{
        "00000010-00001-HE60046E", "00000009-00001-HE60046E", "00000008-00001-HE60046E",
        "00000007-00001-HE60046E", "00000006-00001-HE60046E", "00000005-00001-HE60046E",
        "00000004-00001-HE60046E", "00000003-00001-HE60046E", "00000002-00001-HE60046E",
        "00000011-00001-HE60046E", "00000001-00001-HE60046E"}));
    EXPECT_TRUE(pResult->FileRows().empty());
}

TEST_F(ValidResultGIR, FormatsEachFileWithItsOwnRows)
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    pResult->SetResult("03_Summary_1.csv", HE60009E, 12, 3, -1);
    pResult->SetResult("03_Summary_1.csv", HE60015E, 5, 2, 4);
    pResult->SetResult("03_Summary_1.csv", HE60009E, 12, 3, -1);
    pResult->SetResult("01_FilingInfo.csv", HE60064E, 5000000000L, 123456, -1);
    pResult->SetResult(kOther, HE60001E, 99999999, 2, -1);
    pResult->SetFatalError();

    pResult->MakeDetailErrorInfo();
    EXPECT_EQ(pResult->getFileList(), (std::vector<std::string>{"01_FilingInfo.csv", "03_Summary_1.csv", kOther}));
    EXPECT_EQ(pResult->getDetailErrorInfoList(), (std::vector<std::string>{
        "5000000000-123456-HE60064E",
        "00000005-02:04-HE60015E,00000012-00003-HE60009E",
        "00000000-00000-HE60000E,99999999-00002-HE60001E"}));
}

TEST_F(ValidResultGIR, RowsWithoutAFileNameAreFiledUnderOther)
{
    CLCValidResult* pResult = CLCValidResult::instance(); // as the rules reach it
    pResult->SetResult(HE60019E, 99999999, 4, -1);
    CLCValidResultGIR* pGIR = CLCValidResultGIR::instance();
    ASSERT_EQ(pGIR, pResult);
    pGIR->MakeDetailErrorInfo();
    EXPECT_EQ(pGIR->getFileList(), (std::vector<std::string>{kOther}));
    EXPECT_EQ(pGIR->getDetailErrorInfoList(), (std::vector<std::string>{"99999999-00004-HE60019E"}));
}

TEST_F(ValidResultGIR, NoRowsGiveEmptyLists)
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    pResult->SetResult("01_FilingInfo.csv", HE60001E, 1, 1, -1);
    pResult->MakeDetailErrorInfo();
    ASSERT_EQ(pResult->getFileList().size(), 1u);

    pResult->MakeDetailErrorInfo(); // the map was consumed: the next lists are empty
    EXPECT_TRUE(pResult->getFileList().empty());
    EXPECT_TRUE(pResult->getDetailErrorInfoList().empty());
}

TEST_F(ValidResultGIR, ClearResultRemovesOneFileOrAll)
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    pResult->SetResult("01_FilingInfo.csv", HE60001E, 1, 1, -1);
    pResult->SetResult("02_GeneralSection.csv", HE60001E, 1, 1, -1);
    pResult->ClearResult("01_FilingInfo.csv");
    pResult->ClearResult("not_there.csv");
    pResult->MakeDetailErrorInfo();
    EXPECT_EQ(pResult->getFileList(), (std::vector<std::string>{"02_GeneralSection.csv"}));

    pResult->SetResult("02_GeneralSection.csv", HE60001E, 1, 1, -1);
    pResult->ClearResultAll();
    pResult->MakeDetailErrorInfo();
    EXPECT_TRUE(pResult->getFileList().empty());
}

TEST_F(ValidResultGIR, MakeResultCapsTheCopyAndClearsNothing)
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    std::vector<_ResultTable> vecRows;
    for (long long line = 100001; line >= 1; --line)
        vecRows.push_back({line, 1, -1, HE60001E});
    const std::vector<std::string> vecEntries = SplitEntries(pResult->MakeResult("03_Summary_1.csv", vecRows));
    ASSERT_EQ(vecEntries.size(), 100000u);
    EXPECT_EQ(vecEntries[0], "00000001-00001-HE60001E");
    EXPECT_EQ(vecEntries[99998], "00099999-00001-HE60001E");
    EXPECT_EQ(vecEntries[99999], "00000000-00000-HE60022E");

    vecRows.pop_back(); // 100000 rows: no cap
    const std::vector<std::string> vecUncapped = SplitEntries(pResult->MakeResult("03_Summary_1.csv", vecRows));
    ASSERT_EQ(vecUncapped.size(), 100000u);
    EXPECT_EQ(vecUncapped[99999], "00100001-00001-HE60001E");

    EXPECT_EQ(pResult->MakeResult("x.csv", {}), "");
}
