#pragma once
#include "TestFolder.h"
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

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
