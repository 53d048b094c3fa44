#include "WinTest.h"
#include <windows.h>
#include <objbase.h>
#include <cstdio>
#include <exception>

namespace {
const char* g_szCurrent = "";
int g_nCaseFailures = 0;
} // namespace

std::vector<wintest::SCase>& wintest::Cases()
{
    static std::vector<SCase> s_vecCases;
    return s_vecCases;
}

void wintest::Fail(const char* szFile, int nLine, const std::string& strWhat)
{
    ++g_nCaseFailures;
    std::printf("FAILED %s (%s:%d)\n      %s\n", g_szCurrent, szFile, nLine, strWhat.c_str());
}

std::string wintest::Show(const std::string& str)
{
    std::string strShown = "\"";
    for (unsigned char ch : str) {
        if (ch >= 0x20 && ch < 0x7F && ch != '\\') {
            strShown += static_cast<char>(ch);
            continue;
        }
        char szHex[8];
        std::snprintf(szHex, sizeof(szHex), "\\x%02X", ch);
        strShown += szHex;
    }
    return strShown + "\"";
}

int main()
{
    // The dialog and MSXML live in a single-threaded apartment, as in a host.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int nPassed = 0;
    int nFailed = 0;
    for (const wintest::SCase& c : wintest::Cases()) {
        g_szCurrent = c.szName;
        g_nCaseFailures = 0;
        try {
            c.pfnRun();
        } catch (const std::exception& e) {
            wintest::Fail(__FILE__, __LINE__, std::string("exception: ") + e.what());
        } catch (...) {
            wintest::Fail(__FILE__, __LINE__, "unknown exception");
        }
        ++(g_nCaseFailures == 0 ? nPassed : nFailed);
    }
    std::printf("%d passed, %d failed\n", nPassed, nFailed);
    CoUninitialize();
    return nFailed == 0 ? 0 : 1;
}
