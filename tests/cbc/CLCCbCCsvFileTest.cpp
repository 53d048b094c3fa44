#include "cbc/CLCCbCCsvFile.h"

#include "cbc/CLCCbCCsvCbCReport.h"
#include "cbc/CLCCbCRecordData.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "cbc/CLCCsvTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using csvtest::ErrorText;

// Keeps every record the tokenizer hands over, so the dialect shows unfiltered.
class CollectingCsv : public CLCCbCCsvFile {
public:
    bool ValidateRecord(std::vector<std::string>&) override { return true; }
    bool ValidateCsv() override { return true; }
    bool ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord) override
    {
        return HandOverField(strField, vecColumns, bEndOfRecord, m_lLineCnt, m_vRecord);
    }

    std::vector<std::vector<std::string>> Records() const
    {
        std::vector<std::vector<std::string>> vecRecords;
        for (const auto& pRecord : m_vRecord) {
            std::vector<std::string> vecColumns;
            for (long c = 0; c < pRecord->GetColumnNumber(); ++c)
                vecColumns.push_back(pRecord->GetColumnValue(c));
            vecRecords.push_back(vecColumns);
        }
        return vecRecords;
    }
    std::vector<long long> LineNumbers() const
    {
        std::vector<long long> vecLines;
        for (const auto& pRecord : m_vRecord)
            vecLines.push_back(pRecord->GetLineNo());
        return vecLines;
    }

private:
    std::vector<std::unique_ptr<CLCCbCRecordData>> m_vRecord;
    long long m_lLineCnt = 0;
};

struct SDialectCase {
    const char* szName;
    std::string strBytes;
    std::vector<std::vector<std::string>> expected;
};

class CsvDialect : public csvtest::CsvTest, public ::testing::WithParamInterface<SDialectCase> {};

TEST_P(CsvDialect, SplitsShiftJisFileIntoTrimmedRecords)
{
    const SDialectCase& c = GetParam();
    CollectingCsv csv;
    ASSERT_TRUE(csv.ReadFile(m_folder.Write("in.csv", c.strBytes).c_str()));
    EXPECT_EQ(csv.Records(), c.expected);
    EXPECT_EQ(ErrorText(), "");
    // The record table and the record objects hold the same records.
    ASSERT_EQ(csv.GetRecordCount(), c.expected.size());
    for (size_t r = 0; r < c.expected.size(); ++r) {
        for (size_t col = 0; col < c.expected[r].size(); ++col)
            EXPECT_STREQ(csv.GetItem(static_cast<long>(r), static_cast<long>(col)), c.expected[r][col].c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvDialect,
    ::testing::Values(
        SDialectCase{"quotedComma", "a,\"b,c\",d\r\n", {{"a", "b,c", "d"}}},
        SDialectCase{"doubledQuotes", "\"say \"\"hi\"\"\",x\r\n", {{"say \"hi\"", "x"}}},
        SDialectCase{"emptyQuoted", "\"\",x\r\n", {{"", "x"}}},
        SDialectCase{"quoteInsideUnquoted", "ab\"c,d\r\n", {{"ab\"c", "d"}}},
        SDialectCase{"quotedCrLfStaysInValue", "\"l1\r\nl2\",x\r\ny,z\r\n", {{"l1\r\nl2", "x"}, {"y", "z"}}},
        SDialectCase{"quoteAfterBlanksIsLiteral", "  \"a,b\" ,c\r\n", {{"\"a", "b\"", "c"}}},
        SDialectCase{"textAfterClosingQuoteAppended", "\"ab\"cd,e\r\n", {{"abcd", "e"}}},
        SDialectCase{"lastLineWithoutLineEnd", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}},
        SDialectCase{"trimmedAfterUnquoting", "\" a b \", x \r\n", {{"a b", "x"}}},
        SDialectCase{"loneCrAndLoneLfEndRecords", "a,b\rc,d\ne,f\n\rg,h", {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}}},
        SDialectCase{"unterminatedQuoteDeliveredAsItStands", "a,\"b,c\r\nd", {{"a", "b,c\r\nd"}}},
        SDialectCase{"lineOfCommasIsARecord", ",,\r\n", {{"", "", ""}}},
        // 日本 and 表 (trail byte 0x5C) in Shift_JIS; ideographic spaces (81 40) trimmed.
        SDialectCase{"shiftJisDecodedToUtf8", "\x93\xfa\x96\x7b,\x81\x40\x95\x5c\x81\x40\r\n",
                     {{"\xe6\x97\xa5\xe6\x9c\xac", "\xe8\xa1\xa8"}}}),
    [](const auto& info) { return std::string(info.param.szName); });

