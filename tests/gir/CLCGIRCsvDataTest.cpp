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

// The records of a parsed file, each column read both ways the file gives it.
std::vector<std::vector<std::string>> Columns(CLCGIRCsvData& data)
{
    std::vector<std::vector<std::string>> vecRecords;
    for (long r = 0; r < data.GetRecordNumber(); ++r) {
        std::vector<std::string>& vecColumns = vecRecords.emplace_back();
        for (long c = 0; c < data.GetColumnNumber(r); ++c) {
            vecColumns.emplace_back(data.GetColumnText(r, c));
            EXPECT_EQ(vecColumns.back(), data.GetColumnValue(r, c));
        }
        EXPECT_EQ(data.GetColumnValue(r, data.GetColumnNumber(r)), nullptr);
    }
    return vecRecords;
}

// The dialect as a reader that copies every field takes it: gathered, then
// trimmed; a record of one empty column is a blank line.
struct SCopyingSink {
    std::vector<std::vector<std::string>> vecRecords;
    std::vector<std::string> vecFields;
    std::string strField;

    void Piece(const char* p, size_t n) { strField.append(p, n); }
    bool End(const char* /*pAt*/, bool bEndOfRecord)
    {
        vecFields.push_back(CLCCbCCommon::StringTrim(strField.c_str()));
        strField.clear();
        if (bEndOfRecord) {
            if (vecFields.size() != 1 || !vecFields[0].empty())
                vecRecords.push_back(vecFields);
            vecFields.clear();
        }
        return true;
    }
};

// Texts made of the pieces that move a field within the text: quotes, doubled
// quotes, blanks (U+3000 among them) and every separator.
std::vector<std::string> TrickyTexts()
{
    std::vector<std::string> vecTexts = {
        "\"a\"\"b\",c,d\r\ne,f", "\"\",x\r\n\"\"\"\"\r\n", " \"q\"r , s\r\r\n\n", "\"u\r\nv\",\"w", "\"x\"\"\"",
        "\xE3\x80\x80\xE6\x97\xA5\xE3\x80\x80,\"\xE3\x80\x80\",z",
        // Mostly blanks: only the fields are kept.
        "A," + std::string(200, ' ') + "x" + std::string(200, ' ') + ",,,,7\r\n\"" + std::string(99, ' ') + "q\"\"\"\r\nB,y",
    };
    const char* const kPieces[] = {"a", "bc", " ", "\xE3\x80\x80", "\xE6\x97\xA5", "\"", "\"\"", ",", "\r", "\n", "\r\n"};
    unsigned int nSeed = 12345;
    for (int nText = 0; nText < 3000; ++nText) {
        std::string strText;
        const int nLength = 1 + nText % 14;
        for (int i = 0; i < nLength; ++i) {
            nSeed = nSeed * 1103515245u + 12345u;
            strText += kPieces[(nSeed >> 16) % (sizeof kPieces / sizeof kPieces[0])];
        }
        vecTexts.push_back(strText);
    }
    return vecTexts;
}

TEST_F(GIRCsvData, ParsesInPlaceAsACopyingReaderDoes)
{
    for (const std::string& strText : TrickyTexts()) {
        SCopyingSink sink;
        CLCCbCCsvFile::Tokenize(strText.c_str(), sink);
        CLCGIRCsvData data("f.csv");
        ASSERT_TRUE(data.Parse(strText.c_str())) << strText;
        EXPECT_EQ(Columns(data), sink.vecRecords) << strText;
        EXPECT_EQ(data.GetReadRecordCount(), static_cast<long>(sink.vecRecords.size())) << strText;
    }
    EXPECT_EQ(GIRErrors(), "");
}

TEST_F(GIRCsvData, KeepsTheRecordsOnlyUpToTheLimitButCountsThemAll)
{
    // Three records (the blank line is none): two, six and one columns.
    const std::string kText = "A,1\r\n\r\nB,2,3,4,5,6\r\nC\r\n";
    struct SCase {
        size_t nKeep;
        long lKept;
    } const kCases[] = {{static_cast<size_t>(-1), 3}, {3, 3}, {2, 0}, {1, 0}, {0, 0}};
    for (const SCase& c : kCases) {
        CLCGIRCsvData data("f.csv");
        ASSERT_TRUE(data.Parse(kText.c_str()));   // as read: no limit
        EXPECT_EQ(data.GetRecordNumber(), 3);
        CLCGIRCsvDataManager manager;
        ASSERT_NE(manager.ReadCSVFile(m_folder.Write("f.csv", kText)), nullptr);
        CLCGIRCsvData* pData = manager.ParseCSVFile(c.nKeep);
        ASSERT_NE(pData, nullptr) << c.nKeep;
        EXPECT_EQ(pData->GetRecordNumber(), c.lKept) << c.nKeep;
        EXPECT_EQ(Records(*pData), c.lKept == 0 ? "" : "1:A|1\n2:B|2|3|4|5|6\n3:C\n") << c.nKeep;
        EXPECT_EQ(pData->GetReadRecordCount(), 3) << c.nKeep;
        EXPECT_EQ(pData->GetSixColumnRecordCount(), 1) << c.nKeep;
        EXPECT_TRUE(pData->HasOtherWidthRecord()) << c.nKeep;
    }
}

TEST_F(GIRCsvData, FreesItsRecordsAsTheyAreReadAndKeepsTheRest)
{
    // Across no block, one block's end and many blocks, small and large texts.
    for (long lRecords : {1L, 10L, 682L, 683L, 3000L}) {
        std::string strText;
        for (long r = 0; r < lRecords; ++r)
            strText += "N" + std::to_string(r) + "," + std::to_string(r) + ",,,,7\r\n";
        CLCGIRCsvData data("f.csv");
        ASSERT_TRUE(data.Parse(strText.c_str()));
        ASSERT_EQ(data.GetRecordNumber(), lRecords);
        for (long r = 0; r < lRecords; ++r) {
            ASSERT_EQ(data.GetColumnNumber(r), 6) << lRecords << " " << r;
            EXPECT_EQ(data.GetColumnText(r, 0), "N" + std::to_string(r)) << lRecords;
            EXPECT_STREQ(data.GetColumnValue(r, 1), std::to_string(r).c_str()) << lRecords;
            EXPECT_EQ(data.GetColumnText(r, 5), "7") << lRecords;
            data.ReleaseRecordsBefore(r + 1);
        }
        data.ReleaseRecords();
        EXPECT_EQ(data.GetRecordNumber(), 0);
    }
}

TEST_F(GIRCsvData, NullOrEmptyTextIsFatal)
{
    for (const char* szText : {static_cast<const char*>(nullptr), ""}) {
        CLCValidResultGIR::destroy();
        CLCGIRCsvData data("f.csv");
        EXPECT_FALSE(data.Parse(szText));
        EXPECT_EQ(GIRErrors(), "その他:1;");
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
