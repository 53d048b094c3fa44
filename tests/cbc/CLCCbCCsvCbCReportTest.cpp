#include "cbc/CLCCbCCsvCbCReport.h"

#include "cbc/CLCCsvTestSupport.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using csvtest::ErrorText;
using csvtest::Filled;
using csvtest::Line;
using csvtest::Repeat;

const std::string kMessageRefId = "JP2023JP1234567890123ABC";

// A CbC report CSV that passes every check under every definition; rows are
// numbered 1 (message header), 2 (reporting entity), 3 and 4 (summaries JP, US),
// 5 and 6 (constituent entities JP, US), 7 (additional info).
struct CbCFile {
    std::vector<std::vector<std::string>> rows;

    static CbCFile Valid()
    {
        CbCFile f;
        f.rows.push_back({"1", "2.0", "JP/US", "JP", kMessageRefId, "CBC401", "2023-12-31", "JPY"});
        std::vector<std::string> re = Filled("2", 12);
        re[1] = "OECD1"; re[2] = kMessageRefId + "RE1"; re[3] = ""; re[11] = "2023-12-31";
        f.rows.push_back(re);
        for (const char* szCountry : {"JP", "US"}) {
            std::vector<std::string> s = Filled("3", 15);
            s[1] = "OECD1"; s[2] = kMessageRefId + "S" + szCountry; s[3] = ""; s[4] = szCountry;
            f.rows.push_back(s);
        }
        for (const char* szCountry : {"JP", "US"}) {
            std::vector<std::string> c = Filled("4", 11);
            c[1] = szCountry;
            f.rows.push_back(c);
        }
        f.rows.push_back({"5", "OECD1", kMessageRefId + "A1", "", "x", "x", "x"});
        return f;
    }
    // Row and column are 1-based, as in error rows.
    CbCFile& Set(size_t nRow, size_t nColumn, const std::string& strValue)
    {
        rows[nRow - 1][nColumn - 1] = strValue;
        return *this;
    }
    std::string Bytes() const
    {
        std::string strText;
        for (const auto& row : rows)
            strText += Line(row);
        return strText;
    }
};

class CbCReportCsv : public csvtest::CsvTest {
protected:
    bool Read(CLCCbCCsvCbCReport& csv, unsigned short usId, const std::string& strBytes)
    {
        csv.SetDefinitionId(usId);
        return csv.ReadFile(m_folder.Write("cbc.csv", strBytes).c_str());
    }
};

// ---- layout, order and counts ----------------------------------------------

struct SLayoutCase {
    const char* szName;
    std::string strBytes;
    // Expected text under 205, 206, 208 and 209 ("" passes).
    std::string strText[4];
};

class CbCReportLayout : public CbCReportCsv, public ::testing::WithParamInterface<SLayoutCase> {};

TEST_P(CbCReportLayout, GivesOneRowAtZeroZero)
{
    const SLayoutCase& c = GetParam();
    const unsigned short ids[4] = {205, 206, 208, 209};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(ids[i]);
        CLCCbCCsvCbCReport csv;
        EXPECT_EQ(Read(csv, ids[i], c.strBytes), c.strText[i].empty());
        EXPECT_EQ(ErrorText(), c.strText[i]);
    }
}

const std::string kSpec = Line(Filled("1", 8));
const std::string kEntity = Line(Filled("2", 12));
const std::string kSummary = Line(Filled("3", 15));
const std::string kConst = Line(Filled("4", 11));
const std::string kInfo = Line(Filled("5", 7));
const std::string kFormat = "0000-00000-HE60012E";

