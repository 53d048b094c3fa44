#include "cbc/CLCCbCDataManager.h"
#include "cbc/CLCCbCDataManagerTestUtil.h"
#include <functional>

namespace {

// A corporate number with a correct check digit, and the same with a wrong one.
constexpr const char* kHojinNo = "9234567890123";
constexpr const char* kBadHojinNo = "1234567890123";

class DataManagerInit : public DataManagerFiles {
public:
    void SetUp() override
    {
        DataManagerFiles::SetUp();
        m_strCsv = Write("in.csv", "a\r\n");
        m_strXml = Write("in.xml", "<a/>");
        m_strTxt = Write("in.txt", "a\r\n");
        Write("empty.csv", "");
        m_strOut = PathOf("out.xml");
        m_strNoDirOut = PathOf("missing/out.xml");
        m_strMissingCsv = PathOf("missing.csv");
    }

    std::string m_strCsv, m_strXml, m_strTxt, m_strOut, m_strNoDirOut, m_strMissingCsv;
};

struct SInitCase {
    const char* szName;
    std::function<bool(CLCCbCDataManager&, const DataManagerInit&)> fnInit;
    const char* szExpected;   // "" for a step that passes
};

class DataManagerInitCases : public DataManagerInit,
                             public ::testing::WithParamInterface<SInitCase> {};

TEST_P(DataManagerInitCases, ReportsEveryBadArgumentAtItsPosition)
{
    const SInitCase& c = GetParam();
    CLCCbCDataManager manager;
    LeaveStaleRow();
    const bool bPassed = c.fnInit(manager, *this);
    EXPECT_EQ(manager.GetErrorMsg(), c.szExpected);
    EXPECT_EQ(bPassed, std::string(c.szExpected).empty());
    manager.Terminate();
}

using M = CLCCbCDataManager;
using F = DataManagerInit;

INSTANTIATE_TEST_SUITE_P(Steps, DataManagerInitCases, ::testing::Values(
    SInitCase{"CheckPasses", [](M& m, const F& f) { return m.InitForCheck(f.m_strCsv.c_str()); }, ""},
    SInitCase{"CheckTrimsThePath",
              [](M& m, const F& f) { return m.InitForCheck((" \t" + f.m_strCsv + "\r\n").c_str()); }, ""},
    SInitCase{"CheckAcceptsTxt", [](M& m, const F& f) { return m.InitForCheck(f.m_strTxt.c_str()); }, ""},
    SInitCase{"CheckNull", [](M& m, const F&) { return m.InitForCheck(nullptr); }, "9999-00001-HE60001E"},
    SInitCase{"CheckMissing", [](M& m, const F& f) { return m.InitForCheck(f.m_strMissingCsv.c_str()); },
              "9999-00001-HE60004E"},
    SInitCase{"IntegrityAllBad",
              [](M& m, const F& f) {
                  return m.InitForReportIntegrityCheck(f.m_strXml.c_str(), "3", "1", "", "123", kBadHojinNo,
                                                       "12345678901a3");
              },
              "9999-00001-HE60003E,9999-00002-HE60009E,9999-00004-HE60001E,9999-00005-HE60007E,"
              "9999-00006-HE60009E,9999-00007-HE60008E"},
    SInitCase{"IntegrityNumbersOptional",
              [](M& m, const F& f) {
                  return m.InitForReportIntegrityCheck(f.m_strCsv.c_str(), "1", "2", " 1 ", "", kHojinNo, nullptr);
              },
              ""},
    SInitCase{"MakeSkipsEmptyOutput",
              [](M& m, const F& f) {
                  return m.InitForMake(f.m_strCsv.c_str(), "", std::string(31, 'x').c_str(), "  ");
              },
              "9999-00002-HE60001E,9999-00003-HE60010E"},
    SInitCase{"MakeOutputFolderMissing",
              [](M& m, const F& f) {
                  return m.InitForMake(f.m_strCsv.c_str(), "soft", "作成者", f.m_strNoDirOut.c_str());
              },
              "9999-00004-HE60019E"},
    SInitCase{"MakeRefusesHalfwidthKatakana",
              [](M& m, const F& f) {
                  return m.InitForMake(f.m_strCsv.c_str(), "\xEF\xBD\xB6", "name", f.m_strOut.c_str());
              },
              "9999-00002-HE60011E"},
    SInitCase{"CbCIntegrityBadNumber",
              [](M& m, const F& f) { return m.InitForCbCReportIntegrityCheck(f.m_strCsv.c_str(), kBadHojinNo); },
              "9999-00002-HE60009E"},
    SInitCase{"CbCIntegrityEmptyNumber",
              [](M& m, const F& f) { return m.InitForCbCReportIntegrityCheck(f.m_strCsv.c_str(), ""); }, ""},
    SInitCase{"Make2BothBad",
              [](M& m, const F& f) {
                  return m.InitForMake2(f.m_strMissingCsv.c_str(), f.m_strNoDirOut.c_str());
              },
              "9999-00001-HE60004E,9999-00002-HE60019E"},
    SInitCase{"Make2EmptyCsvFile",
              [](M& m, const F& f) { return m.InitForMake2(f.PathOf("empty.csv").c_str(), ""); },
              "9999-00001-HE60005E"},
    SInitCase{"Make2WithOutput",
              [](M& m, const F& f) { return m.InitForMake2(f.m_strCsv.c_str(), f.m_strOut.c_str()); }, ""},
    SInitCase{"GirAppendixBad",
              [](M& m, const F& f) { return m.InitForGIRApxTblCsvChk(f.m_strCsv.c_str(), "", "12345"); },
              "9999-00002-HE60001E,9999-00003-HE60007E"},
    SInitCase{"GirAppendixPasses",
              [](M& m, const F& f) { return m.InitForGIRApxTblCsvChk(f.m_strCsv.c_str(), "2", kHojinNo); }, ""},
    SInitCase{"XmlNoLimit", [](M& m, const F& f) { return m.InitForXml(f.m_strXml.c_str(), -1); }, ""},
    SInitCase{"XmlZeroLimit", [](M& m, const F& f) { return m.InitForXml(f.m_strXml.c_str(), 0); }, ""},
    SInitCase{"XmlLimitBelowMinusOne", [](M& m, const F& f) { return m.InitForXml(f.m_strXml.c_str(), -2); },
              "9999-00002-HE60009E"},
    SInitCase{"XmlPathAndLimitBad", [](M& m, const F& f) { return m.InitForXml(f.m_strCsv.c_str(), -2); },
              "9999-00001-HE60003E,9999-00002-HE60009E"},
    SInitCase{"XmlPathBad", [](M& m, const F& f) { return m.InitForXml(f.m_strCsv.c_str(), 100); },
              "9999-00001-HE60003E"},
    SInitCase{"CsvRefusesTxt", [](M& m, const F& f) { return m.InitForCsv(f.m_strTxt.c_str()); },
              "9999-00001-HE60003E"},
    SInitCase{"CsvPasses", [](M& m, const F& f) { return m.InitForCsv(f.m_strCsv.c_str()); }, ""},
    SInitCase{"CsvWriteNeedsNoFile",
              [](M& m, const F& f) { return m.InitForCsvWrite(f.m_strMissingCsv.c_str()); }, ""},
    SInitCase{"CsvWriteRefusesTxt", [](M& m, const F& f) { return m.InitForCsvWrite(f.m_strTxt.c_str()); },
              "9999-00001-HE60003E"},
    SInitCase{"CsvWriteEmpty", [](M& m, const F&) { return m.InitForCsvWrite(""); }, "9999-00001-HE60001E"},
    SInitCase{"FileAnyExtension", [](M& m, const F& f) { return m.InitForFile(f.m_strXml.c_str()); }, ""},
    SInitCase{"FileEmpty", [](M& m, const F& f) { return m.InitForFile(f.PathOf("empty.csv").c_str()); },
              "9999-00001-HE60005E"},
    SInitCase{"FileMissing", [](M& m, const F& f) { return m.InitForFile(f.m_strMissingCsv.c_str()); },
              "9999-00001-HE60004E"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(DataManagerInit, StoresTheTrimmedPathForLaterSteps)
{
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForCsv(("  " + m_strCsv + " ").c_str()));
    std::string strText, strSize;
    ASSERT_TRUE(manager.ReadCSVFile(strText, strSize));
    EXPECT_EQ(strText, "a\r\n");
    EXPECT_EQ(strSize, "3");
}

TEST_F(DataManagerInit, TerminateStartsTheNextCallAfresh)
{
    CLCCbCDataManager manager;
    EXPECT_FALSE(manager.InitForCheck(""));
    manager.Terminate();
    EXPECT_EQ(CLCValidResult::instance()->MakeResult(), "");
}

TEST_F(DataManagerInit, OutputFileConvDataWritesTheText)
{
    CLCCbCDataManager manager;
    const std::string strXml = "<a>\xE6\xB3\x95</a>";
    ASSERT_TRUE(manager.OutputFileConvData(m_strOut.c_str(), strXml.c_str()));
    EXPECT_EQ(Read(m_strOut), strXml);
    EXPECT_EQ(manager.GetErrorMsg(), "");
}

TEST_F(DataManagerInit, OutputFileConvDataRefusesEmptyText)
{
    CLCCbCDataManager manager;
    EXPECT_FALSE(manager.OutputFileConvData(m_strOut.c_str(), ""));
    EXPECT_FALSE(manager.OutputFileConvData(m_strOut.c_str(), nullptr));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60000E");
    EXPECT_FALSE(std::filesystem::exists(m_strOut));
}

TEST_F(DataManagerInit, OutputFileConvDataFailureKeepsWhatIsThere)
{
    // A folder stands where the file should go: the write cannot replace it.
    const std::filesystem::path dir = m_dir / "taken.xml";
    std::filesystem::create_directory(dir);
    Write("taken.xml/keep.txt", "keep");
    CLCCbCDataManager manager;
    EXPECT_FALSE(manager.OutputFileConvData(dir.string().c_str(), "<a/>"));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60020E");
    EXPECT_EQ(Read(PathOf("taken.xml/keep.txt")), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 5);
}

TEST_F(DataManagerInit, OutputFileConvDataFailureKeepsTheOldFile)
{
    const std::string strOld = Write("old.xml", "<old/>");
    CLCCbCDataManager manager;
    // Not UTF-8: the write fails before the old file is touched.
    EXPECT_FALSE(manager.OutputFileConvData(strOld.c_str(), "<a>\xFF</a>"));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60020E");
    EXPECT_EQ(Read(strOld), "<old/>");
}

} // namespace
