#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

// A fresh folder per test, removed with everything in it at the end. Throws
// when no folder can be made, so a test never writes into the working folder.
class CTestFolder {
public:
    CTestFolder()
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "tesvant_test_XXXXXX").string();
        if (mkdtemp(strTemplate.data()) == nullptr)
            throw std::runtime_error("no temporary folder: " + strTemplate);
        m_path = strTemplate;
    }
    ~CTestFolder()
    {
        std::error_code ec;
        // A test may have taken write permission away; give it back first.
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& strName) const { return (m_path / strName).string(); }

    // Writes the bytes as they stand and answers the file's path.
    std::string Write(const std::string& strName, const std::string& strBytes) const
    {
        std::string strPath = *this / strName;
        std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
        out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
        return strPath;
    }

private:
    std::filesystem::path m_path;
};
