#pragma once
// Helpers shared by the CSV model tests: a private temporary folder per test,
// CSV files written byte for byte, and the collector's error text.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace csvtest {

// A unique temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<unsigned> s_nNext{0};
        const auto nStamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string strName = "tesvant_csv_";
        if (pInfo)
            strName += std::string(pInfo->test_suite_name()) + "_" + pInfo->name();
        for (char& c : strName) {
            if (c == '/')
                c = '_';
        }
        m_path = std::filesystem::temp_directory_path() /
                 (strName + "_" + std::to_string(nStamp) + "_" + std::to_string(s_nNext++));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes the bytes as they stand (the tests give Shift_JIS as hex escapes).
    std::string Write(const std::string& strName, const std::string& strBytes) const
    {
        const std::filesystem::path path = m_path / strName;
        std::ofstream out(path, std::ios::binary);
        out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
        return path.string();
    }
    std::string Path(const std::string& strName) const { return (m_path / strName).string(); }

private:
    std::filesystem::path m_path;
};

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
    TempFolder m_folder;
};

} // namespace csvtest
