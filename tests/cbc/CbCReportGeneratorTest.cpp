#include "cbc/CbCReportCsvBuilder.h"

#include "cbc/CLCCsvTestSupport.h"
#include "support/OecdSchema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cbc/CbCReportPipeline.h"

// Reports built from random values that every rule and cross check of the
// layout accepts: they must pass the check, convert to exactly what the
// conversion trees say, and be valid against the OECD schema. Each report comes
// from its own seed, so a failure names the seed that reproduces it.
namespace {

using cbctest::ELayout;
using cbctest::SCbCReport;

// Each road loads its definition afresh, which dominates the time under the
// sanitizers: fewer, larger reports cover more per second.
constexpr int kReportsPerLayout = 40;
// Every fourth report also gets Japanese texts: the check must refuse exactly
// those fields, the conversion must still write them.
constexpr int kJapaneseEvery = 4;

class Generator {
public:
    Generator(ELayout eLayout, uint32_t nSeed) : m_eLayout(eLayout), m_rng(nSeed) {}

    SCbCReport Report()
    {
        const bool bFirst = m_eLayout == ELayout::First;
        SCbCReport r;
        r.eLayout = m_eLayout;
        m_strYear = std::to_string(Int(2017, 2030));
        const std::string strCorpPart = Chance(50) ? cbctest::CorporateNumber(Digits(12)) : Alnum(13);
        m_strRef = "JP" + m_strYear + (bFirst ? "-" : "") + strCorpPart + (bFirst ? "-" : "") + Digits(3);
        const bool bCorrection = Chance(30);

        // Countries: distinct summary countries; the receiving countries are
        // those but X5 (and XX in the second layout), maybe with X5 or XX added.
        std::vector<std::string> vecPool = {"JP", "US", "GB", "DE", "FR", "CN", "SG", "KR", "NL", "XK", "X5"};
        if (!bFirst)
            vecPool.push_back("XX");
        std::shuffle(vecPool.begin(), vecPool.end(), m_rng);
        const size_t nSummaries = static_cast<size_t>(Int(0, 7));
        std::vector<std::string> vecCountries(vecPool.begin(), vecPool.begin() + static_cast<long>(nSummaries));
        std::vector<std::string> vecReceiving;
        for (const std::string& strCode : vecCountries) {
            if (strCode != "X5" && strCode != "XX")
                vecReceiving.push_back(strCode);
        }
        if (vecReceiving.empty() || Chance(20)) {
            vecReceiving.push_back("X5");
            if (!bFirst && Chance(50))
                vecReceiving.push_back("XX");
        }
        std::shuffle(vecReceiving.begin(), vecReceiving.end(), m_rng);

        r.header.strVersion = bFirst ? "1.0.1" : "2.0";
        r.header.strReceivingCountry = Join(vecReceiving);
        r.header.strWarning = Chance(40) ? Text(Int(1, 80)) : "";
        r.header.strMessageRefId = m_strRef;
        r.header.strMessageTypeIndic = bCorrection ? "CBC402" : "CBC401";
        r.header.strReportingPeriod = Chance(60) ? m_strYear + "-12-31" : Date(m_strYear);
        std::vector<std::string> vecCurrencies = {"JPY", "USD", "EUR", "GBP", "CHF"};
        if (!bFirst)
            vecCurrencies.push_back("VES");
        r.header.strCurrency = nSummaries == 0 && Chance(50) ? "" : Pick(vecCurrencies);

        if (!bFirst || Chance(85)) {
            cbctest::SReportingEntity re;
            re.strDocTypeIndic = bCorrection ? Pick({"OECD0", "OECD2", "OECD3"}) : Pick({"OECD0", "OECD1"});
            if (bFirst && re.strDocTypeIndic == "OECD0" && Chance(50))
                re.strDocTypeIndic = "OECD1";
            re.strDocRefId = NextDocRef();
            re.strCorrDocRefId = NeedsCorr(re.strDocTypeIndic) ? NextCorrRef() : "";
            re.strTin = Chance(70) ? cbctest::CorporateNumber(Digits(12)) : "NOTIN";
            re.strIn = Chance(50) ? Text(Int(1, 40)) : "";
            re.strName = Text(Int(1, bFirst ? 120 : 200));
            re.strAddressFree = Chance(60) ? Text(Int(1, 150), true) : "";
            re.strNameMNEGroup = Chance(50) ? Text(Chance(20) ? 200 : Int(1, 60)) : "";
            re.strReportingRole = Pick({"CBC701", "CBC702", "CBC703"});
            re.strStartDate = Date(std::to_string(std::stoi(m_strYear) - Int(0, 1)));
            re.strEndDate = Date(m_strYear);
            r.entity = re;
        }

        for (const std::string& strCountry : vecCountries) {
            cbctest::SSummary s;
            s.strDocTypeIndic = bCorrection ? Pick({"OECD2", "OECD3"}) : "OECD1";
            s.strDocRefId = NextDocRef();
            s.strCorrDocRefId = NeedsCorr(s.strDocTypeIndic) ? NextCorrRef() : "";
            s.strResCountryCode = strCountry;
            for (std::string& strAmount : s.amounts)
                strAmount = Amount();
            r.vecSummaries.push_back(s);
            const int nEntities = Int(1, 3);
            for (int i = 0; i < nEntities; ++i)
                r.vecConstEntities.push_back(ConstEntity(strCountry));
        }
        std::shuffle(r.vecConstEntities.begin(), r.vecConstEntities.end(), m_rng);

        const int nInfos = Int(0, 4);
        for (int i = 0; i < nInfos; ++i) {
            cbctest::SAdditionalInfo a;
            a.strDocTypeIndic = bCorrection ? Pick({"OECD2", "OECD3"}) : "OECD1";
            a.strDocRefId = NextDocRef();
            a.strCorrDocRefId = NeedsCorr(a.strDocTypeIndic) ? NextCorrRef() : "";
            a.strOtherInfo = !bFirst || Chance(70) ? Text(Chance(5) ? 4000 : Int(1, 300), true) : "";
            a.strResCountryCode = Chance(50) ? Pick({"JP", "US", "DE", "X5"}) : "";
            a.strSummaryRef = Chance(50) ? "CBC6" + Pad(Int(1, 11), 2) : "";
            r.vecInfos.push_back(a);
        }
        return r;
    }

