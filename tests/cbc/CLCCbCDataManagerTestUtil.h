#pragma once
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "TestFolder.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh temporary folder per test and a clean collector in the file mode.
class DataManagerFiles : public ::testing::Test {
public:
    void SetUp() override
    {
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_FILE);
        CLCValidResult::destroy();
    }

    void TearDown() override { CLCValidResult::destroy(); }

    std::string PathOf(const std::string& strName) const { return m_folder / strName; }

    std::string Write(const std::string& strName, const std::string& strBytes) const
    {
        return m_folder.Write(strName, strBytes);
    }

    static std::string Read(const std::string& strPath)
    {
        std::ifstream file(strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // A row an earlier step left behind; preparation steps must drop it.
    static void LeaveStaleRow() { CLCValidResult::instance()->SetResult(HE60015E, 3, 4, -1); }

    CTestFolder m_folder;
    const std::filesystem::path m_dir = m_folder.Path();
};
