#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

// A fresh folder per test, removed with everything in it at the end.
class CTestFolder {
public:
    CTestFolder()
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "tesvant_test_XXXXXX").string();
        if (mkdtemp(strTemplate.data()) != nullptr)
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

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out << strBytes;
}

inline std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Sets nothing itself; restores the variable's value (or absence) at the end.
class CEnvVar {
public:
    explicit CEnvVar(const char* szName) : m_strName(szName)
    {
        const char* sz = std::getenv(szName);
        m_bHad = sz != nullptr;
        if (m_bHad)
            m_strOld = sz;
    }
    ~CEnvVar()
    {
        if (m_bHad)
            setenv(m_strName.c_str(), m_strOld.c_str(), 1);
        else
            unsetenv(m_strName.c_str());
    }

private:
    std::string m_strName, m_strOld;
    bool m_bHad = false;
};
