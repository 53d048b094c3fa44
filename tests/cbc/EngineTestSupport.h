#pragma once
// Helpers of the definition-engine tests: a private folder per test, CSV files
// written byte for byte, the data manager's roads run step by step, and page
// dates and timestamps normalised so that whole texts can be compared.
#include "cbc/CLCCbCDataManager.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace enginetest {

// A valid corporate number (check digit 9) and another one.
constexpr const char* kHojinNo = "9234567890123";
constexpr const char* kHojinNo2 = "5835678256246";

// Shift_JIS bytes of a few Japanese words, and their UTF-8 text.
constexpr const char* kSjisTesuto = "\x83\x65\x83\x58\x83\x67";   // テスト
constexpr const char* kUtf8Tesuto = "テスト";
constexpr const char* kSjisTokyo = "\x93\x8c\x8b\x9e";            // 東京
constexpr const char* kUtf8Tokyo = "東京";
constexpr const char* kSjisDaihyo = "\x91\xe3\x95\x5c";           // 代表 (second byte 0x5C)
constexpr const char* kUtf8Daihyo = "代表";

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

// Replaces what follows each strMarker up to strEnd by strBy when it has the
// picture's shape (a digit where the picture has '9', else the same byte).
inline std::string ReplaceShaped(const std::string& strText, const std::string& strMarker,
                                 const std::string& strPicture, const std::string& strBy)
{
    std::string strOut;
    size_t nFrom = 0;
    for (size_t nPos = strText.find(strMarker); nPos != std::string::npos;
         nPos = strText.find(strMarker, nPos + 1)) {
        const size_t nValue = nPos + strMarker.size();
        if (strText.size() < nValue + strPicture.size())
            break;
        bool bShaped = true;
        for (size_t i = 0; i < strPicture.size() && bShaped; ++i) {
            const char c = strText[nValue + i];
            bShaped = strPicture[i] == '9' ? (c >= '0' && c <= '9') : c == strPicture[i];
        }
        if (!bShaped)
            continue;
        strOut.append(strText, nFrom, nValue - nFrom);
        strOut += strBy;
        nFrom = nValue + strPicture.size();
    }
    strOut.append(strText, nFrom, std::string::npos);
    return strOut;
}

// Page dates and timestamps vary with the clock; tests compare the rest.
inline std::string NormaliseDates(const std::string& strXml)
{
    const std::string strOut = ReplaceShaped(strXml, "sakuseiDay=\"", "9999-99-99\"", "D\"");
    return ReplaceShaped(strOut, "<cbc:Timestamp>", "9999-99-99T99:99:99<", "T<");
}

inline size_t Count(const std::string& strText, const std::string& strPart)
{
    size_t nCount = 0;
    for (size_t nPos = strText.find(strPart); nPos != std::string::npos; nPos = strText.find(strPart, nPos + 1))
        ++nCount;
    return nCount;
}

inline std::string ReadBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& strBytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
}

// The outcome of one road: whether every step passed, the XML of a
// conversion and the collector's error text.
struct SRun {
    bool bPassed = false;
    std::string strXml;
    std::string strErrors;
};

// A temporary folder, a fresh collector in the test's execution mode, and an
// optional definition folder that replaces the shipped one.
class EngineTest : public ::testing::Test {
protected:
    explicit EngineTest(CLCCbCCommon::EXEC_MODE mode) : m_mode(mode) {}

    void SetUp() override
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "tesvant-engine-XXXXXX").string();
        ASSERT_NE(mkdtemp(strTemplate.data()), nullptr);
        m_dir = strTemplate;
        const char* szOld = std::getenv("TESVANT_DEFINITION_DIR");
        if (szOld != nullptr)
            m_strOldDefinitionDir = szOld;
        unsetenv("TESVANT_DEFINITION_DIR");
        CLCCbCCommon::setExecMode(m_mode);
        CLCValidResult::destroy();
    }

    void TearDown() override
    {
        CLCValidResult::destroy();
        if (m_strOldDefinitionDir)
            setenv("TESVANT_DEFINITION_DIR", m_strOldDefinitionDir->c_str(), 1);
        else
            unsetenv("TESVANT_DEFINITION_DIR");
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    std::string PathOf(const std::string& strName) const { return (m_dir / strName).string(); }

    std::string WriteCsv(const std::string& strBytes, const std::string& strName = "in.csv") const
    {
        WriteBytes(m_dir / strName, strBytes);
        return PathOf(strName);
    }

    // One text of a definition file and what replaces it.
    struct SEdit {
        std::string strFrom;
        std::string strTo;
    };

    // Makes a definition folder holding every shipped file, the named one
    // edited, and points the lookup at it.
    void UseDefinition(const std::string& strFile, const std::vector<SEdit>& edits)
    {
        const std::filesystem::path folder = m_dir / "definitions";
        std::filesystem::create_directories(folder);
        for (const auto& entry : std::filesystem::directory_iterator(TESVANT_DEFINITION_SOURCE_DIR))
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        std::string strText = ReadBytes((folder / strFile).string());
        for (const SEdit& edit : edits) {
            const size_t nPos = strText.find(edit.strFrom);
            ASSERT_NE(nPos, std::string::npos) << edit.strFrom;
            strText.replace(nPos, edit.strFrom.size(), edit.strTo);
        }
        WriteBytes(folder / strFile, strText);
        setenv("TESVANT_DEFINITION_DIR", folder.string().c_str(), 1);
    }

    // An empty definition folder: no definition can be found.
    void UseNoDefinitions()
    {
        const std::filesystem::path folder = m_dir / "nodefinitions";
        std::filesystem::create_directories(folder);
        setenv("TESVANT_DEFINITION_DIR", folder.string().c_str(), 1);
    }

    static SRun Finish(CLCCbCDataManager& manager, bool bPassed, std::string strXml = std::string())
    {
        SRun run{bPassed, std::move(strXml), manager.GetErrorMsg()};
        manager.Terminate();
        return run;
    }

    CLCCbCCommon::EXEC_MODE m_mode;
    std::filesystem::path m_dir;
    std::optional<std::string> m_strOldDefinitionDir;
};

} // namespace enginetest
