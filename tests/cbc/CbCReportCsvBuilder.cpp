#include "cbc/CbCReportCsvBuilder.h"

#include <regex>
#include <stdexcept>
#include <string_view>

namespace cbctest {

namespace {

// Each word in UTF-8 and in CP932, both as bytes; the CP932 side was taken
// from the code page's table, not from the system's converter.
struct SWord {
    std::string_view svUtf8;
    std::string_view svCp932;
};

constexpr SWord kWords[] = {
    {"\xE6\x97\xA5\xE6\x9C\xAC", "\x93\xFA\x96\x7B"},                                  // 日本
    {"\xE6\xA0\xAA\xE5\xBC\x8F\xE4\xBC\x9A\xE7\xA4\xBE", "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0"},  // 株式会社
    {"\xE6\x9D\xB1\xE4\xBA\xAC\xE9\x83\xBD", "\x93\x8C\x8B\x9E\x93\x73"},              // 東京都
    {"\xE5\x8D\x83\xE4\xBB\xA3\xE7\x94\xB0\xE5\x8C\xBA", "\x90\xE7\x91\xE3\x93\x63\x8B\xE6"},  // 千代田区
    {"\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88", "\x83\x65\x83\x58\x83\x67"},              // テスト
    {"\xE8\xA1\xA8\xE7\xA4\xBA", "\x95\x5C\x8E\xA6"},                                  // 表示 (second byte 0x5C)
    {"\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88", "\x83\x5C\x83\x74\x83\x67"},              // ソフト (second byte 0x5C)
    {"\xE8\x83\xBD", "\x94\x5C"},                                                      // 能 (second byte 0x5C)
    {"\xE5\x95\x86\xE4\xBA\x8B", "\x8F\xA4\x8E\x96"},                                  // 商事
    {"\xEF\xBC\x86", "\x81\x95"},                                                      // ＆ (full width)
    {"\xE9\xAB\x99", "\xFB\xFC"},                                                      // 髙 (IBM extension)
    {"\xE2\x91\xA0", "\x87\x40"},                                                      // ① (NEC special)
};

const char* const kRoot1 =
    "<cbc:CBC_OECD version=\"%V\" xmlns:stf=\"urn:oecd:ties:stf:v4\" xmlns:cbc=\"urn:oecd:ties:cbc:v1\" "
    "xmlns:iso=\"urn:oecd:ties:isocbctypes:v1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";
const char* const kRoot2 =
    "<cbc:CBC_OECD version=\"%V\" xmlns:stf=\"urn:oecd:ties:cbcstf:v5\" xmlns:cbc=\"urn:oecd:ties:cbc:v2\" "
    "xmlns:iso=\"urn:oecd:ties:isocbctypes:v1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";

const char* const kAmountNames[kAmountCount] = {"Unrelated", "Related", "Total", "ProfitOrLoss", "TaxPaid",
                                                "TaxAccrued", "Capital", "Earnings", "NbEmployees", "Assets"};

// An element of a CSV value: left out when the value is empty.
std::string Element(const char* szName, const std::string& strValue, const char* szPrefix = "cbc")
{
    if (strValue.empty())
        return "";
    const std::string strTag = std::string(szPrefix) + ":" + szName;
    return "<" + strTag + ">" + Escape(strValue) + "</" + strTag + ">";
}

std::string ElementWithAttr(const char* szName, const std::string& strValue, const char* szAttr,
                            const std::string& strAttrValue)
{
    if (strValue.empty())
        return "";
    return std::string("<cbc:") + szName + " " + szAttr + "=\"" + Escape(strAttrValue) + "\">" + Escape(strValue) +
           "</cbc:" + szName + ">";
}

// One element per non-empty "/"-separated part.
std::string SplitElements(const char* szName, const std::string& strValue)
{
    std::string strOut;
    size_t nStart = 0;
    while (nStart <= strValue.size()) {
        size_t nEnd = strValue.find('/', nStart);
        if (nEnd == std::string::npos)
            nEnd = strValue.size();
        strOut += Element(szName, strValue.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return strOut;
}

std::string DocSpec(const std::string& strType, const std::string& strRef, const std::string& strCorr)
{
    const std::string strChildren =
        Element("DocTypeIndic", strType, "stf") + Element("DocRefId", strRef, "stf") + Element("CorrDocRefId", strCorr, "stf");
    if (strChildren.empty())
        return "";
    return "<cbc:DocSpec>" + strChildren + "</cbc:DocSpec>";
}

// The Address element needs its AddressFree child; the country alone is no address.
std::string Address(const std::string& strCountry, const std::string& strAddressFree)
{
    if (strAddressFree.empty())
        return "";
    return "<cbc:Address legalAddressType=\"OECD304\">" + Element("CountryCode", strCountry) +
           Element("AddressFree", strAddressFree) + "</cbc:Address>";
}

std::string Wrap(const char* szName, const std::string& strChildren)
{
    if (strChildren.empty())
        return "";
    return std::string("<cbc:") + szName + ">" + strChildren + "</cbc:" + szName + ">";
}

std::string MessageSpecXml(const SMessageSpec& header, const std::string& strTimestamp)
{
    return "<cbc:MessageSpec><cbc:TransmittingCountry>JP</cbc:TransmittingCountry>" +
           SplitElements("ReceivingCountry", header.strReceivingCountry) +
           "<cbc:MessageType>CBC</cbc:MessageType><cbc:Language>EN</cbc:Language>" +
           Element("Warning", header.strWarning) + Element("MessageRefId", header.strMessageRefId) +
           Element("MessageTypeIndic", header.strMessageTypeIndic) +
           Element("ReportingPeriod", header.strReportingPeriod) +
           "<cbc:Timestamp>" + strTimestamp + "</cbc:Timestamp></cbc:MessageSpec>";
}

std::string ReportingEntityXml(ELayout eLayout, const SReportingEntity& re)
{
    const std::string strEntity = "<cbc:Entity><cbc:ResCountryCode>JP</cbc:ResCountryCode>" +
                                  ElementWithAttr("TIN", re.strTin, "issuedBy", "JP") + Element("IN", re.strIn) +
                                  Element("Name", re.strName) + Address("JP", re.strAddressFree) + "</cbc:Entity>";
    std::string strOut = strEntity;
    if (eLayout == ELayout::Second)
        strOut += Element("NameMNEGroup", re.strNameMNEGroup);
    strOut += Element("ReportingRole", re.strReportingRole);
    if (eLayout == ELayout::Second)
        strOut += Wrap("ReportingPeriod", Element("StartDate", re.strStartDate) + Element("EndDate", re.strEndDate));
    strOut += DocSpec(re.strDocTypeIndic, re.strDocRefId, re.strCorrDocRefId);
    return Wrap("ReportingEntity", strOut);
}

std::string SummaryXml(const SSummary& summary, const std::string& strCurrency)
{
    std::string strRevenues;
    for (size_t i = 0; i < 3; ++i)
        strRevenues += ElementWithAttr(kAmountNames[i], summary.amounts[i], "currCode", strCurrency);
    std::string strSummary = Wrap("Revenues", strRevenues);
    for (size_t i = 3; i < kAmountCount; ++i) {
        strSummary += i == 8 ? Element(kAmountNames[i], summary.amounts[i])
                             : ElementWithAttr(kAmountNames[i], summary.amounts[i], "currCode", strCurrency);
    }
    return DocSpec(summary.strDocTypeIndic, summary.strDocRefId, summary.strCorrDocRefId) +
           Element("ResCountryCode", summary.strResCountryCode) + Wrap("Summary", strSummary);
}

std::string ConstEntityXml(ELayout eLayout, const SConstEntity& ce)
{
    const std::string strEntity = Element("ResCountryCode", ce.strResCountryCode) +
                                  ElementWithAttr("TIN", ce.strTin, "issuedBy", ce.strResCountryCode) +
                                  Element("IN", ce.strIn) + Element("Name", ce.strName) +
                                  Address(ce.strCountryCode, ce.strAddressFree);
    std::string strOut = Wrap("ConstEntity", strEntity);
    if (eLayout == ELayout::Second)
        strOut += Element("Role", ce.strRole);
    strOut += Element("IncorpCountryCode", ce.strIncorpCountryCode) +
              SplitElements("BizActivities", ce.strBizActivities) + Element("OtherEntityInfo", ce.strOtherEntityInfo);
    return Wrap("ConstEntities", strOut);
}

std::string InfoXml(const SAdditionalInfo& info)
{
    const std::string strOtherInfo = info.strOtherInfo.empty() ? "<cbc:OtherInfo/>" : Element("OtherInfo", info.strOtherInfo);
    return Wrap("AdditionalInfo", DocSpec(info.strDocTypeIndic, info.strDocRefId, info.strCorrDocRefId) + strOtherInfo +
                                      Element("ResCountryCode", info.strResCountryCode) +
                                      Element("SummaryRef", info.strSummaryRef));
}

bool NeedsQuotes(const std::string& strValue)
{
    if (strValue.empty())
        return false;
    if (strValue.find_first_of(",\"\r\n") != std::string::npos)
        return true;
    return strValue.front() == ' ' || strValue.back() == ' ' || strValue.front() == '\t' || strValue.back() == '\t';
}

} // namespace

unsigned short CheckDefinition(ELayout eLayout)
{
    return eLayout == ELayout::First ? 205 : 209;
}

unsigned short ConvertDefinition(ELayout eLayout)
{
    return eLayout == ELayout::First ? 206 : 208;
}

long SCbCReport::SummaryLine(size_t i) const
{
    return 1 + (entity ? 1 : 0) + static_cast<long>(i) + 1;
}

long SCbCReport::ConstEntityLine(size_t i) const
{
    return SummaryLine(vecSummaries.size()) + static_cast<long>(i);
}

long SCbCReport::InfoLine(size_t i) const
{
    return ConstEntityLine(vecConstEntities.size()) + static_cast<long>(i);
}

std::vector<std::vector<std::string>> Records(const SCbCReport& report)
{
    const bool bSecond = report.eLayout == ELayout::Second;
    std::vector<std::vector<std::string>> vecRecords;
    const SMessageSpec& s = report.header;
    vecRecords.push_back({"1", s.strVersion, s.strReceivingCountry, s.strWarning, s.strMessageRefId,
                          s.strMessageTypeIndic, s.strReportingPeriod, s.strCurrency});
    if (report.entity) {
        const SReportingEntity& re = *report.entity;
        std::vector<std::string> rec = {"2", re.strDocTypeIndic, re.strDocRefId, re.strCorrDocRefId, re.strTin,
                                        re.strIn, re.strName, re.strAddressFree};
        if (bSecond) {
            rec.insert(rec.end(), {re.strNameMNEGroup, re.strReportingRole, re.strStartDate, re.strEndDate});
        } else {
            rec.push_back(re.strReportingRole);
        }
        vecRecords.push_back(rec);
    }
    for (const SSummary& sm : report.vecSummaries) {
        std::vector<std::string> rec = {"3", sm.strDocTypeIndic, sm.strDocRefId, sm.strCorrDocRefId, sm.strResCountryCode};
        rec.insert(rec.end(), sm.amounts.begin(), sm.amounts.end());
        vecRecords.push_back(rec);
    }
    for (const SConstEntity& ce : report.vecConstEntities) {
        std::vector<std::string> rec = {"4", ce.strResCountryCode, ce.strTin, ce.strIn, ce.strName, ce.strCountryCode,
                                        ce.strAddressFree};
        if (bSecond)
            rec.push_back(ce.strRole);
        rec.insert(rec.end(), {ce.strIncorpCountryCode, ce.strBizActivities, ce.strOtherEntityInfo});
        vecRecords.push_back(rec);
    }
    for (const SAdditionalInfo& ai : report.vecInfos) {
        vecRecords.push_back({"5", ai.strDocTypeIndic, ai.strDocRefId, ai.strCorrDocRefId, ai.strOtherInfo,
                              ai.strResCountryCode, ai.strSummaryRef});
    }
    return vecRecords;
}

std::string CsvLine(const std::vector<std::string>& vecColumns)
{
    std::string strLine;
    for (size_t i = 0; i < vecColumns.size(); ++i) {
        if (i != 0)
            strLine += ',';
        const std::string& strValue = vecColumns[i];
        if (!NeedsQuotes(strValue)) {
            strLine += strValue;
            continue;
        }
        strLine += '"';
        for (char c : strValue) {
            if (c == '"')
                strLine += '"';
            strLine += c;
        }
        strLine += '"';
    }
    return strLine + "\r\n";
}

std::string ToCp932(const std::string& strUtf8)
{
    std::string strOut;
    size_t i = 0;
    while (i < strUtf8.size()) {
        if (static_cast<unsigned char>(strUtf8[i]) < 0x80) {
            strOut += strUtf8[i++];
            continue;
        }
        bool bFound = false;
        for (const SWord& word : kWords) {
            if (strUtf8.compare(i, word.svUtf8.size(), word.svUtf8) == 0) {
                strOut += word.svCp932;
                i += word.svUtf8.size();
                bFound = true;
                break;
            }
        }
        if (!bFound)
            throw std::invalid_argument("no CP932 bytes known for the text at byte " + std::to_string(i));
    }
    return strOut;
}

std::string CsvBytes(const SCbCReport& report)
{
    std::string strText;
    for (const auto& rec : Records(report))
        strText += CsvLine(rec);
    return ToCp932(strText);
}

const std::vector<std::string>& JapaneseWords()
{
    static const std::vector<std::string> s_vecWords = [] {
        std::vector<std::string> vec;
        for (const SWord& word : kWords)
            vec.emplace_back(word.svUtf8);
        return vec;
    }();
    return s_vecWords;
}

std::string ExpectedXml(const SCbCReport& report, const std::string& strTimestamp)
{
    std::string strRoot = report.eLayout == ELayout::First ? kRoot1 : kRoot2;
    strRoot.replace(strRoot.find("%V"), 2, Escape(report.header.strVersion));

    std::string strBody;
    if (!report.entity && report.vecSummaries.empty() && report.vecConstEntities.empty() && report.vecInfos.empty()) {
        strBody = "<cbc:CbcBody/>";
    } else {
        strBody = "<cbc:CbcBody>";
        if (report.entity)
            strBody += ReportingEntityXml(report.eLayout, *report.entity);
        for (const SSummary& summary : report.vecSummaries) {
            strBody += "<cbc:CbcReports>" + SummaryXml(summary, report.header.strCurrency);
            for (const SConstEntity& ce : report.vecConstEntities) {
                if (ce.strResCountryCode == summary.strResCountryCode)
                    strBody += ConstEntityXml(report.eLayout, ce);
            }
            strBody += "</cbc:CbcReports>";
        }
        for (const SAdditionalInfo& info : report.vecInfos)
            strBody += InfoXml(info);
        strBody += "</cbc:CbcBody>";
    }
    return strRoot + MessageSpecXml(report.header, strTimestamp) + strBody + "</cbc:CBC_OECD>";
}

bool NormaliseTimestamp(std::string& strXml)
{
    static const std::regex s_localDateTime("[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}");
    static const std::string kOpen = "<cbc:Timestamp>";
    static const std::string kClose = "</cbc:Timestamp>";
    const size_t nOpen = strXml.find(kOpen);
    if (nOpen == std::string::npos || strXml.find(kOpen, nOpen + 1) != std::string::npos)
        return false;
    const size_t nValueAt = nOpen + kOpen.size();
    const size_t nClose = strXml.find(kClose, nValueAt);
    if (nClose == std::string::npos)
        return false;
    if (!std::regex_match(strXml.substr(nValueAt, nClose - nValueAt), s_localDateTime))
        return false;
    strXml.replace(nValueAt, nClose - nValueAt, kFixedTimestamp);
    return true;
}

std::string Escape(const std::string& strText)
{
    std::string strOut;
    for (char c : strText) {
        switch (c) {
        case '&': strOut += "&amp;"; break;
        case '<': strOut += "&lt;"; break;
        case '>': strOut += "&gt;"; break;
        case '"': strOut += "&quot;"; break;
        case '\'': strOut += "&apos;"; break;
        default: strOut += c; break;
        }
    }
    return strOut;
}

std::string GoldenCorporateNumber()
{
    return CorporateNumber("234567890123");
}

SCbCReport GoldenReport(ELayout eLayout)
{
    const bool bFirst = eLayout == ELayout::First;
    const std::string strCorp = GoldenCorporateNumber();
    // 205: JP, year, "-", corporate number, "-", three digits; DocRefIds add "-" and four digits.
    // 209: the same without the hyphens.
    const std::string strRef = bFirst ? "JP2023-" + strCorp + "-001" : "JP2023" + strCorp + "001";
    auto DocRef = [&](const char* szNo) { return strRef + (bFirst ? "-" : "") + szNo; };

    SCbCReport r;
    r.eLayout = eLayout;
    r.header = {bFirst ? "1.0.1" : "2.0", "JP/US", "Draft & \"final\" <see notes>", strRef, "CBC401", "2023-12-31",
                "JPY"};

    SReportingEntity re;
    re.strDocTypeIndic = "OECD1";
    re.strDocRefId = DocRef("0001");
    re.strTin = strCorp;
    re.strIn = "LEI-5493001KJTIIGC8Y1R12";
    re.strName = "Tesvant Holdings \"A&B\" <Japan>";
    re.strAddressFree = "1-1, Kasumigaseki, Chiyoda-ku, Tokyo";
    re.strNameMNEGroup = "Tesvant Group & Co.";
    re.strReportingRole = "CBC701";
    re.strStartDate = "2023-01-01";
    re.strEndDate = "2023-12-31";
    r.entity = re;

    r.vecSummaries.push_back({"OECD1", DocRef("0002"), "", "JP",
                              {"1200000", "300000", "1500000", "-25000", "+4000", "3500", "900000", "0", "120", "7700000"}});
    r.vecSummaries.push_back({"OECD1", DocRef("0003"), "", "US",
                              {"800", "0", "800", "15", "2", "3", "1000", "-40", "7", "12000"}});
    r.vecSummaries.push_back({"OECD1", DocRef("0004"), "", "X5",
                              {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}});

    SConstEntity jpParent;
    jpParent.strResCountryCode = "JP";
    jpParent.strTin = strCorp;
    jpParent.strIn = "JP-IN-001";
    jpParent.strName = "Tesvant Holdings \"A&B\" <Japan>";
    jpParent.strCountryCode = "JP";
    jpParent.strAddressFree = "1-1, Kasumigaseki & 2-2 Otemachi, Tokyo";
    jpParent.strRole = "CBC803";
    jpParent.strIncorpCountryCode = "JP";
    jpParent.strBizActivities = "CBC501/CBC513";
    jpParent.strOtherEntityInfo = "R&D <lab> \"North\"";

    SConstEntity us;
    us.strResCountryCode = "US";
    us.strTin = "98-7654321";
    us.strName = "Tesvant US, Inc.";
    us.strCountryCode = "US";
    us.strAddressFree = "100 Main St, Wilmington, DE 19801";
    us.strIncorpCountryCode = "US";
    us.strBizActivities = "CBC503/CBC504/CBC508";

    SConstEntity jpSub;
    jpSub.strResCountryCode = "JP";
    jpSub.strTin = "NOTIN";
    jpSub.strName = "Tesvant Trading & Sales";
    jpSub.strBizActivities = "CBC502";

    SConstEntity stateless;
    stateless.strResCountryCode = "X5";
    stateless.strTin = "NOTIN";
    stateless.strName = "Tesvant Partnership <stateless>";
    stateless.strBizActivities = "CBC512";
    stateless.strOtherEntityInfo = "Transparent & unincorporated";

    r.vecConstEntities = {jpParent, us, jpSub, stateless};

    r.vecInfos.push_back({"OECD1", DocRef("0005"), "", "Amounts in JPY; \"Total\" = Unrelated + Related & <rounded>",
                          "JP", "CBC604"});
    r.vecInfos.push_back({"OECD1", DocRef("0006"), "", bFirst ? "" : "See the group report.", "", ""});
    return r;
}

SCbCReport JapaneseReport(ELayout eLayout)
{
    const std::vector<std::string>& w = JapaneseWords();
    SCbCReport r = GoldenReport(eLayout);
    r.entity->strName = w[4] + w[1];                        // テスト株式会社
    r.entity->strAddressFree = w[2] + w[3] + " 1-1";        // 東京都千代田区 1-1
    r.vecConstEntities[0].strName = w[4] + w[1] + " & <" + w[0] + ">";
    r.vecConstEntities[0].strAddressFree = w[2] + w[3];
    r.vecConstEntities[2].strName = w[10] + w[11] + w[8];   // 髙①商事
    r.vecConstEntities[3].strOtherEntityInfo = w[5] + w[6] + w[7] + w[9];
    r.vecInfos[0].strOtherInfo = w[0] + " \"" + w[4] + "\"";
    return r;
}

std::string CorporateNumber(const std::string& strTwelveDigits)
{
    int nSum = 0;
    for (size_t i = 0; i < 12; ++i)
        nSum += (strTwelveDigits[i] - '0') * (i % 2 == 0 ? 2 : 1);
    return std::to_string(9 - nSum % 9) + strTwelveDigits;
}

} // namespace cbctest
