#include "cbc/CLCCbCValidCodeCheck.h"
#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

namespace {
// The code lists of the filings' schemas. They stay as the schemas have them:
// a newer ISO list must not be merged in here.
// ISO 3166-1 alpha-2 with XK and X5.
constexpr const char* ISO3166Alpha2_Table[] = {
    "AD", "AE", "AF", "AG", "AI", "AL", "AM", "AO", "AQ", "AR", "AS", "AT", "AU", "AW", "AX", "AZ",
    "BA", "BB", "BD", "BE", "BF", "BG", "BH", "BI", "BJ", "BL", "BM", "BN", "BO", "BQ", "BR", "BS",
    "BT", "BV", "BW", "BY", "BZ", "CA", "CC", "CD", "CF", "CG", "CH", "CI", "CK", "CL", "CM", "CN",
    "CO", "CR", "CU", "CV", "CW", "CX", "CY", "CZ", "DE", "DJ", "DK", "DM", "DO", "DZ", "EC", "EE",
    "EG", "EH", "ER", "ES", "ET", "FI", "FJ", "FK", "FM", "FO", "FR", "GA", "GB", "GD", "GE", "GF",
    "GG", "GH", "GI", "GL", "GM", "GN", "GP", "GQ", "GR", "GS", "GT", "GU", "GW", "GY", "HK", "HM",
    "HN", "HR", "HT", "HU", "ID", "IE", "IL", "IM", "IN", "IO", "IQ", "IR", "IS", "IT", "JE", "JM",
    "JO", "JP", "KE", "KG", "KH", "KI", "KM", "KN", "KP", "KR", "KW", "KY", "KZ", "LA", "LB", "LC",
    "LI", "LK", "LR", "LS", "LT", "LU", "LV", "LY", "MA", "MC", "MD", "ME", "MF", "MG", "MH", "MK",
    "ML", "MM", "MN", "MO", "MP", "MQ", "MR", "MS", "MT", "MU", "MV", "MW", "MX", "MY", "MZ", "NA",
    "NC", "NE", "NF", "NG", "NI", "NL", "NO", "NP", "NR", "NU", "NZ", "OM", "PA", "PE", "PF", "PG",
    "PH", "PK", "PL", "PM", "PN", "PR", "PS", "PT", "PW", "PY", "QA", "RE", "RO", "RS", "RU", "RW",
    "SA", "SB", "SC", "SD", "SE", "SG", "SH", "SI", "SJ", "SK", "SL", "SM", "SN", "SO", "SR", "SS",
    "ST", "SV", "SX", "SY", "SZ", "TC", "TD", "TF", "TG", "TH", "TJ", "TK", "TL", "TM", "TN", "TO",
    "TR", "TT", "TV", "TW", "TZ", "UA", "UG", "UM", "US", "UY", "UZ", "VA", "VC", "VE", "VG", "VI",
    "VN", "VU", "WF", "WS", "X5", "XK", "YE", "YT", "ZA", "ZM", "ZW",
};
// ISO 4217 alphabetic codes.
constexpr const char* ISO4217Alpha3_Table[] = {
    "AED", "AFN", "ALL", "AMD", "ANG", "AOA", "ARS", "AUD", "AWG", "AZN", "BAM", "BBD", "BDT", "BGN", "BHD", "BIF",
    "BMD", "BND", "BOB", "BOV", "BRL", "BSD", "BTN", "BWP", "BYR", "BZD", "CAD", "CDF", "CHE", "CHF", "CHW", "CLF",
    "CLP", "CNY", "COP", "COU", "CRC", "CUC", "CUP", "CVE", "CZK", "DJF", "DKK", "DOP", "DZD", "EGP", "ERN", "ETB",
    "EUR", "FJD", "FKP", "GBP", "GEL", "GHS", "GIP", "GMD", "GNF", "GTQ", "GYD", "HKD", "HNL", "HRK", "HTG", "HUF",
    "IDR", "ILS", "INR", "IQD", "IRR", "ISK", "JMD", "JOD", "JPY", "KES", "KGS", "KHR", "KMF", "KPW", "KRW", "KWD",
    "KYD", "KZT", "LAK", "LBP", "LKR", "LRD", "LSL", "LTL", "LVL", "LYD", "MAD", "MDL", "MGA", "MKD", "MMK", "MNT",
    "MOP", "MRO", "MUR", "MVR", "MWK", "MXN", "MXV", "MYR", "MZN", "NAD", "NGN", "NIO", "NOK", "NPR", "NZD", "OMR",
    "PAB", "PEN", "PGK", "PHP", "PKR", "PLN", "PYG", "QAR", "RON", "RSD", "RUB", "RWF", "SAR", "SBD", "SCR", "SDG",
    "SEK", "SGD", "SHP", "SLL", "SOS", "SRD", "SSP", "STD", "SVC", "SYP", "SZL", "THB", "TJS", "TMT", "TND", "TOP",
    "TRY", "TTD", "TWD", "TZS", "UAH", "UGX", "USD", "USN", "USS", "UYI", "UYU", "UZS", "VEF", "VND", "VUV", "WST",
    "XAF", "XAG", "XAU", "XBA", "XBB", "XBC", "XBD", "XCD", "XDR", "XFU", "XOF", "XPD", "XPF", "XPT", "XSU", "XUA",
    "XXX", "YER", "ZAR", "ZMW", "ZWL",
};
// Each second list is its first list followed by its additions, in that order.
template <size_t N, size_t M>
constexpr std::array<const char*, N + M> Joined(const char* const (&pFirst)[N], const char* const (&pMore)[M])
{
    std::array<const char*, N + M> codes{};
    for (size_t i = 0; i < N; ++i)
        codes[i] = pFirst[i];
    for (size_t i = 0; i < M; ++i)
        codes[N + i] = pMore[i];
    return codes;
}
// "country" with XX.
constexpr const char* kCountry2More[] = {"XX"};
constexpr auto ISO3166Alpha2_Table2 = Joined(ISO3166Alpha2_Table, kCountry2More);
// "currency" with BYN, MRU, STN, UYW and VES.
constexpr const char* kCurrency2More[] = {"BYN", "MRU", "STN", "UYW", "VES"};
constexpr auto ISO4217Alpha3_Table2 = Joined(ISO4217Alpha3_Table, kCurrency2More);

static_assert(sizeof(ISO3166Alpha2_Table) / sizeof(ISO3166Alpha2_Table[0]) == 251, "country");
static_assert(ISO3166Alpha2_Table2.size() == 252, "country2");
static_assert(sizeof(ISO4217Alpha3_Table) / sizeof(ISO4217Alpha3_Table[0]) == 181, "currency");
static_assert(ISO4217Alpha3_Table2.size() == 186, "currency2");

struct SCodeList {
    std::string_view szName;
    const char* const* pCodes;
    size_t nCodes;
};
constexpr SCodeList kCodeLists[] = {
    {"country", ISO3166Alpha2_Table, sizeof(ISO3166Alpha2_Table) / sizeof(ISO3166Alpha2_Table[0])},
    {"country2", ISO3166Alpha2_Table2.data(), ISO3166Alpha2_Table2.size()},
    {"currency", ISO4217Alpha3_Table, sizeof(ISO4217Alpha3_Table) / sizeof(ISO4217Alpha3_Table[0])},
    {"currency2", ISO4217Alpha3_Table2.data(), ISO4217Alpha3_Table2.size()},
};

// The list's codes in byte order, sorted once: a lookup is a binary search,
// which finds exactly the codes a search of the whole list would.
const std::vector<std::string_view>& SortedCodes(const SCodeList& list)
{
    static const auto s_sorted = [] {
        std::array<std::vector<std::string_view>, std::size(kCodeLists)> sorted;
        for (size_t i = 0; i < sorted.size(); ++i) {
            sorted[i].assign(kCodeLists[i].pCodes, kCodeLists[i].pCodes + kCodeLists[i].nCodes);
            std::sort(sorted[i].begin(), sorted[i].end());
        }
        return sorted;
    }();
    return s_sorted[static_cast<size_t>(&list - kCodeLists)];
}

bool InList(const SCodeList& list, std::string_view svCode)
{
    const std::vector<std::string_view>& vecSorted = SortedCodes(list);
    return std::binary_search(vecSorted.begin(), vecSorted.end(), svCode);
}
} // namespace

CLCCbCValidCodeCheck::CLCCbCValidCodeCheck(long lColumn, CLCCbCMessage_t message)
    : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidCodeCheck::SetParam(const char* szValue)
{
    m_strParam = szValue != nullptr ? szValue : "";
}

CLCCbCMessage_t CLCCbCValidCodeCheck::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidCodeCheck::_validate", [&]() {
        const SCodeList* pList = nullptr;
        for (const SCodeList& list : kCodeLists) {
            if (list.szName == m_strParam)
                pList = &list;
        }
        if (pList == nullptr)
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidCodeCheck::_validate");
        if (szValue == nullptr || *szValue == '\0')
            return HE60009E;
        const std::string_view svValue(szValue);
        if (svValue.front() == '/' || svValue.back() == '/' || svValue.find("//") != std::string_view::npos)
            return HE60009E;
        // No part is empty here: every "/" stands between two codes.
        for (size_t nStart = 0; nStart <= svValue.size();) {
            const size_t nEnd = std::min(svValue.find('/', nStart), svValue.size());
            if (!InList(*pList, svValue.substr(nStart, nEnd - nStart)))
                return HE60009E;
            nStart = nEnd + 1;
        }
        return CBC_MSG_NONE;
    });
}
