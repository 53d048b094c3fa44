#include "cbc/CbCReportCsvBuilder.h"

#include "cbc/CLCCsvTestSupport.h"
#include "support/OecdSchema.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "cbc/CbCReportPipeline.h"

// The sixteen cross-record checks seen through the check road of the data
// manager (field rules first, then the checks in order, every row collected),
// starting from the golden report, whose lines are: 1 message header, 2 reporting
// entity, 3 to 5 summaries JP, US, X5, 6 to 9 constituent entities JP, US, JP,
// X5, 10 and 11 additional info.
namespace {


using cbctest::ELayout;
using cbctest::SCbCReport;

bool IsFirst(const SCbCReport& r)
{
    return r.eLayout == ELayout::First;
}

// A DocRefId of another message of the same year (passes the field rules).
std::string ForeignDocRef(const SCbCReport& r, const char* szNo)
{
    std::string strRef = r.header.strMessageRefId;
    strRef[strRef.size() - 1] = strRef.back() == '9' ? '8' : '9';
    return strRef + (IsFirst(r) ? "-" : "") + szNo;
}

// A CorrDocRefId of the given year, unique by its number.
std::string CorrRef(const SCbCReport& r, const std::string& strYear, const char* szNo)
{
    const std::string strCorp = cbctest::GoldenCorporateNumber();
    return IsFirst(r) ? "JP" + strYear + "-" + strCorp + "-000-" + szNo : "JP" + strYear + strCorp + "000" + szNo;
}

// The report as a correction (CBC402): every document corrects another one.
void AsCorrection(SCbCReport& r)
{
    r.header.strMessageTypeIndic = "CBC402";
    r.entity->strDocTypeIndic = "OECD2";
    r.entity->strCorrDocRefId = CorrRef(r, "2023", "0101");
    const char* szNos[] = {"0102", "0103", "0104"};
    for (size_t i = 0; i < r.vecSummaries.size(); ++i) {
        r.vecSummaries[i].strDocTypeIndic = i == 1 ? "OECD3" : "OECD2";
        r.vecSummaries[i].strCorrDocRefId = CorrRef(r, "2023", szNos[i]);
    }
    r.vecInfos[0].strDocTypeIndic = "OECD2";
    r.vecInfos[0].strCorrDocRefId = CorrRef(r, "2023", "0105");
    r.vecInfos[1].strDocTypeIndic = "OECD3";
    r.vecInfos[1].strCorrDocRefId = CorrRef(r, "2023", "0106");
}

struct SCrossCase {
    const char* szName;
    std::function<void(SCbCReport&)> fnChange;
    const char* szFirst;    // error text under 205 ("" passes)
    const char* szSecond;   // under 209
};

const SCrossCase kCrossCases[] = {
    {"Clean", [](SCbCReport&) {}, "", ""},
    {"Correction", [](SCbCReport& r) { AsCorrection(r); }, "", ""},
    {"C01ReportingEntityDocRefId", [](SCbCReport& r) { r.entity->strDocRefId = ForeignDocRef(r, "0001"); },
     "0002-00003-HE60009E", "0002-00003-HE60009E"},
    {"C01SkippedForOECD0",
     [](SCbCReport& r) {
         r.entity->strDocTypeIndic = "OECD0";
         r.entity->strDocRefId = ForeignDocRef(r, "0001");
     },
     "", ""},   // the changed last character lies beyond the 19 that check 2 compares
    {"C02ReportingEntityMessageRefId",
     [](SCbCReport& r) {
         // OECD0: check 1 does not look; the 11th character lies in the first 19.
         r.entity->strDocTypeIndic = "OECD0";
         r.entity->strDocRefId[10] = r.entity->strDocRefId[10] == '0' ? '1' : '0';
     },
     "", "0002-00003-HE60009E"},
    {"C02SameFirst19",
     [](SCbCReport& r) {
         r.entity->strDocTypeIndic = "OECD0";
         r.entity->strDocRefId[19] = r.entity->strDocRefId[19] == '0' ? '1' : '0';
     },
     "", ""},
    {"C03ReportsSummaryDocRefId", [](SCbCReport& r) { r.vecSummaries[1].strDocRefId = ForeignDocRef(r, "0003"); },
     "0004-00003-HE60009E", "0004-00003-HE60009E"},
    {"C04AdditionalInfoDocRefId", [](SCbCReport& r) { r.vecInfos[0].strDocRefId = ForeignDocRef(r, "0005"); },
     "0010-00003-HE60009E", "0010-00003-HE60009E"},
    {"C05MessageSpecCurrency", [](SCbCReport& r) { r.header.strCurrency = ""; }, "0001-00008-HE60001E",
     "0001-00008-HE60001E"},
    {"C05NoSummaryNoCurrency",
     [](SCbCReport& r) {
         r.header.strCurrency = "";
         r.header.strReceivingCountry = "X5";
         r.vecSummaries.clear();
         r.vecConstEntities.clear();
     },
     "", ""},
    {"C06SummaryWithoutEntity", [](SCbCReport& r) { r.vecConstEntities.pop_back(); }, "0005-00005-HE60029E",
     "0005-00005-HE60029E"},
    {"C07EntityWithoutSummary",
     [](SCbCReport& r) {
         cbctest::SConstEntity ce = r.vecConstEntities[1];
         ce.strResCountryCode = "GB";
         r.vecConstEntities.push_back(ce);
     },
     "0010-00002-HE60030E", "0010-00002-HE60030E"},
    {"C08ReceivingCountryWithoutSummary", [](SCbCReport& r) { r.header.strReceivingCountry = "JP/GB/US"; },
     "0001-00003-HE60031E", "0001-00003-HE60031E"},
    {"C08OnlyForCBC401",
     [](SCbCReport& r) {
         AsCorrection(r);
         r.header.strReceivingCountry = "JP/GB/US";
     },
     "", ""},
    {"C08X5AndXX",
     [](SCbCReport& r) {
         r.header.strReceivingCountry = "X5/XX";
         r.vecSummaries.clear();
         r.vecConstEntities.clear();
     },
     "0001-00003-HE60009E", ""},   // XX is no country of the first list
    {"C09SummaryCountryTwice",
     [](SCbCReport& r) {
         r.header.strReceivingCountry = "JP";
         r.vecSummaries[1].strResCountryCode = "JP";
         r.vecConstEntities[1].strResCountryCode = "JP";
         r.vecConstEntities[1].strTin = "NOTIN";   // a JP entity's TIN rules
     },
     "0003-00005-HE60032E,0004-00005-HE60032E", "0003-00005-HE60032E,0004-00005-HE60032E"},
    {"C10SummaryCountryNotReceiving", [](SCbCReport& r) { r.header.strReceivingCountry = "JP"; },
     "0004-00005-HE60031E", "0004-00005-HE60031E"},
    {"C11DocRefIdTwice", [](SCbCReport& r) { r.vecInfos[1].strDocRefId = r.vecSummaries[0].strDocRefId; },
     "0003-00003-HE60033E,0011-00003-HE60033E", "0003-00003-HE60033E,0011-00003-HE60033E"},
    {"C11DocRefIdThreeTimes",
     [](SCbCReport& r) {
         r.vecSummaries[2].strDocRefId = r.entity->strDocRefId;
         r.vecInfos[0].strDocRefId = r.entity->strDocRefId;
     },
     "0002-00003-HE60033E,0005-00003-HE60033E,0010-00003-HE60033E",
     "0002-00003-HE60033E,0005-00003-HE60033E,0010-00003-HE60033E"},
    {"C12CorrDocRefIdTwice",
     [](SCbCReport& r) {
         AsCorrection(r);
         r.vecInfos[1].strCorrDocRefId = r.vecSummaries[0].strCorrDocRefId;
     },
     "0003-00004-HE60034E,0011-00004-HE60034E", "0003-00004-HE60034E,0011-00004-HE60034E"},
    {"C13ReportingEntityTypeFor401",
     [](SCbCReport& r) {
         r.entity->strDocTypeIndic = "OECD2";
         r.entity->strCorrDocRefId = CorrRef(r, "2023", "0101");
     },
     "", "0002-00002-HE60037E"},
    {"C13ReportingEntityTypeFor402",
     [](SCbCReport& r) {
         AsCorrection(r);
         r.entity->strDocTypeIndic = "OECD1";
         r.entity->strCorrDocRefId = "";
     },
     "", "0002-00002-HE60037E"},
    {"C14SummaryTypeFor401",
     [](SCbCReport& r) {
         r.vecSummaries[1].strDocTypeIndic = "OECD2";
         r.vecSummaries[1].strCorrDocRefId = CorrRef(r, "2023", "0103");
     },
     "", "0004-00002-HE60037E"},
    {"C14SummaryTypeFor402",
     [](SCbCReport& r) {
         AsCorrection(r);
         r.vecSummaries[2].strDocTypeIndic = "OECD1";
         r.vecSummaries[2].strCorrDocRefId = "";
     },
     "", "0005-00002-HE60037E"},
    {"C15AdditionalInfoTypeFor401",
     [](SCbCReport& r) {
         r.vecInfos[1].strDocTypeIndic = "OECD3";
         r.vecInfos[1].strCorrDocRefId = CorrRef(r, "2023", "0106");
     },
     "", "0011-00002-HE60037E"},
    {"C16ReportYear",
     [](SCbCReport& r) {
         AsCorrection(r);
         r.header.strReportingPeriod = "2022-12-31";
         r.entity->strCorrDocRefId = CorrRef(r, "2022", "0101");
         r.entity->strEndDate = "2024-03-31";
         r.vecSummaries[0].strCorrDocRefId = CorrRef(r, "2021", "0102");
         r.vecInfos[0].strCorrDocRefId = CorrRef(r, "2020", "0105");
     },
     "",
     "0001-00007-HE60036E,0002-00004-HE60036E,0002-00012-HE60036E,0003-00004-HE60036E,0010-00004-HE60036E"},
    {"ChainGoesOnAfterFailures",
     [](SCbCReport& r) {
         r.vecSummaries[1].strDocRefId = ForeignDocRef(r, "0003");   // 3
         r.header.strCurrency = "";                                  // 5
         r.header.strReceivingCountry = "JP";                        // 10
         r.vecInfos[1].strDocRefId = r.entity->strDocRefId;          // 11
     },
     "0001-00008-HE60001E,0002-00003-HE60033E,0004-00003-HE60009E,0004-00005-HE60031E,0011-00003-HE60033E",
     "0001-00008-HE60001E,0002-00003-HE60033E,0004-00003-HE60009E,0004-00005-HE60031E,0011-00003-HE60033E"},
    {"FieldErrorsStopBeforeCrossChecks",
     [](SCbCReport& r) {
         r.vecSummaries[1].strDocRefId = ForeignDocRef(r, "0003");
         r.vecSummaries[0].amounts[0] = "12.5";   // charset fugoNumber
     },
     "0003-00006-HE60011E", "0003-00006-HE60011E"},
};

void PrintTo(const SCrossCase& c, std::ostream* pOut)
{
    *pOut << c.szName;
}

class CbCCrossChecks : public ::testing::TestWithParam<SCrossCase> {
protected:
    void SetUp() override { CLCValidResult::destroy(); }
    void TearDown() override { CLCValidResult::destroy(); }
    CTestFolder m_folder;
};

TEST_P(CbCCrossChecks, GiveTheirRowsThroughTheCheckRoad)
{
    const SCrossCase& c = GetParam();
    for (ELayout eLayout : {ELayout::First, ELayout::Second}) {
        SCOPED_TRACE(eLayout == ELayout::First ? "205" : "209");
        SCbCReport report = cbctest::GoldenReport(eLayout);
        c.fnChange(report);
        const std::string strPath = m_folder.Write("cbc.csv", cbctest::CsvBytes(report));
        const cbctest::SRoadResult result = cbctest::RunCheck(eLayout, strPath);
        const std::string strExpected = eLayout == ELayout::First ? c.szFirst : c.szSecond;
        EXPECT_EQ(result.strErrors, strExpected);
        EXPECT_EQ(result.bOk, strExpected.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, CbCCrossChecks, ::testing::ValuesIn(kCrossCases),
                         [](const auto& info) { return std::string(info.param.szName); });

// ---- conversion guards -------------------------------------------------------

class CbCConversionGuards : public ::testing::TestWithParam<ELayout> {
protected:
    void SetUp() override { CLCValidResult::destroy(); }
    void TearDown() override { CLCValidResult::destroy(); }
    cbctest::SRoadResult Convert(const SCbCReport& report)
    {
        return cbctest::RunConvert(GetParam(), m_folder.Write("cbc.csv", cbctest::CsvBytes(report)));
    }
    CTestFolder m_folder;
};

// An entity whose country has no summary would vanish from the filing.
TEST_P(CbCConversionGuards, RefusesAnEntityWithoutSummary)
{
    SCbCReport report = cbctest::GoldenReport(GetParam());
    report.vecConstEntities[1].strResCountryCode = "GB";
    const cbctest::SRoadResult result = Convert(report);
    EXPECT_FALSE(result.bOk);
    EXPECT_EQ(result.strXml, "");
    // Check 6 may also speak for the US summary left without an entity.
    EXPECT_NE(result.strErrors.find("0007-00002-HE60030E"), std::string::npos) << result.strErrors;
}

// Entities of a country given by two summaries would be written twice.
TEST_P(CbCConversionGuards, RefusesASummaryCountryGivenTwice)
{
    SCbCReport report = cbctest::GoldenReport(GetParam());
    report.vecSummaries[1].strResCountryCode = "JP";
    report.vecConstEntities[1].strResCountryCode = "JP";
    const cbctest::SRoadResult result = Convert(report);
    EXPECT_FALSE(result.bOk);
    EXPECT_EQ(result.strXml, "");
    EXPECT_NE(result.strErrors.find("0003-00005-HE60032E,0004-00005-HE60032E"), std::string::npos) << result.strErrors;
}

// The version is a CSV value: escaped like every other, never cut.
TEST_P(CbCConversionGuards, EscapesTheVersionAttribute)
{
    SCbCReport report = cbctest::GoldenReport(GetParam());
    report.header.strVersion = "1\" xmlns:evil=\"urn:x\" a=\"<&>" + std::string(1200, 'v');
    cbctest::SRoadResult result = Convert(report);
    ASSERT_TRUE(result.bOk) << result.strErrors;
    ASSERT_TRUE(cbctest::NormaliseTimestamp(result.strXml));
    EXPECT_EQ(result.strXml, cbctest::ExpectedXml(report));
}

// A message header alone is a valid first-schema message; the second schema needs
// the reporting entity, so the second layout's count check refuses the file.
TEST_P(CbCConversionGuards, WritesOnlyTheBodyForAMessageSpecAlone)
{
    SCbCReport report = cbctest::GoldenReport(GetParam());
    report.entity.reset();
    report.vecSummaries.clear();
    report.vecConstEntities.clear();
    report.vecInfos.clear();
    cbctest::SRoadResult result = Convert(report);
    if (GetParam() == ELayout::Second) {
        EXPECT_FALSE(result.bOk);
        EXPECT_EQ(result.strErrors, "0000-00000-HE60039E");
        EXPECT_EQ(result.strXml, "");
        return;
    }
    ASSERT_TRUE(result.bOk) << result.strErrors;
    ASSERT_TRUE(cbctest::NormaliseTimestamp(result.strXml));
    EXPECT_EQ(result.strXml, cbctest::ExpectedXml(report));
    EXPECT_NE(result.strXml.find("</cbc:MessageSpec><cbc:CbcBody/></cbc:CBC_OECD>"), std::string::npos);
    const std::string strSchema = oecdxsd::SchemaPath("cbc_v1.0.1", "CbcXML_v1.0.1.xsd");
    if (const std::string strMissing = oecdxsd::MissingSchemaMessage(strSchema); !strMissing.empty())
        GTEST_SKIP() << strMissing;
    std::string strErrors;
    EXPECT_TRUE(oecdxsd::ValidateXml(strSchema, result.strXml, strErrors)) << strErrors;
}

INSTANTIATE_TEST_SUITE_P(Layouts, CbCConversionGuards, ::testing::Values(ELayout::First, ELayout::Second),
                         [](const auto& info) { return info.param == ELayout::First ? "First" : "Second"; });

// The second schema allows one Role per entity.
TEST(CbCRoleRule, AcceptsOneCodeOnly)
{
    CLCValidResult::destroy();
    CTestFolder folder;
    struct SRoleCase {
        const char* szRole;
        const char* szErrors;
    };
    // Two codes are already too long for the length rule that precedes the list.
    const SRoleCase cases[] = {
        {"CBC801/CBC802", "0006-00008-HE60007E"},
        {"CBC804", "0006-00008-HE60009E"},
        {"CBC801", ""},
        {"CBC802", ""},
        {"", ""},
    };
    for (const SRoleCase& c : cases) {
        SCOPED_TRACE(c.szRole);
        SCbCReport report = cbctest::GoldenReport(ELayout::Second);
        report.vecConstEntities[0].strRole = c.szRole;
        const cbctest::SRoadResult result =
            cbctest::RunCheck(ELayout::Second, folder.Write("cbc.csv", cbctest::CsvBytes(report)));
        EXPECT_EQ(result.strErrors, c.szErrors);
    }
    CLCValidResult::destroy();
}


} // namespace