    // Puts Japanese words into some non-empty free texts; returns the places
    // (line, column) the check must report, in ascending order.
    std::set<std::pair<long, long>> AddJapanese(SCbCReport& r)
    {
        const bool bFirst = m_eLayout == ELayout::First;
        std::vector<std::pair<std::string*, std::pair<long, long>>> vecFields;
        auto Add = [&](std::string& strValue, long lLine, long lColumn) {
            if (!strValue.empty())
                vecFields.push_back({&strValue, {lLine, lColumn}});
        };
        Add(r.header.strWarning, r.HeaderLine(), 4);
        if (r.entity) {
            Add(r.entity->strIn, r.EntityLine(), 6);
            Add(r.entity->strName, r.EntityLine(), 7);
            Add(r.entity->strAddressFree, r.EntityLine(), 8);
            if (!bFirst)
                Add(r.entity->strNameMNEGroup, r.EntityLine(), 9);
        }
        for (size_t i = 0; i < r.vecConstEntities.size(); ++i) {
            cbctest::SConstEntity& ce = r.vecConstEntities[i];
            Add(ce.strIn, r.ConstEntityLine(i), 4);
            Add(ce.strName, r.ConstEntityLine(i), 5);
            Add(ce.strAddressFree, r.ConstEntityLine(i), 7);
            Add(ce.strOtherEntityInfo, r.ConstEntityLine(i), bFirst ? 10 : 11);
        }
        for (size_t i = 0; i < r.vecInfos.size(); ++i)
            Add(r.vecInfos[i].strOtherInfo, r.InfoLine(i), 5);

        std::set<std::pair<long, long>> setPlaces;
        const std::vector<std::string>& vecWords = cbctest::JapaneseWords();
        for (auto& field : vecFields) {
            if (!Chance(30))
                continue;
            *field.first = Text(Int(0, 10)) + Pick(vecWords) + Pick(vecWords) + "x";
            setPlaces.insert(field.second);
        }
        return setPlaces;
    }

private:
    cbctest::SConstEntity ConstEntity(const std::string& strCountry)
    {
        const bool bFirst = m_eLayout == ELayout::First;
        cbctest::SConstEntity ce;
        ce.strResCountryCode = strCountry;
        if (strCountry == "JP")
            ce.strTin = Chance(60) ? cbctest::CorporateNumber(Digits(12)) : "NOTIN";
        else
            ce.strTin = Chance(20) ? "NOTIN" : Text(Int(1, 30));
        ce.strIn = Chance(40) ? Text(Int(1, 40)) : "";
        ce.strName = Text(Int(1, bFirst ? 150 : 200));
        if (Chance(60)) {
            ce.strCountryCode = Pick({"JP", "US", "GB", "DE", "X5"});
            ce.strAddressFree = Text(Int(1, 200), true);
        }
        if (!bFirst && Chance(40))
            ce.strRole = Pick({"CBC801", "CBC802", "CBC803"});
        ce.strIncorpCountryCode = Chance(60) ? Pick({"JP", "US", "KY", "NL", "XK"}) : "";
        std::vector<std::string> vecCodes;
        for (int n = 1; n <= 13; ++n)
            vecCodes.push_back("CBC5" + Pad(n, 2));
        std::shuffle(vecCodes.begin(), vecCodes.end(), m_rng);
        vecCodes.resize(static_cast<size_t>(Int(1, 4)));
        ce.strBizActivities = Join(vecCodes);
        const bool bOther = std::find(vecCodes.begin(), vecCodes.end(), "CBC513") != vecCodes.end();
        ce.strOtherEntityInfo = bOther || Chance(30) ? Text(Int(1, 200), true) : "";
        return ce;
    }

