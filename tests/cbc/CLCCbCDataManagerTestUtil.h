#pragma once
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh temporary folder per test and a clean collector in the file mode.
class DataManagerFiles : public ::testing::Test {
public:
    void SetUp() override
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "tesvant-dm-XXXXXX").string();
        ASSERT_NE(mkdtemp(strTemplate.data()), nullptr);
        m_dir = strTemplate;
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_FILE);
        CLCValidResult::destroy();
    }

    void TearDown() override
    {
        CLCValidResult::destroy();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    std::string PathOf(const std::string& strName) const { return (m_dir / strName).string(); }

    std::string Write(const std::string& strName, const std::string& strBytes) const
    {
        const std::string strPath = PathOf(strName);
        std::ofstream file(strPath, std::ios::binary);
        file.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
        return strPath;
    }

    static std::string Read(const std::string& strPath)
    {
        std::ifstream file(strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // A row an earlier step left behind; preparation steps must drop it.
    static void LeaveStaleRow() { CLCValidResult::instance()->SetResult(HE60015E, 3, 4, -1); }

    std::filesystem::path m_dir;
};
