#include "foundation/CLCCbCMessage.h"
#include <gtest/gtest.h>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct SCatalogueRow {
    unsigned long ulValue;
    std::string strCode;
    std::string strText;
};

// The reference copy of the catalogue: row, value, code, text separated by tabs.
std::vector<SCatalogueRow> ReadReference()
{
    std::ifstream in(TESVANT_TEST_DATA_DIR "/foundation/CbCMsgTable.tsv", std::ios::binary);
    std::vector<SCatalogueRow> vecRows;
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (strLine.empty() || strLine[0] == '#')
            continue;
        std::vector<std::string> vecFields;
        size_t nStart = 0;
        for (size_t nTab; (nTab = strLine.find('\t', nStart)) != std::string::npos; nStart = nTab + 1)
            vecFields.push_back(strLine.substr(nStart, nTab - nStart));
        vecFields.push_back(strLine.substr(nStart));
        EXPECT_EQ(vecFields.size(), 4u) << strLine;
        if (vecFields.size() != 4)
            continue;
        EXPECT_EQ(std::stoul(vecFields[0]), vecRows.size()) << strLine;
        vecRows.push_back({std::stoul(vecFields[1]), vecFields[2], vecFields[3]});
    }
    return vecRows;
}

} // namespace

TEST(CbCMsgTable, EveryRowMatchesTheReferenceByteForByte)
{
    const std::vector<SCatalogueRow> vecReference = ReadReference();
    ASSERT_EQ(vecReference.size(), static_cast<size_t>(kCbCMsgTableRows));
    for (int i = 0; i < kCbCMsgTableRows; ++i) {
        const CLCCbCMsgTable_t& row = CbCMsgTable[i];
        ASSERT_NE(row.code, nullptr) << "row " << i;
        ASSERT_NE(row.text, nullptr) << "row " << i;
        EXPECT_EQ(row.value, vecReference[i].ulValue) << "row " << i;
        EXPECT_EQ(std::string(row.code), vecReference[i].strCode) << "row " << i;
        EXPECT_EQ(std::string(row.text), vecReference[i].strText) << "row " << i;
    }
}

TEST(CbCMsgTable, KeepsTheCharacterFormsThatDifferBetweenRows)
{
    // Spot checks that do not depend on the reference file.
    EXPECT_STREQ(CbCMsgTable[20].text, "出力先フォルダーが存在しません。");
    EXPECT_STREQ(CbCMsgTable[43].text, "指定されたフォルダが存在しない。");
    EXPECT_STREQ(CbCMsgTable[34].text, "入力された文書\xEF\xBC\xA9\xEF\xBC\xA4に重複があります。"); // full-width ＩＤ
    EXPECT_STREQ(CbCMsgTable[37].text, "メッセージIDの年分と不整合があります。");              // ASCII ID
    EXPECT_STREQ(CbCMsgTable[15].text, "作成可能なデータ数(5000件)を超えてしまうため、読み込むことができません。");
    EXPECT_STREQ(CbCMsgTable[59].text, "報告対象期間\xEF\xBC\x88ReportingPeriod\xEF\xBC\x89と不整合がある。");
    EXPECT_NE(std::string(CbCMsgTable[41].text).find("<br>"), std::string::npos);
}
