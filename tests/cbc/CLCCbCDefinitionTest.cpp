// The appendix tables AIA120 and AIA540 end to end: the data manager's check,
// integrity and conversion steps on real CSV files and the shipped definitions.
#include "cbc/CLCCbCDefinition.h"
#include "EngineTestSupport.h"

#include <sys/stat.h>

namespace {

using namespace enginetest;

// An AIA120 record: three section flags, the business flag, then name,
// address, the company's own representative (empty when column 4 is "1"),
// the representative name and the corporate number.
std::vector<std::string> Aia120(const std::string& strFlags, const std::string& strName,
                                const std::string& strHojinNo = kHojinNo)
{
    return {strFlags.substr(0, 1), strFlags.substr(2, 1), strFlags.substr(4, 1), "1", strName, kSjisTokyo, "",
            kSjisDaihyo, strHojinNo};
}

// The page start tag with the date normalised.
std::string Page(const char* szReport, int nPage)
{
    const std::string strPage = std::to_string(nPage);
    return std::string("<") + szReport + " VR=\"1.0\" id=\"" + szReport + "-" + strPage + "\" page=\"" + strPage +
           "\" sakuseiDay=\"D\" sakuseiNM=\"作成&amp;者\" softNM=\"soft&lt;1&gt;\">";
}

std::string Kubun(const char* szId, const std::string& strValue)
{
    return std::string("<") + szId + "><kubun_CD>" + strValue + "</kubun_CD></" + szId + ">";
}

std::string Flags(const std::string& strFlags)
{
    return "<HQA00000>" + Kubun("HQA00010", strFlags.substr(0, 1)) + Kubun("HQA00020", strFlags.substr(2, 1)) +
           Kubun("HQA00030", strFlags.substr(4, 1)) + "</HQA00000>";
}

std::string Body(const std::string& strName, const std::string& strHojinNo = kHojinNo)
{
    return "<HQB00000>" + Kubun("HQB00010", "1") + "<HQB00020>" + strName + "</HQB00020><HQB00030>" + kUtf8Tokyo +
           "</HQB00030><HQB00050>" + kUtf8Daihyo + "</HQB00050><HQB00060><gen:hojinbango>" + strHojinNo +
           "</gen:hojinbango></HQB00060></HQB00000>";
}

class EngineAppendix : public EngineTest {
protected:
    EngineAppendix() : EngineTest(CLCCbCCommon::EXEC_MODE_APPENDIX_TABLE) {}

    SRun Check(const std::string& strCsv)
    {
        CLCCbCDataManager manager;
        const bool bPassed = manager.InitForCheck(WriteCsv(strCsv).c_str()) &&
                             manager.LoadCsvWithDefinition("AIA120", 203, true) && manager.ValidateCsv();
        return Finish(manager, bPassed);
    }

    SRun Integrity(const std::string& strCsv, const char* szFlag1, const char* szFlag2, const char* szFlag3,
                   const char* szNo1 = "", const char* szNo2 = "", const char* szNo3 = "")
    {
        CLCCbCDataManager manager;
        const bool bPassed =
            manager.InitForReportIntegrityCheck(WriteCsv(strCsv).c_str(), szFlag1, szFlag2, szFlag3, szNo1, szNo2,
                                                szNo3) &&
            manager.LoadCsvWithDefinition("AIA120", 203, true) && manager.ValidateCsv() &&
            manager.ReportIntegrityCheck();
        return Finish(manager, bPassed);
    }

