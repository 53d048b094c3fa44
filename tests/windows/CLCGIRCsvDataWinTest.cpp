// A GIR folder's CSV file read through a path outside the ANSI code page,
// decoded as code page 932 and trimmed with the Windows set.
#include "WinTest.h"
#include "WinTestSupport.h"
#include "foundation/CLCCbCCommon.h"
#include "gir/CLCGIRCsvData.h"

namespace {

WIN_TEST(ReadsAndSplitsAShiftJisFile)
{
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    wintest::CTestFolder folder;
    // "①,\u3000髙\u3000,x" then a blank line, then "a,b".
    const std::string strPath = folder.Write("01_MessageSpec.csv", "\x87\x40,\x81\x40\xFB\xFC\x81\x40,x\r\n\r\na,b\r\n");
    CLCGIRCsvData data(strPath);
    CHECK(data.ReadFile());
    CHECK(data.Parse());
    CHECK_EQ(data.GetRecordNumber(), 2L);
    CHECK_EQ(std::string(data.GetColumnValue(0, 0)), "\xE2\x91\xA0");
    CHECK_EQ(std::string(data.GetColumnValue(0, 1)), "\xE9\xAB\x99");
    CHECK_EQ(data.GetRecordLineNo(1), 2LL);
}

WIN_TEST(RefusesBytesThatAreNotShiftJis)
{
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    wintest::CTestFolder folder;
    CLCGIRCsvData data(folder.Write("01_MessageSpec.csv", "a,\x85\x40\r\n"));
    CHECK(!data.ReadFile());
    CHECK(data.GetReadStatus() == CLCCbCCsvFile::CsvText::NotShiftJis);
    CLCGIRCsvData missing(folder / "missing.csv");
    CHECK(!missing.ReadFile());
}

} // namespace
