#include "cbc/CLCCbCCsvAppendixTable.h"

#include "cbc/CLCCsvTestSupport.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using csvtest::ErrorText;
using csvtest::Line;
using csvtest::Repeat;

// One AIA120 record: three flags, five other columns, the corporate number.
std::string Record(const char* szFlags, const std::string& strHojinNo = "1234567890123")
{
    const std::string strFlags(szFlags);
    return Line({strFlags.substr(0, 1), strFlags.substr(1, 1), strFlags.substr(2, 1), "a", "b", "c", "d", "e",
                 strHojinNo});
}

class AppendixTableCsv : public csvtest::CsvTest {
protected:
    AppendixTableCsv() : csvtest::CsvTest(CLCCbCCommon::EXEC_MODE_APPENDIX_TABLE) {}

    bool Read(CLCCbCCsvAppendixTable& csv, const std::string& strBytes)
    {
        return csv.ReadFile(m_folder.Write("aia120.csv", strBytes).c_str());
    }
    bool ReadAndDistribute(CLCCbCCsvAppendixTable& csv, const std::string& strBytes)
    {
        if (!Read(csv, strBytes))
            return false;
        for (long r = 0; r < static_cast<long>(csv.GetRecordCount()); ++r) {
            if (!csv.DistributeRecord(r))
                return false;
        }
        return true;
    }
};

TEST_F(AppendixTableCsv, AcceptsNineColumnsAndBlankLines)
{
    CLCCbCCsvAppendixTable csv;
    EXPECT_TRUE(Read(csv, "\r\n" + Record("111") + "  \r\n" + Record("122")));
    EXPECT_EQ(ErrorText(), "");
    EXPECT_EQ(csv.GetRecordCount(), 2u);
}

TEST_F(AppendixTableCsv, RefusesOtherWidthsAtTheRecord)
{
    for (const std::string& strBad : {Line({"1", "1", "1", "a", "b", "c", "d", "e"}),
                                      Line({"1", "1", "1", "a", "b", "c", "d", "e", "f", "g"}), std::string("x\r\n")}) {
        CLCCbCCsvAppendixTable csv;
        EXPECT_FALSE(Read(csv, Record("111") + strBad + Record("111")));
        EXPECT_EQ(ErrorText(), "0000-00000-HE60012E");
        EXPECT_EQ(csv.GetRecordCount(), 1u);
    }
}

TEST_F(AppendixTableCsv, BoundsAreOneTo5000Records)
{
    CLCCbCCsvAppendixTable none;
    EXPECT_FALSE(Read(none, "\r\n\r\n"));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60013E");

    CLCCbCCsvAppendixTable atLimit;
    EXPECT_TRUE(Read(atLimit, Repeat(Record("111", ""), 5000)));
    EXPECT_EQ(ErrorText(), "");

    CLCCbCCsvAppendixTable overLimit;
    EXPECT_FALSE(Read(overLimit, Repeat(Record("111", ""), 5001)));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60014E");
}

TEST_F(AppendixTableCsv, DistributesByFlags)
{
    CLCCbCCsvAppendixTable csv;
    ASSERT_TRUE(ReadAndDistribute(csv, Record("112") + Record("221") + Record("111")));
    EXPECT_EQ(csv.GetCbCFinalParentCompany()->GetRecordCount(), 2);
    EXPECT_EQ(csv.GetCbCCountryReport()->GetRecordCount(), 2);
    EXPECT_EQ(csv.GetCbCBusinessOverView()->GetRecordCount(), 2);
    EXPECT_STREQ(csv.GetCbCBusinessOverView()->GetColumnValue(0, 2), "1");
    EXPECT_STREQ(csv.GetCbCBusinessOverView()->GetColumnValue(1, 8), "1234567890123");
    EXPECT_EQ(csv.GetCbCBusinessOverView()->GetColumnValue(2, 0), nullptr);
    EXPECT_EQ(csv.GetCbCBusinessOverView()->GetColumnValue(0, 9), nullptr);
    EXPECT_EQ(ErrorText(), "");
}