    SRun Convert(const std::string& strCsv, const std::string& strOutput = std::string())
    {
        CLCCbCDataManager manager;
        std::string strXml;
        const bool bPassed =
            manager.InitForMake(WriteCsv(strCsv).c_str(), "soft<1>", "作成&者", strOutput.c_str()) &&
            manager.LoadCsvWithDefinition("AIA120", 204, false) && manager.MakeData(strXml);
        return Finish(manager, bPassed, NormaliseDates(strXml));
    }
};

TEST_F(EngineAppendix, CleanRecordChecksCleanAndConvertsToOnePage)
{
    const std::string strCsv = Line(Aia120("1,1,1", kSjisTesuto));
    const SRun check = Check(strCsv);
    EXPECT_TRUE(check.bPassed);
    EXPECT_EQ(check.strErrors, "");

    const SRun run = Convert(strCsv);
    EXPECT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(run.strXml, Page("AIA120", 1) + Flags("1,1,1") + Body(kUtf8Tesuto) + "</AIA120>");
}

TEST_F(EngineAppendix, ConversionWritesTheOutputFileAndHandsTheTextBack)
{
    const std::string strOutput = PathOf("out.xml");
    const SRun run = Convert(Line(Aia120("1,1,1", kSjisTesuto)), strOutput);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(NormaliseDates(ReadBytes(strOutput)), run.strXml);
}

TEST_F(EngineAppendix, MixedFlagsSplitIntoReportsWithPatternsAndRunningPageNumbers)
{
    // Record 1 is in the final parent company and the country report, record
    // 2 only in the country report: two reports, each written under its
    // section's pattern whatever the record's own flags say.
    const SRun run = Convert(Line(Aia120("1,1,2", "A")) + Line(Aia120("2,1,2", "B", kHojinNo2)));
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(run.strXml, Page("AIA120", 1) + Flags("1,2,2") + Body("A") + "</AIA120>" + Page("AIA120", 2) +
                              Flags("2,1,2") + Body("A") + Body("B", kHojinNo2) + "</AIA120>");
}

TEST_F(EngineAppendix, ThreeSectionsGiveThreeReports)
{
    const SRun run = Convert(Line(Aia120("1,2,2", "A")) + Line(Aia120("2,1,2", "B")) + Line(Aia120("2,2,1", "C")));
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(run.strXml, Page("AIA120", 1) + Flags("1,2,2") + Body("A") + "</AIA120>" + Page("AIA120", 2) +
                              Flags("2,1,2") + Body("B") + "</AIA120>" + Page("AIA120", 3) + Flags("2,2,1") +
                              Body("C") + "</AIA120>");
}

TEST_F(EngineAppendix, RecordsInCountryAndOverviewOnlyGiveOneReportWithTheirOwnFlags)
{
    const SRun run = Convert(Line(Aia120("2,1,1", "A")) + Line(Aia120("2,1,1", "B")));
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(run.strXml, Page("AIA120", 1) + Flags("2,1,1") + Body("A") + Body("B") + "</AIA120>");
}

std::string Names(int nCount)
{
    std::string strCsv;
    for (int i = 1; i <= nCount; ++i)
        strCsv += Line(Aia120("1,1,1", "N" + std::to_string(i)));
    return strCsv;
}

TEST_F(EngineAppendix, FifteenRecordsFillOnePage)
{
    const SRun run = Convert(Names(15));
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    std::string strExpected = Page("AIA120", 1) + Flags("1,1,1");
    for (int i = 1; i <= 15; ++i)
        strExpected += Body("N" + std::to_string(i));
    EXPECT_EQ(run.strXml, strExpected + "</AIA120>");
}

TEST_F(EngineAppendix, SixteenthRecordOpensPageTwoWithTheFlagGroupAgain)
{
    const SRun run = Convert(Names(16));
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    std::string strExpected = Page("AIA120", 1) + Flags("1,1,1");
    for (int i = 1; i <= 15; ++i)
        strExpected += Body("N" + std::to_string(i));
    strExpected += "</AIA120>" + Page("AIA120", 2) + Flags("1,1,1") + Body("N16") + "</AIA120>";
    EXPECT_EQ(run.strXml, strExpected);
}

TEST_F(EngineAppendix, DuplicateCorporateNumbersAreReportedEvenAfterRuleErrors)
{
    std::vector<std::string> bad = Aia120("1,1,1", "");   // HE60001E in column 5
    const SRun run = Check(Line(Aia120("1,1,1", "A")) + Line(bad) + Line(Aia120("1,1,1", "C")) +
                           Line(Aia120("1,1,1", "D", kHojinNo2)) + Line(Aia120("1,1,1", "E", "")));
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, "0001-00009-HE60015E,0002-00005-HE60001E,0002-00009-HE60015E,0003-00009-HE60015E");
}

struct SRuleCase {
    const char* szName;
    std::vector<std::string> record;
    const char* szExpected;
};

class EngineAppendixRules : public EngineAppendix, public ::testing::WithParamInterface<SRuleCase> {};

