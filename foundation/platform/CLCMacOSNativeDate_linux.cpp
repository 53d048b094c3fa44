// The clock of the Linux platform layer.
#include "foundation/platform/CLCPlatformSystem.h"
#include <ctime>

CLCDate CLCPlatformSystem::LocalNow()
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    CLCDate now;
    now.year = tm.tm_year + 1900;
    now.month = tm.tm_mon + 1;
    now.day = tm.tm_mday;
    now.hour = tm.tm_hour;
    now.minute = tm.tm_min;
    now.second = tm.tm_sec;
    return now;
}