    static bool NeedsCorr(const std::string& strType) { return strType == "OECD2" || strType == "OECD3"; }

    // Every DocRefId begins with the MessageRefId and is unique in the file.
    std::string NextDocRef()
    {
        ++m_nDocRefs;
        return m_strRef + (m_eLayout == ELayout::First ? "-" : "") + Pad(m_nDocRefs, 4);
    }

    // Corrections name documents of the same year; every one is unique.
    std::string NextCorrRef()
    {
        ++m_nCorrRefs;
        const std::string strBase = "JP" + m_strYear + (m_eLayout == ELayout::First ? "-" : "") + Alnum(13);
        if (m_eLayout == ELayout::First)
            return strBase + "-" + Digits(3) + "-" + Pad(m_nCorrRefs, 4);
        if (Chance(30))   // the first-schema form stays acceptable in the second
            return "JP" + m_strYear + "-" + Alnum(13) + "-" + Digits(3) + "-" + Pad(m_nCorrRefs, 4);
        return strBase + Digits(3) + Pad(m_nCorrRefs, 4);
    }

    std::string Amount()
    {
        std::string strSign = Pick({"", "", "", "-", "+"});
        return strSign + (Chance(10) ? Digits(static_cast<int>(16 - strSign.size())) : std::to_string(Int(0, 99999999)));
    }

    std::string Date(const std::string& strYear)
    {
        return strYear + "-" + Pad(Int(1, 12), 2) + "-" + Pad(Int(1, 28), 2);
    }