TEST_P(EngineAppendixRules, ReportsTheFirstFailingRuleOfEachItem)
{
    const SRuleCase& c = GetParam();
    const SRun run = Check(Line(Aia120("1,1,1", "A", kHojinNo2)) + Line(c.record));
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, c.szExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Items, EngineAppendixRules,
    ::testing::Values(
        SRuleCase{"FlagNotInList", {"3", "1", "1", "1", "A", "B", "", "C", kHojinNo}, "0002-00001-HE60009E"},
        SRuleCase{"NoSectionChosen", {"2", "2", "2", "1", "A", "B", "", "C", kHojinNo}, "0002-01:03-HE60009E"},
        SRuleCase{"OwnRepresentativeGiven", {"1", "1", "1", "1", "A", "B", "X", "C", kHojinNo},
                  "0002-00007-HE60002E"},
        SRuleCase{"RepresentativeMissing", {"1", "1", "1", "2", "A", "B", "", "C", kHojinNo}, "0002-00007-HE60001E"},
        SRuleCase{"BadCheckDigit", {"1", "1", "1", "1", "A", "B", "", "C", "1234567890123"}, "0002-00009-HE60009E"},
        SRuleCase{"TwoItemsFail", {"1", "1", "1", "1", "", "B", "", std::string(31, 'x'), kHojinNo},
                  "0002-00005-HE60001E,0002-00008-HE60010E"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(EngineAppendix, IntegrityReportsMissingUnwantedAndExcludedRecords)
{
    // Only final-parent-company records: the country report and the business
    // overview are missing although offered.
    const std::string strCsv = Line(Aia120("1,2,2", "A")) + Line(Aia120("1,2,2", "B", kHojinNo2));
    EXPECT_EQ(Integrity(strCsv, "1", "1", "1").strErrors, "0000-00002-HE60016E,0000-00003-HE60016E");
    EXPECT_EQ(Integrity(strCsv, "2", "2", "2").strErrors, "0001-00001-HE60017E,0002-00001-HE60017E");
    EXPECT_EQ(Integrity(strCsv, "1", "2", "2", kHojinNo2).strErrors, "0002-00009-HE60018E");
    const SRun clean = Integrity(strCsv, "1", "2", "2", "", kHojinNo2, kHojinNo);
    EXPECT_TRUE(clean.bPassed);
    EXPECT_EQ(clean.strErrors, "");
}

TEST_F(EngineAppendix, NumbersOfOtherSectionsAreNotExcluded)
{
    // The second number only concerns the country report.
    const std::string strCsv = Line(Aia120("1,2,2", "A")) + Line(Aia120("2,1,2", "B", kHojinNo2));
    EXPECT_EQ(Integrity(strCsv, "1", "1", "2", "", kHojinNo).strErrors, "");
    EXPECT_EQ(Integrity(strCsv, "1", "1", "2", "", kHojinNo2).strErrors, "0002-00009-HE60018E");
}

TEST_F(EngineAppendix, ChildBeforeParentFailsToLoadWithTheFatalRow)
{
    const std::string strParent = "\t\t<item id=\"HQB00000\" parent=\"AIA120\" type=\"Normal\" repeat=\"15\"></item>\n";
    const std::string strChild = "\t\t<item id=\"HQB00010\" parent=\"HQB00000\" column=\"4\" type=\"Kubun\"></item>\n";
    UseDefinition("CbCDataConvDefine.xml", {{strParent + strChild, strChild + strParent}});
    const SRun run = Convert(Line(Aia120("1,1,1", "A")));
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, "0000-00000-HE60000E");
    EXPECT_EQ(run.strXml, "");
}

TEST_F(EngineAppendix, MissingDefinitionIsTheFatalRowAlone)
{
    UseNoDefinitions();
    EXPECT_EQ(Check(Line(Aia120("1,1,1", "A"))).strErrors, "0000-00000-HE60000E");
    EXPECT_EQ(Convert(Line(Aia120("1,1,1", "A"))).strErrors, "0000-00000-HE60000E");
}

TEST_F(EngineAppendix, UnknownNodeTypeFailsToLoad)
{
    UseDefinition("CbCValidateDefine.xml", {{"type=\"Bango\"", "type=\"Timestamp\""}});
    EXPECT_EQ(Check(Line(Aia120("1,1,1", "A"))).strErrors, "0000-00000-HE60000E");
}

TEST_F(EngineAppendix, WriterThatGivesUpWithoutARowStillLeavesTheFatalRow)
{
    // A column no record has: the value is unavailable and the document is
    // abandoned; the caller still learns that the conversion failed.
    UseDefinition("CbCDataConvDefine.xml", {{"column=\"8\"", "column=\"12\""}});
    const SRun run = Convert(Line(Aia120("1,1,1", "A")));
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, "0000-00000-HE60000E");
    EXPECT_EQ(run.strXml, "");
}

TEST_F(EngineAppendix, TagsAreNeverCutWhateverTheirLength)
{
    const std::string strLongId(300, 'Q');
    UseDefinition("CbCDataConvDefine.xml", {{"id=\"HQB00020\"", "id=\"" + strLongId + "\""}});
    const std::string strName(600, 'n');
    const SRun run = Convert(Line(Aia120("1,1,1", strName)));
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_NE(run.strXml.find("<" + strLongId + ">" + strName + "</" + strLongId + ">"), std::string::npos);
}

TEST_F(EngineAppendix, ValuesAreEscaped)
{
    const SRun run = Convert(Line(Aia120("1,1,1", "\"a&b<c>\"\"d\"\"\"")));
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_NE(run.strXml.find("<HQB00020>a&amp;b&lt;c&gt;&quot;d&quot;</HQB00020>"), std::string::npos);
}

TEST_F(EngineAppendix, UnwritableOutputIsHE60020E)
{
    const std::string strOutput = PathOf("out.xml");
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForMake(WriteCsv(Line(Aia120("1,1,1", "A"))).c_str(), "soft", "name",
                                    strOutput.c_str()));
    // The path passed its check; now a folder stands where the file would go.
    ASSERT_EQ(mkdir(strOutput.c_str(), 0700), 0);
    ASSERT_TRUE(manager.LoadCsvWithDefinition("AIA120", 204, false));
    std::string strXml;
    EXPECT_FALSE(manager.MakeData(strXml));
    EXPECT_EQ(strXml, "");
    EXPECT_EQ(Finish(manager, false).strErrors, "0000-00000-HE60020E");
}

