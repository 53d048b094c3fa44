#pragma once
// Shared builders of the Windows tests: a private folder whose name holds
// characters outside every ANSI code page but 932, file bytes in and out, and
// environment variables put back at the end.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace wintest {

// "①髙" in the folder name: opening anything inside proves the W functions.
class CTestFolder {
public:
    CTestFolder();
    ~CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    // UTF-8, with backslashes.
    const std::string& Path() const { return m_strPath; }
    std::string operator/(const std::string& strName) const { return m_strPath + "\\" + strName; }
    std::string Write(const std::string& strName, const std::string& strBytes) const;

private:
    std::string m_strPath;
};

inline void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream out(std::filesystem::u8path(strPath), std::ios::binary | std::ios::trunc);
    out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
}

inline std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(std::filesystem::u8path(strPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& strPath)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::u8path(strPath), ec);
}

// Restores the variable's value (or absence) at the end; Set and Unset go
// through the C runtime, which the core reads.
class CEnvVar {
public:
    explicit CEnvVar(const char* szName);
    ~CEnvVar();
    void Set(const char* szValue) const;
    void Unset() const;

private:
    std::string m_strName, m_strOld;
    bool m_bHad = false;
};

// A definition file of the source tree, as the resources hold it.
std::string SourceDefinition(const std::string& strName);

} // namespace wintest