    // Latin text with the characters XML must escape; never blank at the ends
    // (the CSV reader trims), sometimes with a comma or a line break inside.
    std::string Text(int nLength, bool bMultiLine = false)
    {
        static const std::string kChars =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789&<>\"', .-/()#;:=+*%$@!?[]{}|~^_`\\";
        std::string strText;
        for (int i = 0; i < nLength; ++i)
            strText += kChars[static_cast<size_t>(Int(0, static_cast<int>(kChars.size()) - 1))];
        if (bMultiLine && nLength > 4 && Chance(20))
            strText.replace(static_cast<size_t>(nLength / 2), 2, "\r\n");
        if (!strText.empty() && strText.front() == ' ')
            strText.front() = 'A';
        if (!strText.empty() && strText.back() == ' ')
            strText.back() = 'z';
        return strText;
    }

    std::string Digits(int nCount)
    {
        std::string str;
        for (int i = 0; i < nCount; ++i)
            str += static_cast<char>('0' + Int(0, 9));
        return str;
    }

    std::string Alnum(int nCount)
    {
        static const std::string kChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        std::string str;
        for (int i = 0; i < nCount; ++i)
            str += kChars[static_cast<size_t>(Int(0, static_cast<int>(kChars.size()) - 1))];
        return str;
    }

    static std::string Pad(int nValue, size_t nWidth)
    {
        std::string str = std::to_string(nValue);
        return std::string(nWidth > str.size() ? nWidth - str.size() : 0, '0') + str;
    }

    static std::string Join(const std::vector<std::string>& vec)
    {
        std::string str;
        for (const std::string& s : vec)
            str += (str.empty() ? "" : "/") + s;
        return str;
    }

    std::string Pick(const std::vector<std::string>& vec)
    {
        return vec[static_cast<size_t>(Int(0, static_cast<int>(vec.size()) - 1))];
    }

    int Int(int nMin, int nMax) { return std::uniform_int_distribution<int>(nMin, nMax)(m_rng); }
    bool Chance(int nPercent) { return Int(1, 100) <= nPercent; }

    ELayout m_eLayout;
    std::mt19937 m_rng;
    std::string m_strYear;
    std::string m_strRef;
    int m_nDocRefs = 0;
    int m_nCorrRefs = 0;
};

struct SLayoutCase {
    const char* szName;
    ELayout eLayout;
    const char* szSchemaFolder;
    const char* szSchemaFile;
    uint32_t nFirstSeed;
};

const SLayoutCase kLayouts[] = {
    {"First", ELayout::First, "cbc_v1.0.1", "CbcXML_v1.0.1.xsd", 1000},
    {"Second", ELayout::Second, "cbc_v2.0", "CbcXML_v2.0.xsd", 2000},
};

void PrintTo(const SLayoutCase& c, std::ostream* pOut)
{
    *pOut << c.szName;
}

class CbCGenerated : public ::testing::TestWithParam<SLayoutCase> {
protected:
    static void SetUpTestSuite() { s_pXerces = std::make_unique<cbctest::XercesHold>(); }
    static void TearDownTestSuite() { s_pXerces.reset(); }
    static inline std::unique_ptr<cbctest::XercesHold> s_pXerces;
    void SetUp() override { CLCValidResult::destroy(); }
    void TearDown() override { CLCValidResult::destroy(); }

