#include "WinTestSupport.h"
#include "foundation/platform/CLCMacOSNative.h"
#include <windows.h>
#include <stdexcept>

namespace fs = std::filesystem;

wintest::CTestFolder::CTestFolder()
{
    static unsigned s_nCount = 0;
    const std::string strName = "tesvant_\xE2\x91\xA0\xE9\xAB\x99_" + std::to_string(GetCurrentProcessId()) + "_"
                                + std::to_string(s_nCount++);
    m_strPath = CLCMacOSNative::appendFilePath(CLCMacOSNative::temporaryDirectory().c_str(), strName.c_str());
    std::error_code ec;
    fs::remove_all(fs::u8path(m_strPath), ec);
    if (!fs::create_directory(fs::u8path(m_strPath), ec))
        throw std::runtime_error("no test folder: " + m_strPath);
}

wintest::CTestFolder::~CTestFolder()
{
    std::error_code ec;
    fs::remove_all(fs::u8path(m_strPath), ec);
}

std::string wintest::CTestFolder::Write(const std::string& strName, const std::string& strBytes) const
{
    const std::string strPath = *this / strName;
    WriteBytes(strPath, strBytes);
    return strPath;
}

wintest::CEnvVar::CEnvVar(const char* szName) : m_strName(szName)
{
    const char* sz = std::getenv(szName);
    m_bHad = sz != nullptr;
    if (m_bHad)
        m_strOld = sz;
}

wintest::CEnvVar::~CEnvVar()
{
    if (m_bHad)
        Set(m_strOld.c_str());
    else
        Unset();
}

void wintest::CEnvVar::Set(const char* szValue) const
{
    // An empty value would remove the variable; a blank keeps it present.
    _putenv_s(m_strName.c_str(), *szValue == '\0' ? " " : szValue);
}

void wintest::CEnvVar::Unset() const
{
    _putenv_s(m_strName.c_str(), "");
}

std::string wintest::SourceDefinition(const std::string& strName)
{
    return ReadBytes(std::string(TESVANT_SOURCE_DIR) + "/definitions/" + strName);
}
