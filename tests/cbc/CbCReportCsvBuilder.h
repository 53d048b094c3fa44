#pragma once
// Builds CbC report CSV files from a small in-memory model, and the CBC_OECD
// text a conversion of that model must give, written from the conversion
// definitions' trees independently of the engine. Values are UTF-8 in the
// model; the file is written as CP932 with CR LF line ends.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cbctest {

// First: check 205, conversion 206, CBC_OECD 1.0.1. Second: 209 / 208, 2.0.
enum class ELayout { First, Second };

unsigned short CheckDefinition(ELayout eLayout);
unsigned short ConvertDefinition(ELayout eLayout);

struct SMessageSpec {
    std::string strVersion;
    std::string strReceivingCountry;   // "/"-separated
    std::string strWarning;
    std::string strMessageRefId;
    std::string strMessageTypeIndic;
    std::string strReportingPeriod;
    std::string strCurrency;
};

struct SReportingEntity {
    std::string strDocTypeIndic;
    std::string strDocRefId;
    std::string strCorrDocRefId;
    std::string strTin;
    std::string strIn;
    std::string strName;
    std::string strAddressFree;
    std::string strNameMNEGroup;   // second layout only
    std::string strReportingRole;
    std::string strStartDate;      // second layout only
    std::string strEndDate;        // second layout only
};

// Unrelated, Related, Total, ProfitOrLoss, TaxPaid, TaxAccrued, Capital,
// Earnings, NbEmployees, Assets: CSV columns 6 to 15.
constexpr size_t kAmountCount = 10;

struct SSummary {
    std::string strDocTypeIndic;
    std::string strDocRefId;
    std::string strCorrDocRefId;
    std::string strResCountryCode;
    std::array<std::string, kAmountCount> amounts;
};

struct SConstEntity {
    std::string strResCountryCode;
    std::string strTin;
    std::string strIn;
    std::string strName;
    std::string strCountryCode;
    std::string strAddressFree;
    std::string strRole;   // second layout only
    std::string strIncorpCountryCode;
    std::string strBizActivities;   // "/"-separated
    std::string strOtherEntityInfo;
};

struct SAdditionalInfo {
    std::string strDocTypeIndic;
    std::string strDocRefId;
    std::string strCorrDocRefId;
    std::string strOtherInfo;
    std::string strResCountryCode;
    std::string strSummaryRef;
};

struct SCbCReport {
    ELayout eLayout = ELayout::First;
    SMessageSpec header;
    std::optional<SReportingEntity> entity;
    std::vector<SSummary> vecSummaries;
    std::vector<SConstEntity> vecConstEntities;
    std::vector<SAdditionalInfo> vecInfos;

    // Record numbers as error rows name them (1-based, records in file order).
    long HeaderLine() const { return 1; }
    long EntityLine() const { return 2; }
    long SummaryLine(size_t i) const;
    long ConstEntityLine(size_t i) const;
    long InfoLine(size_t i) const;
};

// The records of the model, kind first, one vector of UTF-8 columns each, with
// the column counts of the layout (message header 8, reporting entity 9 or 12,
// summary 15, constituent entity 10 or 11, additional info 7).
std::vector<std::vector<std::string>> Records(const SCbCReport& report);

// One CSV line in the system's dialect: a value holding a comma, a quote, a
// line end or surrounding blanks is quoted, inner quotes doubled; ends with CR LF.
std::string CsvLine(const std::vector<std::string>& vecColumns);

// UTF-8 to CP932 for ASCII and the Japanese characters of kJapaneseWords;
// any other character throws std::invalid_argument, so a fixture never relies
// on the converter under test.
std::string ToCp932(const std::string& strUtf8);

// The CSV file's bytes.
std::string CsvBytes(const SCbCReport& report);

// Japanese words the fixtures use (kana, kanji, CP932 extensions such as the
// NEC circled digit and the IBM kanji, and characters whose second byte is 0x5C).
const std::vector<std::string>& JapaneseWords();

// The Timestamp that normalised output and expected texts carry.
inline const std::string kFixedTimestamp = "2000-01-01T00:00:00";

// What the conversion must write for the model, with the given Timestamp.
std::string ExpectedXml(const SCbCReport& report, const std::string& strTimestamp = kFixedTimestamp);

// Replaces the text of the one Timestamp element by kFixedTimestamp. False
// when there is not exactly one Timestamp or its text is no local date-time
// of the form yyyy-MM-ddTHH:mm:ss.
bool NormaliseTimestamp(std::string& strXml);

// The XML escaping of CSV values (the five predefined entities).
std::string Escape(const std::string& strText);

// The clean reports of the golden tests: every record kind, texts with & < > "
// and quoted CSV values, all rules and cross checks of the layout's check
// definition passing. Summaries JP, US and X5 with their constituent entities
// listed out of country order.
SCbCReport GoldenReport(ELayout eLayout);

// The golden report with Japanese texts (CP932 extensions and second bytes
// 0x5C among them) in the reporting entity's Name (column 7) and AddressFree
// (8), the constituent entities' Name (5) and AddressFree (7) of record 1,
// Name of record 3, OtherEntityInfo of record 4 (10, second layout 11), and the
// first additional info's OtherInfo (5). The check refuses them (latinString);
// the conversion writes them as UTF-8.
SCbCReport JapaneseReport(ELayout eLayout);

// The corporate number the golden reports are filed under.
std::string GoldenCorporateNumber();

// A 13-digit corporate number with a correct check digit, from 12 digits.
std::string CorporateNumber(const std::string& strTwelveDigits);

} // namespace cbctest
