// The clock of the Win32 platform layer. The pictures are formatted by the
// portable code in the Gregorian calendar, so the user's calendar setting is
// neither read nor changed.
#include "foundation/platform/CLCPlatformSystem.h"
#include <windows.h>

CLCDate CLCPlatformSystem::LocalNow()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    CLCDate now;
    now.year = st.wYear;
    now.month = st.wMonth;
    now.day = st.wDay;
    now.hour = st.wHour;
    now.minute = st.wMinute;
    now.second = st.wSecond;
    return now;
}
