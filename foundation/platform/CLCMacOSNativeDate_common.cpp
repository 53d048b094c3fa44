// Dates of the platform layer, the same on every system: the current time as
// text (from the system's clock reading) and the strict parser behind the date
// checks.
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/platform/CLCPlatformSystem.h"
#include <string_view>
#include <tuple>

namespace {

std::string_view OrEmpty(const char* sz)
{
    return sz == nullptr ? std::string_view() : std::string_view(sz);
}

void AppendNumber(std::string& strOut, int nValue, size_t nWidth)
{
    std::string strDigits = std::to_string(nValue);
    if (strDigits.size() < nWidth)
        strOut.append(nWidth - strDigits.size(), '0');
    strOut += strDigits;
}

// Formats with the Unicode date-pattern letters the system uses: y, M, d, H,
// m, s (a run of n letters pads to n digits; "yy" is the year's last two
// digits). Text in single quotes is literal, "''" is one quote; other
// characters, and letters without a meaning here, are copied as they stand.
std::string FormatPicture(std::string_view svPicture, const CLCDate& now)
{
    std::string strOut;
    size_t i = 0;
    while (i < svPicture.size()) {
        const char c = svPicture[i];
        if (c == '\'') {
            if (i + 1 < svPicture.size() && svPicture[i + 1] == '\'') {
                strOut += '\'';
                i += 2;
                continue;
            }
            ++i;
            while (i < svPicture.size()) {
                if (svPicture[i] != '\'') {
                    strOut += svPicture[i++];
                    continue;
                }
                if (i + 1 < svPicture.size() && svPicture[i + 1] == '\'') {
                    strOut += '\'';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            continue;
        }
        size_t nRun = 1;
        while (i + nRun < svPicture.size() && svPicture[i + nRun] == c)
            ++nRun;
        switch (c) {
        case 'y':
            if (nRun == 2)
                AppendNumber(strOut, now.year % 100, 2);
            else
                AppendNumber(strOut, now.year, nRun);
            break;
        case 'M': AppendNumber(strOut, now.month, nRun); break;
        case 'd': AppendNumber(strOut, now.day, nRun); break;
        case 'H': AppendNumber(strOut, now.hour, nRun); break;
        case 'm': AppendNumber(strOut, now.minute, nRun); break;
        case 's': AppendNumber(strOut, now.second, nRun); break;
        default: strOut.append(svPicture.substr(i, nRun)); break;
        }
        i += nRun;
    }
    return strOut;
}

// ---- date parsing ----

struct SEra {
    std::string_view svName;
    int nYear, nMonth, nDay;   // first day of the era (Gregorian)
};
// First days as the Unicode CLDR calendar data gives them; later eras are added
// here when they are proclaimed.
constexpr SEra kEras[] = {
    {"明治", 1868, 9, 8},
    {"大正", 1912, 7, 30},
    {"昭和", 1926, 12, 25},
    {"平成", 1989, 1, 8},
    {"令和", 2019, 5, 1},
};

bool IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

int DaysInMonth(int nYear, int nMonth)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

class CDateScanner {
public:
    explicit CDateScanner(std::string_view sv) : m_sv(sv) {}

    // Reads nMin to nMax ASCII digits (as many as there are, up to nMax).
    bool Digits(size_t nMin, size_t nMax, int& nValue)
    {
        size_t n = 0;
        nValue = 0;
        while (n < nMax && m_nPos < m_sv.size() && m_sv[m_nPos] >= '0' && m_sv[m_nPos] <= '9') {
            nValue = nValue * 10 + (m_sv[m_nPos] - '0');
            ++m_nPos;
            ++n;
        }
        return n >= nMin;
    }
    bool Literal(char c)
    {
        if (m_nPos >= m_sv.size() || m_sv[m_nPos] != c)
            return false;
        ++m_nPos;
        return true;
    }
    bool Prefix(std::string_view sv)
    {
        if (m_sv.substr(m_nPos, sv.size()) != sv)
            return false;
        m_nPos += sv.size();
        return true;
    }
    bool AtEnd() const { return m_nPos == m_sv.size(); }

private:
    std::string_view m_sv;
    size_t m_nPos = 0;
};

// "/MM/dd" and, when wanted, " HH:mm:ss" up to the end of the text.
bool ScanRest(CDateScanner& scan, bool bWithTime, CLCDate& date)
{
    if (!scan.Literal('/') || !scan.Digits(1, 2, date.month)
        || !scan.Literal('/') || !scan.Digits(1, 2, date.day))
        return false;
    if (bWithTime) {
        if (!scan.Literal(' ') || !scan.Digits(1, 2, date.hour)
            || !scan.Literal(':') || !scan.Digits(1, 2, date.minute)
            || !scan.Literal(':') || !scan.Digits(1, 2, date.second))
            return false;
    }
    return scan.AtEnd();
}

bool IsValidDate(const CLCDate& date)
{
    return date.year >= 1 && date.month >= 1 && date.month <= 12
        && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month)
        && date.hour >= 0 && date.hour <= 23 && date.minute >= 0 && date.minute <= 59
        && date.second >= 0 && date.second <= 59;
}

std::tuple<int, int, int> DayKey(int nYear, int nMonth, int nDay)
{
    return {nYear, nMonth, nDay};
}

void ReplaceAll(std::string& str, std::string_view svFrom, std::string_view svTo)
{
    for (size_t nPos = str.find(svFrom); nPos != std::string::npos; nPos = str.find(svFrom, nPos + svTo.size()))
        str.replace(nPos, svFrom.size(), svTo);
}

// "yyyy/MM/dd[ HH:mm:ss]" after "-" and "." have become "/". The calendar is
// the proleptic Gregorian one.
bool ParseGregorian(std::string strText, CLCDate& date)
{
    const bool bWithTime = strText.find(':') != std::string::npos;
    for (char& c : strText) {
        if (c == '-' || c == '.')
            c = '/';
    }
    CDateScanner scan(strText);
    return scan.Digits(4, 4, date.year) && ScanRest(scan, bWithTime, date) && IsValidDate(date);
}

// "<era>yy/MM/dd[ HH:mm:ss]" after "元" has become "01", "年" and "月" "/" and
// "日" has gone. A date must lie within its era: from the era's first day up to
// the day before the next era's first day. "平成31年5月1日" and "令和元年4月30日"
// are refused rather than moved into the neighbouring era, since a filing that
// writes them holds a typing error, not a date.
bool ParseJapaneseEra(std::string strText, CLCDate& date)
{
    const bool bWithTime = strText.find(':') != std::string::npos;
    ReplaceAll(strText, "元", "01");
    ReplaceAll(strText, "年", "/");
    ReplaceAll(strText, "月", "/");
    ReplaceAll(strText, "日", "");

    constexpr size_t kEraCount = sizeof(kEras) / sizeof(kEras[0]);
    for (size_t i = 0; i < kEraCount; ++i) {
        CDateScanner scan(strText);
        if (!scan.Prefix(kEras[i].svName))
            continue;
        int nEraYear = 0;
        if (!scan.Digits(1, 2, nEraYear) || nEraYear < 1 || !ScanRest(scan, bWithTime, date))
            return false;
        const SEra& era = kEras[i];
        date.year = era.nYear + nEraYear - 1;
        if (!IsValidDate(date))
            return false;
        const auto key = DayKey(date.year, date.month, date.day);
        if (key < DayKey(era.nYear, era.nMonth, era.nDay))
            return false;
        if (i + 1 < kEraCount) {
            const SEra& next = kEras[i + 1];
            if (!(key < DayKey(next.nYear, next.nMonth, next.nDay)))
                return false;
        }
        return true;
    }
    return false;
}

} // namespace

std::string CLCMacOSNative::dateTimeNow(const char* szDatePicture, const char* szTimePicture)
{
    std::string strPicture(OrEmpty(szDatePicture));
    const std::string_view svTime = OrEmpty(szTimePicture);
    if (!svTime.empty()) {
        if (!strPicture.empty())
            strPicture += ' ';
        strPicture.append(svTime);
    }
    if (strPicture.empty())
        return std::string();
    return FormatPicture(strPicture, CLCPlatformSystem::LocalNow());
}

void CLCMacOSNative::dateTimeNowParts(const char* szDatePicture, const char* szTimePicture,
                                      std::string& strDate, std::string& strTime)
{
    const CLCDate now = CLCPlatformSystem::LocalNow();
    strDate = FormatPicture(OrEmpty(szDatePicture), now);
    strTime = FormatPicture(OrEmpty(szTimePicture), now);
}

bool dateStringToDate(const std::string& strText, CLCDate& date)
{
    static constexpr std::string_view kGregorianChars = "1234567890/:.- ";
    CLCDate parsed;
    const bool bGregorian = strText.find_first_not_of(kGregorianChars) == std::string::npos;
    const bool bOk = bGregorian ? ParseGregorian(strText, parsed) : ParseJapaneseEra(strText, parsed);
    if (!bOk)
        return false;
    date = parsed;
    return true;
}

bool CLCMacOSNative::dateTimeChange(const char* szText)
{
    if (szText == nullptr)
        return false;
    CLCDate date;
    return dateStringToDate(szText, date);
}

int CLCMacOSNative::dateTimeComp(const char* szA, const char* szB)
{
    CLCDate a, b;
    if (szA == nullptr || !dateStringToDate(szA, a))
        return -1;
    if (szB == nullptr || !dateStringToDate(szB, b))
        return -2;
    const auto keyA = std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second);
    const auto keyB = std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
    if (keyA < keyB)
        return 2;
    return keyA == keyB ? 0 : 1;
}
