#include "gir/CLCGIRCsvAppendixTable.h"

#include "cbc/CLCCsvTestSupport.h"

#include <string>

namespace {

using csvtest::ErrorText;
using csvtest::Line;
using csvtest::Repeat;

// One AIA540 record: content flag, three other columns, corporate number.
std::string Record(const std::string& strFlag, const std::string& strHojinNo)
{
    return Line({strFlag, "a", "b", "c", strHojinNo});
}

class GIRAppendixTableCsv : public csvtest::CsvTest {
protected:
    GIRAppendixTableCsv() : csvtest::CsvTest(CLCCbCCommon::EXEC_MODE_GIR_APPENDIX_TABLE) {}

    bool ReadAndDistribute(CLCGIRCsvAppendixTable& csv, const std::string& strBytes)
    {
        if (!csv.ReadFile(m_folder.Write("aia540.csv", strBytes).c_str()))
            return false;
        for (long r = 0; r < static_cast<long>(csv.GetRecordCount()); ++r) {
            if (!csv.DistributeRecord(r))
                return false;
        }
        return true;
    }
};

TEST_F(GIRAppendixTableCsv, AcceptsFiveColumnsOnly)
{
    CLCGIRCsvAppendixTable csv;
    EXPECT_TRUE(ReadAndDistribute(csv, "\r\n" + Record("1", "1111111111111") + "\r\n" + Record("2", "")));
    EXPECT_EQ(ErrorText(), "");
    EXPECT_EQ(csv.GetGIRAppendixTable()->GetRecordCount(), 2);
    EXPECT_EQ(csv.GetCbCFinalParentCompany()->GetRecordCount(), 0);

    CLCGIRCsvAppendixTable nine;
    EXPECT_FALSE(ReadAndDistribute(nine, Line({"1", "1", "1", "a", "b", "c", "d", "e", "1111111111111"})));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60012E");
}

TEST_F(GIRAppendixTableCsv, BoundsAreOneTo5000Records)
{
    CLCGIRCsvAppendixTable none;
    EXPECT_FALSE(ReadAndDistribute(none, "  \r\n"));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60013E");

    CLCGIRCsvAppendixTable atLimit;
    EXPECT_TRUE(ReadAndDistribute(atLimit, Repeat(Record("1", ""), 5000)));
    EXPECT_EQ(ErrorText(), "");

    CLCGIRCsvAppendixTable overLimit;
    EXPECT_FALSE(ReadAndDistribute(overLimit, Repeat(Record("1", ""), 5001)));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60014E");
}

TEST_F(GIRAppendixTableCsv, OverlapRowsOnColumnFive)
{
    CLCGIRCsvAppendixTable csv;
    ASSERT_TRUE(ReadAndDistribute(csv, Record("1", "") + Record("1", "1111111111111") + Record("1", "") +
                                           Record("1", "1111111111111")));
    EXPECT_FALSE(csv.ValidOverlapColumn(5, HE60015E));
    EXPECT_EQ(ErrorText(), "0002-00005-HE60015E,0004-00005-HE60015E");
}

TEST_F(GIRAppendixTableCsv, ContentOfferedReadsColumnOne)
{
    CLCGIRCsvAppendixTable csv;
    ASSERT_TRUE(ReadAndDistribute(csv, Record("1", "") + Record("2", "") + Record("1", "")));
    EXPECT_EQ(csv.GetGIRAppendixTable()->ValidContentOffered("1", 1), HE60017E);
    EXPECT_EQ(ErrorText(), "0002-00001-HE60017E");
    EXPECT_EQ(csv.GetGIRAppendixTable()->ValidContentOffered("2", 1), HE60017E);
    EXPECT_EQ(ErrorText(), "0001-00001-HE60017E,0003-00001-HE60017E");

    CLCGIRAppendixTable empty;
    EXPECT_EQ(empty.ValidContentOffered("1", 1), CBC_MSG_NONE);
    EXPECT_EQ(empty.ValidContentOffered("2", 1), CBC_MSG_NONE);
    EXPECT_EQ(ErrorText(), "");
}

TEST_F(GIRAppendixTableCsv, CorporateNumberMatchesOnlyThirteenCharacters)
{
    CLCGIRCsvAppendixTable csv;
    ASSERT_TRUE(ReadAndDistribute(csv, Record("1", "1111111111111") + Record("1", "111111111111") +
                                           Record("1", "1111111111111")));
    EXPECT_EQ(csv.GetGIRAppendixTable()->ValidHojinNo("1111111111111", 5), HE60018E);
    EXPECT_EQ(ErrorText(), "0001-00005-HE60018E,0003-00005-HE60018E");
    EXPECT_EQ(csv.GetGIRAppendixTable()->ValidHojinNo("111111111111", 5), CBC_MSG_NONE);
    EXPECT_EQ(ErrorText(), "");
}

} // namespace