    std::string Schema() const
    {
        return oecdxsd::SchemaPath(GetParam().szSchemaFolder, GetParam().szSchemaFile);
    }
    CTestFolder m_folder;
};

// The generator's own reports, written by the expected-text writer, are valid:
// what the check accepts by construction the schema accepts too.
TEST_P(CbCGenerated, ExpectedTextsAreValidAgainstTheSchema)
{
    const SLayoutCase& c = GetParam();
    if (const std::string strMissing = oecdxsd::MissingSchemaMessage(Schema()); !strMissing.empty())
        GTEST_SKIP() << strMissing;
    for (int i = 0; i < kReportsPerLayout; ++i) {
        const uint32_t nSeed = c.nFirstSeed + static_cast<uint32_t>(i);
        Generator gen(c.eLayout, nSeed);
        SCbCReport report = gen.Report();
        if (i % kJapaneseEvery == 0)
            gen.AddJapanese(report);
        std::string strErrors;
        ASSERT_TRUE(oecdxsd::ValidateXml(Schema(), cbctest::ExpectedXml(report), strErrors))
            << "seed " << nSeed << "\n" << strErrors;
    }
}


std::string ExpectedErrors(const std::set<std::pair<long, long>>& setPlaces)
{
    std::string strText;
    for (const auto& place : setPlaces) {
        char szRow[32];
        std::snprintf(szRow, sizeof(szRow), "%04ld-%05ld-HE60011E", place.first, place.second);
        strText += (strText.empty() ? "" : ",") + std::string(szRow);
    }
    return strText;
}

TEST_P(CbCGenerated, PassCheckConvertAndValidate)
{
    const SLayoutCase& c = GetParam();
    const std::string strMissing = oecdxsd::MissingSchemaMessage(Schema());
    for (int i = 0; i < kReportsPerLayout; ++i) {
        const uint32_t nSeed = c.nFirstSeed + static_cast<uint32_t>(i);
        SCOPED_TRACE("seed " + std::to_string(nSeed));
        Generator gen(c.eLayout, nSeed);
        SCbCReport report = gen.Report();
        const std::set<std::pair<long, long>> setJapanese =
            i % kJapaneseEvery == 0 ? gen.AddJapanese(report) : std::set<std::pair<long, long>>{};
        const std::string strPath = m_folder.Write("gen.csv", cbctest::CsvBytes(report));

        const cbctest::SRoadResult check = cbctest::RunCheck(c.eLayout, strPath);
        ASSERT_EQ(check.strErrors, ExpectedErrors(setJapanese));
        ASSERT_EQ(check.bOk, setJapanese.empty());

        cbctest::SRoadResult convert = cbctest::RunConvert(c.eLayout, strPath);
        ASSERT_TRUE(convert.bOk) << convert.strErrors;
        ASSERT_TRUE(cbctest::NormaliseTimestamp(convert.strXml)) << convert.strXml;
        ASSERT_EQ(convert.strXml, cbctest::ExpectedXml(report));
        if (!strMissing.empty())
            continue;
        std::string strErrors;
        ASSERT_TRUE(oecdxsd::ValidateXml(Schema(), convert.strXml, strErrors)) << strErrors;
    }
    if (!strMissing.empty())
        GTEST_SKIP() << "checked and converted; schema part skipped: " << strMissing;
}

// What passes the check must be fileable: a foreign entity's TIN longer than
// the second schema's 200 characters is refused by 209 (HE60010E); the first
// schema has no maximum, so 205 passes it and the output is valid.
TEST_P(CbCGenerated, LongForeignTinIsRefusedOrValid)
{
    const SLayoutCase& c = GetParam();
    SCbCReport report = cbctest::GoldenReport(c.eLayout);
    report.vecConstEntities[1].strTin = std::string(201, 'T');
    const std::string strPath = m_folder.Write("cbc.csv", cbctest::CsvBytes(report));
    const cbctest::SRoadResult check = cbctest::RunCheck(c.eLayout, strPath);
    if (c.eLayout == ELayout::Second) {
        EXPECT_EQ(check.strErrors, "0007-00003-HE60010E");
        return;
    }
    EXPECT_EQ(check.strErrors, "");
    cbctest::SRoadResult convert = cbctest::RunConvert(c.eLayout, strPath);
    ASSERT_TRUE(convert.bOk) << convert.strErrors;
    if (const std::string strMissing = oecdxsd::MissingSchemaMessage(Schema()); !strMissing.empty())
        GTEST_SKIP() << strMissing;
    std::string strErrors;
    EXPECT_TRUE(oecdxsd::ValidateXml(Schema(), convert.strXml, strErrors)) << strErrors;
}


INSTANTIATE_TEST_SUITE_P(Layouts, CbCGenerated, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.szName); });

} // namespace
