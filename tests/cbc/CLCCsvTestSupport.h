#pragma once
// Helpers shared by the CSV model tests: a private temporary folder per test,
// CSV files written byte for byte, and the collector's error text.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace csvtest {

// One CSV line of the given columns, ended by CR LF.
inline std::string Line(const std::vector<std::string>& vecColumns)
{
    std::string strLine;
    for (size_t i = 0; i < vecColumns.size(); ++i) {
        if (i != 0)
            strLine += ',';
        strLine += vecColumns[i];
    }
    return strLine + "\r\n";
}

// A record of n columns: the kind first, then "x" in every other column.
inline std::vector<std::string> Filled(const std::string& strKind, size_t nColumns)
{
    std::vector<std::string> vecColumns(nColumns, "x");
    vecColumns[0] = strKind;
    return vecColumns;
}

inline std::string Repeat(const std::string& strLine, size_t nTimes)
{
    std::string strText;
    strText.reserve(strLine.size() * nTimes);
    for (size_t i = 0; i < nTimes; ++i)
        strText += strLine;
    return strText;
}

// The collector's text (sorted, de-duplicated rows; empties the rows).
inline std::string ErrorText()
{
    return CLCValidResult::instance()->MakeResult();
}

// Gives every test a fresh plain collector in the mode it names.
class CsvTest : public ::testing::Test {
protected:
    explicit CsvTest(CLCCbCCommon::EXEC_MODE mode = CLCCbCCommon::EXEC_MODE_CBC_REPORT) : m_mode(mode) {}
    void SetUp() override
    {
        CLCCbCCommon::setExecMode(m_mode);
        CLCValidResult::destroy();
    }
    void TearDown() override { CLCValidResult::destroy(); }

    CLCCbCCommon::EXEC_MODE m_mode;
    CTestFolder m_folder;
};

} // namespace csvtest
