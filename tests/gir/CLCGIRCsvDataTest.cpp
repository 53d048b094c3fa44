#include "gir/CLCGIRCsvData.h"
#include "gir/CLCGIRCsvDataManager.h"

#include "cbc/CLCCsvTestSupport.h"

#include <string>
#include <vector>

namespace {

using csvtest::Line;

class GIRCsvData : public csvtest::CsvTest {
protected:
    GIRCsvData() : csvtest::CsvTest(CLCCbCCommon::EXEC_MODE_GIR) {}

    // The records of one parsed file as text, "|" between columns, one per line.
    static std::string Records(CLCGIRCsvData& data)
    {
        std::string strText;
        for (long r = 0; r < data.GetRecordNumber(); ++r) {
            strText += std::to_string(data.GetRecordLineNo(r)) + ":";
            for (long c = 0; c < data.GetColumnNumber(r); ++c)
                strText += std::string(c == 0 ? "" : "|") + data.GetColumnValue(r, c);
            strText += "\n";
        }
        return strText;
    }

    static std::string GIRErrors()
    {
        std::string strText;
        for (const auto& [strFile, vecRows] : CLCValidResultGIR::instance()->FileRows())
            strText += strFile + ":" + std::to_string(vecRows.size()) + ";";
        return strText;
    }
};

TEST_F(GIRCsvData, ParsesRecordsNumberedWithoutBlankLines)
{
    struct SCase {
        const char* szName;
        std::string strBytes;
        std::string strRecords;
    } const kCases[] = {
        {"blank line between", Line({"A", "1", "", "", "", "6"}) + "\r\n" + Line({"B", "2", "", "", "", "7"}),
         "1:A|1||||6\n2:B|2||||7\n"},
        {"commas only is a record", ",,,,,\r\n \r\n", "1:|||||\n"},
        {"trimmed, quoted, one column", " A ,\" x, y \",\"q\"\"\"\r\n\x81\x40\r\nZ", "1:A|x, y|q\"\n2:Z\n"},
        {"Shift_JIS decoded", "\x96\xBC\x91\x4F,\x87\x40\x81\x60\n", "1:名前|①～\n"},
    };
    for (const SCase& c : kCases) {
        CLCGIRCsvDataManager manager;
        ASSERT_NE(manager.ReadCSVFile(m_folder.Write("f.csv", c.strBytes)), nullptr) << c.szName;
        CLCGIRCsvData* pData = manager.ParseCSVFile();
        ASSERT_NE(pData, nullptr) << c.szName;
        EXPECT_EQ(Records(*pData), c.strRecords) << c.szName;
        EXPECT_STREQ(pData->GetCsvFileReadData(), "") << c.szName;
        EXPECT_EQ(GIRErrors(), "") << c.szName;
    }
}

TEST_F(GIRCsvData, ReadFailuresTellTheirCause)
{
    struct SCase {
        const char* szName;
        const char* szFile;   // null: the path names no file
        std::string strBytes;
        CLCCbCCsvFile::CsvText eStatus;
        std::string strErrors;
    } const kCases[] = {
        {"missing", nullptr, "", CLCCbCCsvFile::CsvText::Unreadable, "その他:1;"},
        {"empty", "e.csv", "", CLCCbCCsvFile::CsvText::Empty, "その他:1;"},
        {"not CP932", "b.csv", "A,\x85\x40\r\n", CLCCbCCsvFile::CsvText::NotShiftJis, ""},
        {"NUL byte", "n.csv", std::string("A,\0B", 4), CLCCbCCsvFile::CsvText::HasNul, ""},
    };
    for (const SCase& c : kCases) {
        CLCValidResultGIR::destroy();
        CLCGIRCsvDataManager manager;
        const std::string strPath = c.szFile ? m_folder.Write(c.szFile, c.strBytes) : m_folder / "none.csv";
        EXPECT_EQ(manager.ReadCSVFile(strPath), nullptr) << c.szName;
        EXPECT_EQ(manager.GetLastReadStatus(), c.eStatus) << c.szName;
        EXPECT_EQ(manager.ParseCSVFile(), nullptr) << c.szName;
        EXPECT_EQ(manager.GetCsvFileNumber(), 0) << c.szName;
        EXPECT_EQ(GIRErrors(), c.strErrors) << c.szName;
    }
}

TEST_F(GIRCsvData, KeepsFilesInParsingOrder)
{
    CLCGIRCsvDataManager manager;
    for (const char* szName : {"b.csv", "a.csv"}) {
        ASSERT_NE(manager.ReadCSVFile(m_folder.Write(szName, Line({szName}))), nullptr);
        ASSERT_NE(manager.ParseCSVFile(), nullptr);
    }
    EXPECT_EQ(manager.ParseCSVFile(), nullptr);   // nothing pending
    ASSERT_EQ(manager.GetCsvFileNumber(), 2);
    EXPECT_EQ(manager.GetCsvData(0)->GetCsvFileName(), m_folder / "b.csv");
    EXPECT_EQ(manager.GetCsvData(1)->GetRecordLineNo(0), 1);   // the counter restarts per file
    EXPECT_EQ(manager.GetCsvData(-1), nullptr);
    EXPECT_EQ(manager.GetCsvData(2), nullptr);
}

} // namespace