INSTANTIATE_TEST_SUITE_P(
    Cases, CbCReportLayout,
    ::testing::Values(
        SLayoutCase{"allKindsInOrder", kSpec + kEntity + kSummary + kSummary + kConst + kInfo, {"", "", "", ""}},
        SLayoutCase{"entityOf11Columns", kSpec + Line(Filled("2", 11)), {"", "", kFormat, kFormat}},
        SLayoutCase{"entityOf9Columns", kSpec + Line(Filled("2", 9)), {"", "", kFormat, kFormat}},
        SLayoutCase{"entityOf8Columns", kSpec + Line(Filled("2", 8)), {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"entityOf16Columns", kSpec + Line(Filled("2", 16)), {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"constOf10Columns", kSpec + kEntity + Line(Filled("4", 10)), {"", "", kFormat, kFormat}},
        SLayoutCase{"summaryOf14Columns", kSpec + kEntity + Line(Filled("3", 14)), {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"specOf7Columns", Line(Filled("1", 7)), {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"infoOf7Columns", kSpec + kEntity + Line(Filled("5", 7)), {"", "", "", ""}},
        SLayoutCase{"infoOf6Columns", kSpec + kEntity + Line(Filled("5", 6)), {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"unknownKind", kSpec + kEntity + Line(Filled("6", 10)), {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"kindWithBlank", kSpec + kEntity + Line(Filled(" 3", 15)), {"", "", "", ""}},
        SLayoutCase{"emptyKind", kSpec + kEntity + Line(Filled("", 10)), {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"singleNonEmptyColumn", kSpec + kEntity + "3\r\n", {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"kindsOutOfOrder", kSpec + kSummary + kEntity, {kFormat, kFormat, kFormat, kFormat}},
        SLayoutCase{"blankLinesOnly", "\r\n  \r\n\r\n", {"0000-00000-HE60013E", "0000-00000-HE60013E",
                                                          "0000-00000-HE60013E", "0000-00000-HE60013E"}},
        SLayoutCase{"noMessageSpec", kEntity, {"0000-00000-HE60024E", "0000-00000-HE60024E",
                                               "0000-00000-HE60024E", "0000-00000-HE60024E"}},
        SLayoutCase{"twoMessageSpecs", kSpec + kSpec + kEntity, {"0000-00000-HE60024E", "0000-00000-HE60024E",
                                                                 "0000-00000-HE60024E", "0000-00000-HE60024E"}},
        SLayoutCase{"noReportingEntity", kSpec + kSummary, {"", "", "0000-00000-HE60039E", "0000-00000-HE60039E"}},
        SLayoutCase{"twoReportingEntities", kSpec + kEntity + kEntity,
                    {"0000-00000-HE60025E", "0000-00000-HE60025E", "0000-00000-HE60039E", "0000-00000-HE60039E"}},
        SLayoutCase{"countBeforeOrder", kSpec + kSpec + kSummary + kEntity,
                    {"0000-00000-HE60024E", "0000-00000-HE60024E", "0000-00000-HE60024E", "0000-00000-HE60024E"}}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(CbCReportCsv, LayoutErrorStopsReadingAtTheRecord)
{
    CLCCbCCsvCbCReport csv;
    EXPECT_FALSE(Read(csv, 209, kSpec + kEntity + Line(Filled("3", 14)) + "x\r\n" + kSummary));
    EXPECT_EQ(ErrorText(), kFormat);
    EXPECT_EQ(csv.GetRecordCount(), 2u);
}

struct SCountCase {
    const char* szName;
    std::string strLine;
    size_t nAllowed;
    const char* szText;
};

class CbCReportCount : public CbCReportCsv, public ::testing::WithParamInterface<SCountCase> {};

TEST_P(CbCReportCount, AcceptsTheLimitAndRefusesOneMore)
{
    const SCountCase& c = GetParam();
    for (unsigned short usId : {205, 209}) {
        SCOPED_TRACE(usId);
        CLCCbCCsvCbCReport atLimit;
        EXPECT_TRUE(Read(atLimit, usId, kSpec + kEntity + Repeat(c.strLine, c.nAllowed)));
        EXPECT_EQ(ErrorText(), "");
        CLCCbCCsvCbCReport overLimit;
        EXPECT_FALSE(Read(overLimit, usId, kSpec + kEntity + Repeat(c.strLine, c.nAllowed + 1)));
        EXPECT_EQ(ErrorText(), c.szText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, CbCReportCount,
    ::testing::Values(SCountCase{"summaries", kSummary, 300, "0000-00000-HE60026E"},
                      SCountCase{"constituentEntities", kConst, 5000, "0000-00000-HE60027E"},
                      SCountCase{"additionalInfo", kInfo, 300, "0000-00000-HE60028E"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(CbCReportCsv, DistributesRecordsIntoSectionsByKind)
{
    CLCCbCCsvCbCReport csv;
    ASSERT_TRUE(Read(csv, 209, "\r\n" + CbCFile::Valid().Bytes()));
    for (long r = 0; r < static_cast<long>(csv.GetRecordCount()); ++r)
        ASSERT_TRUE(csv.DistributeRecord(r));
    EXPECT_EQ(csv.GetCbCMessageSpec()->GetRecordCount(), 1);
    EXPECT_EQ(csv.GetCbCReportingEntity()->GetRecordCount(), 1);
    EXPECT_EQ(csv.GetCbCReportsSummary()->GetRecordCount(), 2);
    EXPECT_EQ(csv.GetCbCReportsConstEntities()->GetRecordCount(), 2);
    EXPECT_EQ(csv.GetCbCAdditionalInfo()->GetRecordCount(), 1);
    EXPECT_STREQ(csv.GetCbCReportsSummary()->GetColumnValue(1, 4), "US");
    EXPECT_EQ(csv.GetCbCReportsSummary()->GetLineNo(1), 4);   // the blank first line is not counted
    EXPECT_EQ(csv.GetCbCReportsSummary()->GetColumnValue(2, 0), nullptr);
    EXPECT_STREQ(csv.GetColumnValue(6, 2), (kMessageRefId + "A1").c_str());
    EXPECT_EQ(csv.GetColumnValue(7, 0), nullptr);
    EXPECT_STREQ(csv.GetColumnValue("MessageType", 5, 1), "2.0");
    EXPECT_EQ(csv.GetColumnValue("Other", 0, 1), nullptr);
    EXPECT_FALSE(csv.DistributeRecord(7));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");
}

// ---- cross-record checks -----------------------------------------------------

using Check = CLCCbCMessage_t (CLCCbCCsvCbCReport::*)();

struct SCrossCase {
    const char* szName;
    unsigned short usId;
    std::function<void(CbCFile&)> fnChange;
    Check check;
    CLCCbCMessage_t expected;
    std::string strText;
};

class CbCReportCrossCheck : public CbCReportCsv, public ::testing::WithParamInterface<SCrossCase> {};

TEST_P(CbCReportCrossCheck, ReportsEveryOffendingRecord)
{
    const SCrossCase& c = GetParam();
    CbCFile file = CbCFile::Valid();
    c.fnChange(file);
    CLCCbCCsvCbCReport csv;
    ASSERT_TRUE(Read(csv, c.usId, file.Bytes())) << ErrorText();
    for (long r = 0; r < static_cast<long>(csv.GetRecordCount()); ++r)
        ASSERT_TRUE(csv.DistributeRecord(r));
    EXPECT_EQ((csv.*c.check)(), c.expected);
    EXPECT_EQ(ErrorText(), c.strText);
}

using R = CLCCbCCsvCbCReport;
const std::string kYear2022 = "JP2022JP1234567890123ABC";

INSTANTIATE_TEST_SUITE_P(
    Cases, CbCReportCrossCheck,
    ::testing::Values(
        // 1
        SCrossCase{"entityDocRefIdNotFromMessage", 205, [](CbCFile& f) { f.Set(2, 3, "JP2023X"); },
                   &R::ReportingEntityDocRefIdCheck, HE60009E, "0002-00003-HE60009E"},
        SCrossCase{"entityDocRefIdShorterThanMessage", 209, [](CbCFile& f) { f.Set(2, 3, "JP2023JP1234567890123AB"); },
                   &R::ReportingEntityDocRefIdCheck, HE60009E, "0002-00003-HE60009E"},
        SCrossCase{"entityDocRefIdEqualToMessage", 209, [](CbCFile& f) { f.Set(2, 3, kMessageRefId); },
                   &R::ReportingEntityDocRefIdCheck, CBC_MSG_NONE, ""},
        SCrossCase{"entityOECD0SkipsDocRefId", 205, [](CbCFile& f) { f.Set(2, 2, "OECD0").Set(2, 3, "other"); },
                   &R::ReportingEntityDocRefIdCheck, CBC_MSG_NONE, ""},
        SCrossCase{"noEntitySkipsDocRefId", 205, [](CbCFile& f) { f.rows.erase(f.rows.begin() + 1); },
                   &R::ReportingEntityDocRefIdCheck, CBC_MSG_NONE, ""},
        // 2
        SCrossCase{"entityOECD0First19Differ", 209,
                   [](CbCFile& f) { f.Set(2, 2, "OECD0").Set(2, 3, "JP2023JP1234567890X"); },
                   &R::ReportingEntityMessageRefIdCheck, HE60009E, "0002-00003-HE60009E"},
        SCrossCase{"entityOECD0First19Match", 209,
                   [](CbCFile& f) { f.Set(2, 2, "OECD0").Set(2, 3, "JP2023JP12345678901ZZZ"); },
                   &R::ReportingEntityMessageRefIdCheck, CBC_MSG_NONE, ""},
        SCrossCase{"entityOECD1NotLookedAtBy19", 209, [](CbCFile& f) { f.Set(2, 3, "other"); },
                   &R::ReportingEntityMessageRefIdCheck, CBC_MSG_NONE, ""},
        // 3, 4
        SCrossCase{"summaryDocRefIds", 205, [](CbCFile& f) { f.Set(3, 3, "A").Set(4, 3, "B"); },
                   &R::ReportsSummaryDocRefIdCheck, HE60009E, "0003-00003-HE60009E,0004-00003-HE60009E"},
        SCrossCase{"additionalInfoDocRefId", 209, [](CbCFile& f) { f.Set(7, 3, ""); },
                   &R::AdditionalInfoDocRefIdCheck, HE60009E, "0007-00003-HE60009E"},
        // 5
        SCrossCase{"emptyCurrencyWithSummaries", 205, [](CbCFile& f) { f.Set(1, 8, ""); },
                   &R::MessageSpecCurrencyCheck, HE60001E, "0001-00008-HE60001E"},
        SCrossCase{"emptyCurrencyWithoutSummaries", 205,
                   [](CbCFile& f) { f.Set(1, 8, ""); f.rows.erase(f.rows.begin() + 2, f.rows.begin() + 4); },
                   &R::MessageSpecCurrencyCheck, CBC_MSG_NONE, ""},
        // 6, 7
        SCrossCase{"summaryCountryWithoutEntity", 205, [](CbCFile& f) { f.Set(6, 2, "DE"); },
                   &R::ReportsSummaryResCountryCodeCheck, HE60029E, "0004-00005-HE60029E"},
        SCrossCase{"entityCountryWithoutSummary", 205, [](CbCFile& f) { f.Set(5, 2, "DE").Set(6, 2, "FR"); },
                   &R::ReportsConstEntitiesResCountryCodeCheck, HE60030E, "0005-00002-HE60030E,0006-00002-HE60030E"},
        // 8
        SCrossCase{"receivingCountryNotInSummaries", 205, [](CbCFile& f) { f.Set(1, 3, "JP/FR/DE"); },
                   &R::MessageSpecResCountryCodeCheck, HE60031E, "0001-00003-HE60031E"},
        SCrossCase{"receivingCountryEmptyPiecesDropped", 205, [](CbCFile& f) { f.Set(1, 3, "/JP//US/"); },
                   &R::MessageSpecResCountryCodeCheck, CBC_MSG_NONE, ""},
        SCrossCase{"receivingCountryX5AndXXUnder209", 209,
                   [](CbCFile& f) { f.Set(1, 3, "X5/XX"); f.rows.erase(f.rows.begin() + 2, f.rows.begin() + 4); },
                   &R::MessageSpecResCountryCodeCheck, CBC_MSG_NONE, ""},
        SCrossCase{"receivingCountryXXUnder205", 205,
                   [](CbCFile& f) { f.Set(1, 3, "X5/XX"); f.rows.erase(f.rows.begin() + 2, f.rows.begin() + 4); },
                   &R::MessageSpecResCountryCodeCheck, HE60031E, "0001-00003-HE60031E"},
        SCrossCase{"receivingCountryNotCheckedForCBC402", 205, [](CbCFile& f) { f.Set(1, 3, "FR").Set(1, 6, "CBC402"); },
                   &R::MessageSpecResCountryCodeCheck, CBC_MSG_NONE, ""},
        // 9
        SCrossCase{"summaryCountryTwice", 205, [](CbCFile& f) { f.Set(4, 5, "JP"); },
                   &R::ResCountryCodeOverlapCheck, HE60032E, "0003-00005-HE60032E,0004-00005-HE60032E"},
        SCrossCase{"summaryCountryThreeTimes", 209, [](CbCFile& f) {
                       f.Set(4, 5, "JP");
                       const std::vector<std::string> copy = f.rows[2];
                       f.rows.insert(f.rows.begin() + 4, copy);
                   },
                   &R::ResCountryCodeOverlapCheck, HE60032E,
                   "0003-00005-HE60032E,0004-00005-HE60032E,0005-00005-HE60032E"},
        SCrossCase{"emptySummaryCountriesAreValues", 205, [](CbCFile& f) { f.Set(3, 5, "").Set(4, 5, ""); },
                   &R::ResCountryCodeOverlapCheck, HE60032E, "0003-00005-HE60032E,0004-00005-HE60032E"},
        // 10
        SCrossCase{"summaryCountryNotReceiving", 205, [](CbCFile& f) { f.Set(1, 3, "JP").Set(1, 6, "CBC402"); },
                   &R::ReportsSummaryResCountryCodeCheck2, HE60031E, "0004-00005-HE60031E"},
        SCrossCase{"summaryCountryX5AlwaysPasses", 205, [](CbCFile& f) { f.Set(1, 3, "JP").Set(4, 5, "X5"); },
                   &R::ReportsSummaryResCountryCodeCheck2, CBC_MSG_NONE, ""},
        SCrossCase{"summaryCountryXXPassesUnder209", 209, [](CbCFile& f) { f.Set(1, 3, "JP").Set(4, 5, "XX"); },
                   &R::ReportsSummaryResCountryCodeCheck2, CBC_MSG_NONE, ""},
        SCrossCase{"summaryCountryXXFailsUnder205", 205, [](CbCFile& f) { f.Set(1, 3, "JP").Set(4, 5, "XX"); },
                   &R::ReportsSummaryResCountryCodeCheck2, HE60031E, "0004-00005-HE60031E"},
        // 11
        SCrossCase{"docRefIdAcrossSections", 205, [](CbCFile& f) { f.Set(4, 3, f.rows[1][2]).Set(7, 3, f.rows[1][2]); },
                   &R::DocRefIdOverlapCheck, HE60033E,
                   "0002-00003-HE60033E,0004-00003-HE60033E,0007-00003-HE60033E"},
        SCrossCase{"emptyDocRefIdsNeverDuplicate", 205, [](CbCFile& f) { f.Set(2, 3, "").Set(3, 3, ""); },
                   &R::DocRefIdOverlapCheck, CBC_MSG_NONE, ""},
        // 12
        SCrossCase{"corrDocRefIdAcrossSections", 209, [](CbCFile& f) { f.Set(3, 4, "C1").Set(7, 4, "C1"); },
                   &R::CorrDocRefIdOverlapCheck, HE60034E, "0003-00004-HE60034E,0007-00004-HE60034E"},
        // 13
        SCrossCase{"entityDocTypeFor401", 209, [](CbCFile& f) { f.Set(2, 2, "OECD2"); },
                   &R::ReportingEntityMessageTypeIndicCheck, HE60037E, "0002-00002-HE60037E"},
        SCrossCase{"entityDocTypeFor402", 209, [](CbCFile& f) { f.Set(1, 6, "CBC402"); },
                   &R::ReportingEntityMessageTypeIndicCheck, HE60037E, "0002-00002-HE60037E"},
        SCrossCase{"entityOECD0For402", 209, [](CbCFile& f) { f.Set(1, 6, "CBC402").Set(2, 2, "OECD0"); },
                   &R::ReportingEntityMessageTypeIndicCheck, CBC_MSG_NONE, ""},
        SCrossCase{"otherMessageTypePasses", 209, [](CbCFile& f) { f.Set(1, 6, "CBC403").Set(2, 2, "OECD9"); },
                   &R::ReportingEntityMessageTypeIndicCheck, CBC_MSG_NONE, ""},
        // 14, 15
        SCrossCase{"summaryDocTypeFor401", 209, [](CbCFile& f) { f.Set(3, 2, "OECD0").Set(4, 2, "OECD2"); },
                   &R::ReportsSummaryMessageTypeIndicCheck, HE60037E, "0003-00002-HE60037E,0004-00002-HE60037E"},
        SCrossCase{"summaryDocTypeFor402", 209, [](CbCFile& f) { f.Set(1, 6, "CBC402").Set(3, 2, "OECD3").Set(4, 2, "OECD2"); },
                   &R::ReportsSummaryMessageTypeIndicCheck, CBC_MSG_NONE, ""},
        SCrossCase{"additionalInfoDocTypeFor402", 209, [](CbCFile& f) { f.Set(1, 6, "CBC402"); },
                   &R::AdditionalInfoMessageTypeIndicCheck, HE60037E, "0007-00002-HE60037E"},
        // 16
        SCrossCase{"yearEverywhere", 209,
                   [](CbCFile& f) {
                       f.Set(1, 7, "2022-12-31").Set(2, 4, kYear2022).Set(2, 12, "2022-12-31");
                       f.Set(3, 4, kYear2022).Set(4, 4, kMessageRefId).Set(7, 4, kYear2022);
                   },
                   &R::CbcReportYearCheck, HE60036E,
                   "0001-00007-HE60036E,0002-00004-HE60036E,0002-00012-HE60036E,0003-00004-HE60036E,"
                   "0007-00004-HE60036E"},
        SCrossCase{"yearEmptyCorrDocRefIdsSkipped", 209, [](CbCFile& f) { f.Set(2, 12, "2023"); },
                   &R::CbcReportYearCheck, CBC_MSG_NONE, ""}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(CbCReportCsv, ValidFilePassesEveryCheck)
{
    const Check checks[] = {
        &R::ReportingEntityDocRefIdCheck, &R::ReportingEntityMessageRefIdCheck, &R::ReportsSummaryDocRefIdCheck,
        &R::AdditionalInfoDocRefIdCheck, &R::MessageSpecCurrencyCheck, &R::ReportsSummaryResCountryCodeCheck,
        &R::ReportsConstEntitiesResCountryCodeCheck, &R::MessageSpecResCountryCodeCheck,
        &R::ResCountryCodeOverlapCheck, &R::ReportsSummaryResCountryCodeCheck2, &R::DocRefIdOverlapCheck,
        &R::CorrDocRefIdOverlapCheck, &R::ReportingEntityMessageTypeIndicCheck,
        &R::ReportsSummaryMessageTypeIndicCheck, &R::AdditionalInfoMessageTypeIndicCheck, &R::CbcReportYearCheck};
    for (unsigned short usId : {205, 209}) {
        CLCCbCCsvCbCReport csv;
        ASSERT_TRUE(Read(csv, usId, CbCFile::Valid().Bytes()));
        for (long r = 0; r < static_cast<long>(csv.GetRecordCount()); ++r)
            ASSERT_TRUE(csv.DistributeRecord(r));
        for (Check check : checks)
            EXPECT_EQ((csv.*check)(), CBC_MSG_NONE);
        EXPECT_EQ(ErrorText(), "");
    }
}

TEST_F(CbCReportCsv, ChecksBeforeDistributionAreFatal)
{
    // Without its sections a check cannot be carried out; it must not pass.
    CLCCbCCsvCbCReport csv;
    ASSERT_TRUE(Read(csv, 209, CbCFile::Valid().Bytes()));
    EXPECT_EQ(csv.ReportsSummaryDocRefIdCheck(), HE60000E);
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");
    EXPECT_EQ(csv.CbcReportYearCheck(), HE60000E);
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");
}

} // namespace