TEST_F(EngineAppendix, RootOtherThanTheTablesIsFatal)
{
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForCheck(WriteCsv(Line(Aia120("1,1,1", "A"))).c_str()));
    EXPECT_FALSE(manager.LoadCsvWithDefinition("AIA540", 203, true));
    EXPECT_EQ(Finish(manager, false).strErrors, "0000-00000-HE60000E");
}

// One record whose name is a run of ampersands, which escaping makes five
// times as long, followed by some plain characters.
std::string LargeCsv(size_t nAmpersands, size_t nPlain)
{
    return Line(Aia120("1,1,1", std::string(nAmpersands, '&') + std::string(nPlain, 'x'), ""));
}

TEST_F(EngineAppendix, SizeLimitAllowsExactly19MiB)
{
    constexpr size_t kLimit = 19922944;
    // Measure a small text (its date has ten characters where "D" stands),
    // then grow the name to land exactly on the limit.
    const SRun small = Convert(LargeCsv(1, 0));
    ASSERT_TRUE(small.bPassed) << small.strErrors;
    const size_t nGrow = kLimit - (small.strXml.size() + 9);
    const SRun exact = Convert(LargeCsv(1 + nGrow / 5, nGrow % 5));
    EXPECT_TRUE(exact.bPassed) << exact.strErrors;
    EXPECT_EQ(exact.strXml.size() + 9, kLimit);

    const SRun over = Convert(LargeCsv(1 + nGrow / 5, nGrow % 5 + 1));
    EXPECT_FALSE(over.bPassed);
    EXPECT_EQ(over.strErrors, "0000-00000-HE60021E");
    EXPECT_EQ(over.strXml, "");
}

// ---- AIA540 ----

std::vector<std::string> Aia540(const std::string& strFlag, const std::string& strName,
                                const std::string& strHojinNo = kHojinNo)
{
    return {strFlag, strName, kSjisTokyo, kSjisDaihyo, strHojinNo};
}

std::string GirBody(const std::string& strName, const std::string& strHojinNo = kHojinNo)
{
    return "<HCB00000><HCB00010>" + strName + "</HCB00010><HCB00020>" + kUtf8Tokyo + "</HCB00020><HCB00030>" +
           kUtf8Daihyo + "</HCB00030><HCB00040><gen:hojinbango>" + strHojinNo +
           "</gen:hojinbango></HCB00040></HCB00000>";
}

class EngineGirAppendix : public EngineTest {
protected:
    EngineGirAppendix() : EngineTest(CLCCbCCommon::EXEC_MODE_GIR_APPENDIX_TABLE) {}

    SRun Check(const std::string& strCsv, const char* szFlag = "", const char* szHojinNo = "")
    {
        CLCCbCDataManager manager;
        const bool bPassed = manager.InitForGIRApxTblCsvChk(WriteCsv(strCsv).c_str(), szFlag, szHojinNo) &&
                             manager.LoadCsvWithGIRApxTblDef("AIA540", 214, true) &&
                             manager.ValidateGIRApxTblCsv() && manager.GIRApxTblRptIntegrityChk();
        return Finish(manager, bPassed);
    }