// A conversion files records that no check has seen: a flag it cannot file
// is the user's error at that record and column, as the check reports it.
TEST_F(AppendixTableCsv, RecordInNoSectionIsReportedWhereItStands)
{
    const std::pair<const char*, const char*> kCases[] = {
        {"222", "0002-01:03-HE60009E"},
        {"312", "0002-00001-HE60009E"},
        {"1 2", "0002-00002-HE60009E"},
        {"11x", "0002-00003-HE60009E"},
    };
    for (const auto& [szFlags, szRows] : kCases) {
        SCOPED_TRACE(szFlags);
        CLCCbCCsvAppendixTable csv;
        ASSERT_TRUE(Read(csv, Record("111") + Record(szFlags)));
        EXPECT_TRUE(csv.DistributeRecord(0));
        EXPECT_FALSE(csv.DistributeRecord(1));
        EXPECT_EQ(ErrorText(), szRows);
    }
}

TEST_F(AppendixTableCsv, OverlapRowsOnColumnNine)
{
    CLCCbCCsvAppendixTable csv;
    ASSERT_TRUE(Read(csv, Record("111", "1111111111111") + Record("111", "") + Record("111", "2222222222222") +
                              Record("111", "1111111111111") + Record("111", "") + Record("111", "1111111111111")));
    EXPECT_FALSE(csv.ValidOverlapColumn(9, HE60015E));
    EXPECT_EQ(ErrorText(), "0001-00009-HE60015E,0004-00009-HE60015E,0006-00009-HE60015E");

    CLCCbCCsvAppendixTable unique;
    ASSERT_TRUE(Read(unique, Record("111", "1111111111111") + Record("111", "") + Record("111", "")));
    EXPECT_TRUE(unique.ValidOverlapColumn(9, HE60015E));
    EXPECT_EQ(ErrorText(), "");
}

TEST_F(AppendixTableCsv, ContentOfferedRows)
{
    CLCCbCCsvAppendixTable csv;
    ASSERT_TRUE(ReadAndDistribute(csv, Record("122") + Record("112") + Record("121")));
    // Country report holds line 2, business overview line 3, final parent company all three.
    EXPECT_EQ(csv.GetCbCCountryReport()->ValidContentOffered("2", 2), HE60017E);
    EXPECT_EQ(ErrorText(), "0002-00002-HE60017E");
    EXPECT_EQ(csv.GetCbCFinalParentCompany()->ValidContentOffered("2", 1), HE60017E);
    EXPECT_EQ(ErrorText(), "0001-00001-HE60017E,0002-00001-HE60017E,0003-00001-HE60017E");
    EXPECT_EQ(csv.GetCbCFinalParentCompany()->ValidContentOffered("1", 1), CBC_MSG_NONE);
    EXPECT_EQ(csv.GetCbCFinalParentCompany()->ValidContentOffered("3", 1), CBC_MSG_NONE);
    EXPECT_EQ(ErrorText(), "");

    CLCCbCCsvAppendixTable noCountry;
    ASSERT_TRUE(ReadAndDistribute(noCountry, Record("121")));
    EXPECT_EQ(noCountry.GetCbCCountryReport()->ValidContentOffered("1", 2), HE60016E);
    EXPECT_EQ(ErrorText(), "0000-00002-HE60016E");
    EXPECT_EQ(noCountry.GetCbCCountryReport()->ValidContentOffered("2", 2), CBC_MSG_NONE);
    EXPECT_EQ(ErrorText(), "");
}

TEST_F(AppendixTableCsv, CorporateNumberRowsReadColumnNine)
{
    CLCCbCCsvAppendixTable csv;
    ASSERT_TRUE(ReadAndDistribute(csv, Record("111", "1111111111111") + Record("111", "2222222222222") +
                                           Record("111", "1111111111111")));
    EXPECT_EQ(csv.GetCbCCountryReport()->ValidHojinNo("1111111111111", 9), HE60018E);
    EXPECT_EQ(ErrorText(), "0001-00009-HE60018E,0003-00009-HE60018E");
    EXPECT_EQ(csv.GetCbCCountryReport()->ValidHojinNo("3333333333333", 9), CBC_MSG_NONE);
    EXPECT_EQ(ErrorText(), "");
}

} // namespace
