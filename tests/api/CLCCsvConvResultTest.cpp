#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include <gtest/gtest.h>

TEST(CLCCsvConvResultGIR, ListsStayPairedAndClearEmptiesEverything)
{
    CLCCsvConvResultGIR result;
    EXPECT_EQ(result.get_ErrInfoCount(), 0);
    EXPECT_TRUE(result.GetErrFileName().empty());
    EXPECT_TRUE(result.GetDetailErrInfo().empty());

    result.put_Result("E_FAIL");
    result.put_GIRData("<x/>");
    result.put_FileName("\"a.csv\"");
    EXPECT_TRUE(result.addFileName("01_MessageSpec.csv"));
    EXPECT_TRUE(result.addDetailErrorInfo("00000003-00002-HE60001E"));
    EXPECT_EQ(result.get_ErrInfoCount(), 1);
    EXPECT_EQ(result.GetErrFileName(), std::vector<std::string>{"01_MessageSpec.csv"});
    EXPECT_EQ(result.GetDetailErrInfo(), std::vector<std::string>{"00000003-00002-HE60001E"});

    EXPECT_TRUE(result.Clear());
    EXPECT_EQ(result.get_Result(), "");
    EXPECT_EQ(result.get_GIRData(), "");
    EXPECT_EQ(result.get_FileName(), "");
    EXPECT_EQ(result.get_ErrInfoCount(), 0);
}

TEST(CLCCsvConvResultCbC, GettersHandOutCopies)
{
    CLCCsvConvResultCbC result;
    result.put_CsvData("a,b");
    std::string strCopy = result.get_CsvData();
    strCopy += "changed";
    EXPECT_EQ(result.get_CsvData(), "a,b");
    EXPECT_EQ(result.getResult(), "");
}