    SRun Convert(const std::string& strCsv)
    {
        CLCCbCDataManager manager;
        std::string strXml;
        const bool bPassed = manager.InitForMake(WriteCsv(strCsv).c_str(), "soft<1>", "作成&者", "") &&
                             manager.LoadCsvWithGIRApxTblDef("AIA540", 213, false) &&
                             manager.MakeGIRApxTblData(strXml);
        return Finish(manager, bPassed, NormaliseDates(strXml));
    }
};

TEST_F(EngineGirAppendix, CleanRecordChecksCleanAndConvertsToOnePage)
{
    const std::string strCsv = Line(Aia540("1", kSjisTesuto));
    const SRun check = Check(strCsv, "1", kHojinNo2);
    EXPECT_TRUE(check.bPassed);
    EXPECT_EQ(check.strErrors, "");

    const SRun run = Convert(strCsv);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(run.strXml, Page("AIA540", 1) + Kubun("HCA00000", "1") + GirBody(kUtf8Tesuto) + "</AIA540>");
}

TEST_F(EngineGirAppendix, FifteenAndSixteenRecords)
{
    std::string strCsv;
    std::string strBodies;
    for (int i = 1; i <= 15; ++i) {
        strCsv += Line(Aia540("2", "N" + std::to_string(i)));
        strBodies += GirBody("N" + std::to_string(i));
    }
    const SRun fifteen = Convert(strCsv);
    ASSERT_TRUE(fifteen.bPassed) << fifteen.strErrors;
    EXPECT_EQ(fifteen.strXml, Page("AIA540", 1) + Kubun("HCA00000", "2") + strBodies + "</AIA540>");

    const SRun sixteen = Convert(strCsv + Line(Aia540("1", "N16")));
    ASSERT_TRUE(sixteen.bPassed) << sixteen.strErrors;
    EXPECT_EQ(sixteen.strXml, Page("AIA540", 1) + Kubun("HCA00000", "2") + strBodies + "</AIA540>" +
                                  Page("AIA540", 2) + Kubun("HCA00000", "1") + GirBody("N16") + "</AIA540>");
}

TEST_F(EngineGirAppendix, RulesAndDuplicatesInFiveColumns)
{
    const SRun run = Check(Line(Aia540("1", "A")) + Line(Aia540("3", "B")) + Line(Aia540("1", "C", kHojinNo2)) +
                               Line(Aia540("1", "D", "123")),
                           "1");
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, "0001-00005-HE60015E,0002-00001-HE60009E,0002-00005-HE60015E,0004-00005-HE60007E");
}

TEST_F(EngineGirAppendix, IntegrityFlagsEveryOtherRecordAndExcludesTheNumber)
{
    const std::string strCsv = Line(Aia540("1", "A")) + Line(Aia540("2", "B", kHojinNo2));
    EXPECT_EQ(Check(strCsv, "1").strErrors, "0002-00001-HE60017E");
    EXPECT_EQ(Check(strCsv, "2", kHojinNo2).strErrors, "0001-00001-HE60017E,0002-00005-HE60018E");
}

TEST_F(EngineGirAppendix, IntegrityChecksOnlyThirteenCharacterNumbers)
{
    // A twelve-character number fails its argument check; the integrity step
    // itself does not compare it.
    const std::string strCsv = Line(Aia540("1", "A", "923456789012"));
    CLCCbCDataManager manager;
    EXPECT_FALSE(manager.InitForGIRApxTblCsvChk(WriteCsv(strCsv).c_str(), "1", "923456789012"));
    EXPECT_EQ(manager.GetErrorMsg(), "9999-00003-HE60007E");
    // Without rules, so that the twelve-digit record is filed and could match.
    ASSERT_TRUE(manager.LoadCsvWithGIRApxTblDef("AIA540", 214, false));
    ASSERT_TRUE(manager.ValidateGIRApxTblCsv());
    EXPECT_TRUE(manager.GIRApxTblRptIntegrityChk());
    EXPECT_EQ(Finish(manager, true).strErrors, "");
}

TEST_F(EngineGirAppendix, WrongDefinitionIdIsFatal)
{
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForMake(WriteCsv(Line(Aia540("1", "A"))).c_str(), "soft", "name", ""));
    EXPECT_FALSE(manager.LoadCsvWithGIRApxTblDef("AIA540", 204, false));
    EXPECT_EQ(Finish(manager, false).strErrors, "0000-00000-HE60000E");
}

TEST_F(EngineGirAppendix, PageRecThatIsNoNumberIsFatal)
{
    UseDefinition("CbCDataConvDefine_AIA540.xml", {{"pageRec=\"15\"", "pageRec=\"1x\""}});
    EXPECT_EQ(Convert(Line(Aia540("1", "A"))).strErrors, "0000-00000-HE60000E");
}

} // namespace