class CsvFile : public csvtest::CsvTest {};

TEST_F(CsvFile, BlankLinesAreSkippedAndNotNumbered)
{
    CollectingCsv csv;
    ASSERT_TRUE(csv.ReadFile(m_folder.Write("in.csv", "a,b\r\n\r\n   \r\n\"\"\r\nc,d\r\n").c_str()));
    EXPECT_EQ(csv.Records(), (std::vector<std::vector<std::string>>{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(csv.LineNumbers(), (std::vector<long long>{1, 2}));
}

TEST_F(CsvFile, GetItemIsNullOutsideTheTable)
{
    CollectingCsv csv;
    ASSERT_TRUE(csv.ReadFile(m_folder.Write("in.csv", "a,b\r\n").c_str()));
    EXPECT_EQ(csv.GetItem(-1, 0), nullptr);
    EXPECT_EQ(csv.GetItem(1, 0), nullptr);
    EXPECT_EQ(csv.GetItem(0, -1), nullptr);
    EXPECT_EQ(csv.GetItem(0, 2), nullptr);
    EXPECT_STREQ(csv.GetItem(0, 1), "b");
}

TEST_F(CsvFile, NulByteAnywhereIsAFormatError)
{
    // Records after a stray NUL byte must not be dropped silently.
    CLCCbCCsvCbCReport csv;
    csv.SetDefinitionId(205);
    const std::string strBytes = std::string("1,x,x,x,x,x,x,x\r\n2,x,x,x,x,x,x,x,x\r\n3") + '\0' + "\r\n";
    EXPECT_FALSE(csv.ReadFile(m_folder.Write("in.csv", strBytes).c_str()));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60012E");
    EXPECT_EQ(csv.GetRecordCount(), 0u);
}

TEST_F(CsvFile, BytesThatAreNotShiftJisAreReportedAsUnusableCharacters)
{
    struct { const char* szName; std::string strBytes; } cases[] = {
        {"utf8File", "1,\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf\r\n"},   // データ saved as UTF-8
        {"utf8Bom", "\xef\xbb\xbf" "1,x\r\n"},
        {"badTrailByte", "1,\x81\x7f\r\n"},
        {"truncatedAtEnd", "1,x\r\n\x82"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        CLCCbCCsvCbCReport csv;
        csv.SetDefinitionId(205);
        EXPECT_FALSE(csv.ReadFile(m_folder.Write(std::string(c.szName) + ".csv", c.strBytes).c_str()));
        EXPECT_EQ(ErrorText(), "0000-00000-HE60011E");
    }
}

TEST_F(CsvFile, MissingOrEmptyFileIsFatal)
{
    CLCCbCCsvCbCReport missing;
    EXPECT_FALSE(missing.ReadFile((m_folder / "none.csv").c_str()));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");

    CLCCbCCsvCbCReport empty;
    EXPECT_FALSE(empty.ReadFile(m_folder.Write("empty.csv", "").c_str()));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");

    std::filesystem::create_directories(m_folder / "folder.csv");
    CLCCbCCsvCbCReport folder;
    EXPECT_FALSE(folder.ReadFile((m_folder / "folder.csv").c_str()));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");

    CLCCbCCsvCbCReport nullPath;
    EXPECT_FALSE(nullPath.ReadFile(nullptr));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");
}

TEST_F(CsvFile, LoadCsvTextTellsTheCausesApart)
{
    std::string strText;
    EXPECT_EQ(CLCCbCCsvFile::LoadCsvText((m_folder / "none.csv").c_str(), strText),
              CLCCbCCsvFile::CsvText::Unreadable);
    EXPECT_EQ(CLCCbCCsvFile::LoadCsvText(m_folder.Write("e.csv", "").c_str(), strText),
              CLCCbCCsvFile::CsvText::Empty);
    EXPECT_EQ(CLCCbCCsvFile::LoadCsvText(m_folder.Write("n.csv", std::string("a\0b", 3)).c_str(), strText),
              CLCCbCCsvFile::CsvText::HasNul);
    EXPECT_EQ(CLCCbCCsvFile::LoadCsvText(m_folder.Write("b.csv", "\x81\x7f").c_str(), strText),
              CLCCbCCsvFile::CsvText::NotShiftJis);
    EXPECT_EQ(CLCCbCCsvFile::LoadCsvText(m_folder.Write("ok.csv", "\x93\xfa").c_str(), strText),
              CLCCbCCsvFile::CsvText::Ok);
    EXPECT_EQ(strText, "\xe6\x97\xa5");
}

// The file is decoded block by block: wherever a block ends, the text and the
// cause must be those of one decode of the whole file.
TEST_F(CsvFile, LoadCsvTextDecodesAcrossBlocks)
{
    constexpr size_t kBlock = 16384;
    const std::string kKanji = "\x93\xfa";   // one character, two bytes
    struct SCase {
        const char* szName;
        std::string strBytes;
        CLCCbCCsvFile::CsvText eText;
    };
    const SCase kCases[] = {
        {"lead byte last in a block", std::string(kBlock - 1, 'a') + kKanji + "b", CLCCbCCsvFile::CsvText::Ok},
        {"character on the boundary", std::string(kBlock - 2, 'a') + kKanji + kKanji, CLCCbCCsvFile::CsvText::Ok},
        {"kanji to the end", std::string(1, 'a') + [&] {
             std::string str;
             for (size_t i = 0; i < kBlock * 2; ++i)
                 str += kKanji;
             return str;
         }(), CLCCbCCsvFile::CsvText::Ok},
        {"exactly one block", std::string(kBlock, 'a'), CLCCbCCsvFile::CsvText::Ok},
        {"lone lead byte at the end", std::string(kBlock, 'a') + "\x93", CLCCbCCsvFile::CsvText::NotShiftJis},
        {"bad trail byte in the second block", std::string(kBlock + 5, 'a') + "\x81\x7f",
         CLCCbCCsvFile::CsvText::NotShiftJis},
        {"NUL after a bad byte", "\x81\x7f" + std::string(kBlock * 2, 'a') + std::string(1, '\0'),
         CLCCbCCsvFile::CsvText::HasNul},
        {"NUL as a trail byte", std::string(kBlock - 1, 'a') + "\x93" + std::string(1, '\0'),
         CLCCbCCsvFile::CsvText::HasNul},
    };
    for (const SCase& c : kCases) {
        const std::string strPath = m_folder.Write("blocks.csv", c.strBytes);
        std::string strWhole;
        if (c.eText == CLCCbCCsvFile::CsvText::Ok) {
            ASSERT_TRUE(CLCMacOSNative::SjisToUtf8(c.strBytes, strWhole)) << c.szName;
        }
        std::string strText = "stale";
        EXPECT_EQ(CLCCbCCsvFile::LoadCsvText(strPath.c_str(), strText), c.eText) << c.szName;
        EXPECT_EQ(strText, strWhole) << c.szName;
    }
}

// A large file's text is one block of about its own size, whatever its
// characters decode to: a 32-bit host may not have a block several times a
// file's size to give.
TEST_F(CsvFile, LoadCsvTextKeepsNoRoomBeyondTheText)
{
    struct SCase {
        const char* szName;
        std::string strUnit;   // CP932 bytes, repeated to about 200 KB
    };
    const SCase kCases[] = {
        {"ASCII", "Sakura Holdings K.K.,1000\r\n"},
        {"kanji, three bytes each", "\x93\xfa\x96\x7b\x8a\x94\x8e\xae\x89\xef\x8e\xd0,\r\n"},
        {"halfwidth katakana, one byte to three", "\xb6\xc5\xb6\xc5,1\r\n"},
        {"Greek, two bytes to two", "\x83\x9f\x83\xa0\x83\xa1\x83\xa2,\r\n"},
        {"signs, two bytes to two", "\x81\x98\x81\x7e\x81\x80,\r\n"},
    };
    for (const SCase& c : kCases) {
        std::string strBytes;
        while (strBytes.size() < 200000)
            strBytes += c.strUnit;
        std::string strWhole;
        ASSERT_TRUE(CLCMacOSNative::SjisToUtf8(strBytes, strWhole)) << c.szName;
        std::string strText;
        ASSERT_EQ(CLCCbCCsvFile::LoadCsvText(m_folder.Write("room.csv", strBytes).c_str(), strText),
                  CLCCbCCsvFile::CsvText::Ok)
            << c.szName;
        EXPECT_EQ(strText, strWhole) << c.szName;
        EXPECT_LE(strText.capacity(), strText.size() + strText.size() / 16) << c.szName;
    }
}

TEST_F(CsvFile, NullTextIsFatal)
{
    CollectingCsv csv;
    EXPECT_FALSE(csv.Parse(nullptr));
    EXPECT_EQ(ErrorText(), "0000-00000-HE60000E");
}

TEST(CsvRecordData, GivesColumnsAndNumber)
{
    CLCCbCRecordData record({"a", "b"}, 7);
    EXPECT_EQ(record.GetLineNo(), 7);
    EXPECT_EQ(record.GetColumnNumber(), 2);
    EXPECT_STREQ(record.GetColumnValue(1), "b");
    EXPECT_EQ(record.GetColumnValue(2), nullptr);
    EXPECT_EQ(record.GetColumnValue(-1), nullptr);
}

TEST(CsvRecordData, KeepsEveryShapeOfRecordAndItsPointers)
{
    const std::vector<std::vector<std::string>> kRecords = {
        {}, {"z"}, {"", "", ""}, {"株式会社さくら", "", std::string(70000, 'x'), "7"}};
    for (const std::vector<std::string>& vecColumns : kRecords) {
        auto pRecord = std::make_unique<CLCCbCRecordData>(vecColumns, 1);
        std::vector<const char*> vecPointers;
        for (long i = 0; i < pRecord->GetColumnNumber(); ++i)
            vecPointers.push_back(pRecord->GetColumnValue(i));
        const CLCCbCRecordData moved(std::move(*pRecord));   // the texts stay where they were
        pRecord.reset();
        ASSERT_EQ(moved.GetColumnNumber(), static_cast<long>(vecColumns.size()));
        for (size_t i = 0; i < vecColumns.size(); ++i) {
            EXPECT_EQ(moved.GetColumnValue(static_cast<long>(i)), vecPointers[i]);
            EXPECT_EQ(moved.GetColumnValue(static_cast<long>(i)), vecColumns[i]);
        }
        EXPECT_EQ(moved.GetColumnValue(static_cast<long>(vecColumns.size())), nullptr);
    }
}

TEST(CsvRecordData, KeepsEveryColumnAsItsTextReadsIt)
{
    const std::vector<std::string> vecColumns = {"", "\xE6\x97\xA5\xE6\x9C\xAC", std::string("cut\0here", 8),
                                                 std::string(70000, 'x'), ""};
    const CLCCbCRecordData record(vecColumns, 1);
    ASSERT_EQ(record.GetColumnNumber(), 5);
    for (size_t i = 0; i < vecColumns.size(); ++i)
        EXPECT_STREQ(record.GetColumnValue(static_cast<long>(i)), vecColumns[i].c_str()) << i;
    const CLCCbCRecordData none({}, 2);
    EXPECT_EQ(none.GetColumnNumber(), 0);
    EXPECT_EQ(none.GetColumnValue(0), nullptr);
}

} // namespace
