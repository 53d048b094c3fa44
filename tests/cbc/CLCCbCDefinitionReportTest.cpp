// The CbC report through the definition engine: the data manager's check,
// integrity and conversion steps with definitions 205, 206, 208 and 209.
#include "cbc/CLCCbCDefinition.h"
#include "EngineTestSupport.h"

#include <functional>

namespace {

using namespace enginetest;

using Record = std::vector<std::string>;

// A first-schema report: message header, reporting entity, two summaries (JP,
// US) with one constituent entity each, and one additional info record.
struct SReportV1 {
    Record header{"1", "1.0.1", "JP/US", "", "JP2019-9234567890123-001", "CBC401", "2019-03-31", "JPY"};
    Record entity{"2", "OECD1", "JP2019-9234567890123-001-0001", "", kHojinNo, "IN1", "Name A&B", "Tokyo <1>",
                  "CBC701"};
    std::vector<Record> summaries{
        {"3", "OECD1", "JP2019-9234567890123-001-0002", "", "JP", "100", "200", "300", "-40", "5", "6", "7", "8",
         "9", "10"},
        {"3", "OECD1", "JP2019-9234567890123-001-0003", "", "US", "1", "2", "3", "4", "5", "6", "7", "8", "9",
         "10"},
    };
    std::vector<Record> entities{
        {"4", "JP", kHojinNo, "", "Entity JP", "JP", "Chiyoda", "JP", "CBC501/CBC502", ""},
        {"4", "US", "NOTIN", "", "Entity US", "", "", "US", "CBC513", "Other \"info\""},
    };
    std::vector<Record> infos{
        {"5", "OECD1", "JP2019-9234567890123-001-0004", "", "Info", "JP", "CBC601"},
    };

    std::string Csv() const
    {
        std::string strCsv = Line(header) + Line(entity);
        for (const Record& r : summaries)
            strCsv += Line(r);
        for (const Record& r : entities)
            strCsv += Line(r);
        for (const Record& r : infos)
            strCsv += Line(r);
        return strCsv;
    }
};

// The same report in the second schema.
struct SReportV2 {
    Record header{"1", "2.0", "JP/US", "", "JP20199234567890123001", "CBC401", "2019-03-31", "JPY"};
    Record entity{"2",       "OECD1",   "JP201992345678901230010001", "", kHojinNo, "IN1", "Name A&B", "Tokyo <1>",
                  "Group G", "CBC701", "2018-04-01",               "2019-03-31"};
    std::vector<Record> summaries{
        {"3", "OECD1", "JP201992345678901230010002", "", "JP", "100", "200", "300", "-40", "5", "6", "7", "8", "9",
         "10"},
        {"3", "OECD1", "JP201992345678901230010003", "", "US", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
    };
    std::vector<Record> entities{
        {"4", "JP", kHojinNo, "", "Entity JP", "JP", "Chiyoda", "CBC801", "JP", "CBC501/CBC502", ""},
        {"4", "US", "NOTIN", "", "Entity US", "", "", "", "US", "CBC513", "Other \"info\""},
    };
    std::vector<Record> infos{
        {"5", "OECD1", "JP201992345678901230010004", "", "Info", "JP", "CBC601"},
    };

    std::string Csv() const
    {
        std::string strCsv = Line(header) + Line(entity);
        for (const Record& r : summaries)
            strCsv += Line(r);
        for (const Record& r : entities)
            strCsv += Line(r);
        for (const Record& r : infos)
            strCsv += Line(r);
        return strCsv;
    }
};

class EngineCbCReport : public EngineTest {
protected:
    EngineCbCReport() : EngineTest(CLCCbCCommon::EXEC_MODE_CBC_REPORT) {}

    // CbCReportCsvCheck (205) or CbCReportCsvCheck2 (209).
    SRun Check(const std::string& strCsv, unsigned short usDefinition)
    {
        CLCCbCDataManager manager;
        const bool bPassed = manager.InitForCheck(WriteCsv(strCsv).c_str()) &&
                             manager.LoadCsvWithDefinition2("CBC_OECD", usDefinition, true) && manager.ValidateCsv2();
        return Finish(manager, bPassed);
    }

    SRun Integrity(const std::string& strCsv, unsigned short usDefinition, const char* szHojinNo)
    {
        CLCCbCDataManager manager;
        const bool bPassed = manager.InitForCbCReportIntegrityCheck(WriteCsv(strCsv).c_str(), szHojinNo) &&
                             manager.LoadCsvWithDefinition2("CBC_OECD", usDefinition, true) &&
                             manager.ValidateCsv2() && manager.CbCReportIntegrityCheck();
        return Finish(manager, bPassed);
    }

    // CsvConvCbCReportData (206) or CsvConvCbCReportData2 (208).
    SRun Convert(const std::string& strCsv, unsigned short usDefinition, const std::string& strOutput = "")
    {
        CLCCbCDataManager manager;
        std::string strXml;
        const bool bPassed = manager.InitForMake2(WriteCsv(strCsv).c_str(), strOutput.c_str()) &&
                             manager.LoadCsvWithDefinition2("CBC_OECD", usDefinition, false) &&
                             manager.MakeData2(strXml);
        return Finish(manager, bPassed, NormaliseDates(strXml));
    }
};

TEST_F(EngineCbCReport, CleanReportsPassTheirChecks)
{
    const SRun first = Check(SReportV1().Csv(), 205);
    EXPECT_TRUE(first.bPassed);
    EXPECT_EQ(first.strErrors, "");
    const SRun second = Check(SReportV2().Csv(), 209);
    EXPECT_TRUE(second.bPassed);
    EXPECT_EQ(second.strErrors, "");
}

// One faulty field: the row each rule family reports, in both schemas.
struct SFieldCase {
    const char* szName;
    std::function<void(SReportV1&)> fnFirst;
    const char* szFirst;
    std::function<void(SReportV2&)> fnSecond;
    const char* szSecond;
};

class EngineCbCFieldRules : public EngineCbCReport, public ::testing::WithParamInterface<SFieldCase> {};

TEST_P(EngineCbCFieldRules, ReportTheRuleAtItsLineAndColumn)
{
    const SFieldCase& c = GetParam();
    SReportV1 first;
    c.fnFirst(first);
    const SRun run1 = Check(first.Csv(), 205);
    EXPECT_FALSE(run1.bPassed);
    EXPECT_EQ(run1.strErrors, c.szFirst);

    SReportV2 second;
    c.fnSecond(second);
    const SRun run2 = Check(second.Csv(), 209);
    EXPECT_FALSE(run2.bPassed);
    EXPECT_EQ(run2.strErrors, c.szSecond);
}

INSTANTIATE_TEST_SUITE_P(
    Families, EngineCbCFieldRules,
    ::testing::Values(
        SFieldCase{"Exist", [](SReportV1& r) { r.entity[6] = ""; }, "0002-00007-HE60001E",
                   [](SReportV2& r) { r.entity[6] = ""; }, "0002-00007-HE60001E"},
        SFieldCase{"Length", [](SReportV1& r) { r.header[4] = "JP2019-9234567890123-01"; }, "0001-00005-HE60007E",
                   [](SReportV2& r) { r.header[4] = "JP2019923456789012301"; }, "0001-00005-HE60007E"},
        SFieldCase{"Charset", [](SReportV1& r) { r.entity[6] = kSjisTesuto; }, "0002-00007-HE60011E",
                   [](SReportV2& r) { r.entity[6] = kSjisTesuto; }, "0002-00007-HE60011E"},
        SFieldCase{"Contain", [](SReportV1& r) { r.header[5] = "CBC403"; }, "0001-00006-HE60009E",
                   [](SReportV2& r) { r.header[5] = "CBC403"; }, "0001-00006-HE60009E"},
        SFieldCase{"VersionWithItsOwnMessage", [](SReportV1& r) { r.header[1] = "1.0.2"; }, "0001-00002-HE60009E",
                   [](SReportV2& r) { r.header[1] = "2.1"; }, "0001-00002-HE60038E"},
        SFieldCase{"CodeCheck", [](SReportV1& r) { r.entities[0][7] = "ZZ"; }, "0005-00008-HE60009E",
                   [](SReportV2& r) { r.entities[0][8] = "ZZ"; }, "0005-00009-HE60009E"},
        SFieldCase{"Format", [](SReportV1& r) { r.header[6] = "2019/03/31"; }, "0001-00007-HE60009E",
                   [](SReportV2& r) { r.header[6] = "2019/03/31"; }, "0001-00007-HE60009E"},
        SFieldCase{"TwoColumns", [](SReportV1& r) { r.entities[1][5] = "US"; }, "0006-06:07-HE60009E",
                   [](SReportV2& r) { r.entities[1][6] = "Main Street"; }, "0006-06:07-HE60009E"},
        SFieldCase{"UnusedColumn", [](SReportV1& r) { r.header.push_back("x"); }, "0001-00009-HE60002E",
                   [](SReportV2& r) { r.infos[0].push_back("x"); }, "0007-00008-HE60002E"},
        SFieldCase{"CsvContainCondition", [](SReportV1& r) { r.entities[1][9] = ""; }, "0006-00010-HE60001E",
                   [](SReportV2& r) { r.entities[1][10] = ""; }, "0006-00011-HE60001E"},
        SFieldCase{"Contain2", [](SReportV1& r) { r.entities[0][8] = "CBC501/CBC599"; }, "0005-00009-HE60009E",
                   [](SReportV2& r) { r.entities[0][9] = "CBC501/CBC599"; }, "0005-00010-HE60009E"},
        SFieldCase{"CheckDigits", [](SReportV1& r) { r.entity[4] = "1234567890123"; }, "0002-00005-HE60009E",
                   [](SReportV2& r) { r.entity[4] = "1234567890123"; }, "0002-00005-HE60009E"},
        SFieldCase{"Duplicate", [](SReportV1& r) { r.header[2] = "JP/US/JP"; }, "0001-00003-HE60009E",
                   [](SReportV2& r) { r.header[2] = "JP/US/JP"; }, "0001-00003-HE60009E"},
        SFieldCase{"Integer", [](SReportV1& r) { r.summaries[1][6] = "1.5"; }, "0004-00007-HE60011E",
                   [](SReportV2& r) { r.summaries[1][6] = "1+5"; }, "0004-00007-HE60009E"},
        SFieldCase{"ConditionalOnDocType",
                   [](SReportV1& r) { r.summaries[0][3] = "JP2019-9234567890123-001-0009"; }, "0003-00004-HE60002E",
                   [](SReportV2& r) { r.summaries[0][1] = "OECD2"; }, "0003-00004-HE60001E"},
        SFieldCase{"EveryFailingRecordOnce",
                   [](SReportV1& r) {
                       r.entity[6] = "";
                       r.entity[8] = "CBC799";
                       r.infos[0][6] = "CBC699";
                   },
                   "0002-00007-HE60001E,0002-00009-HE60009E,0007-00007-HE60009E",
                   [](SReportV2& r) {
                       r.entity[6] = "";
                       r.entity[9] = "CBC799";
                       r.infos[0][6] = "CBC699";
                   },
                   "0002-00007-HE60001E,0002-00010-HE60009E,0007-00007-HE60009E"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(EngineCbCReport, RoleTakesOneCodeOnly)
{
    // The second schema allows a single role: no "/" list as for activities.
    SReportV2 report;
    report.entities[0][7] = "CBC801/CBC802";
    EXPECT_EQ(Check(report.Csv(), 209).strErrors, "0005-00008-HE60007E");
    report.entities[0][7] = "CBC804";
    EXPECT_EQ(Check(report.Csv(), 209).strErrors, "0005-00008-HE60009E");
    report.entities[0][7] = "CBC803";
    EXPECT_EQ(Check(report.Csv(), 209).strErrors, "");
}

TEST_F(EngineCbCReport, CrossChecksRunOnlyAfterEveryRecordPassed)
{
    // The summary's country has no entity (HE60029E) but a field fails first.
    SReportV1 report;
    report.entities.pop_back();
    report.entity[6] = "";
    EXPECT_EQ(Check(report.Csv(), 205).strErrors, "0002-00007-HE60001E");
    report.entity[6] = "Name";
    EXPECT_EQ(Check(report.Csv(), 205).strErrors, "0004-00005-HE60029E");
}

TEST_F(EngineCbCReport, EveryCrossCheckRunsAfterAFailedOne)
{
    SReportV1 report;
    report.header[7] = "";                                          // check 5
    report.infos[0][2] = "JP2019-9234567890123-001-0003";           // check 11, with the US summary
    EXPECT_EQ(Check(report.Csv(), 205).strErrors, "0001-00008-HE60001E,0004-00003-HE60033E,0007-00003-HE60033E");
}

TEST_F(EngineCbCReport, StepsOutOfOrderAreFatal)
{
    CLCCbCDataManager manager;
    std::string strXml = "old";
    EXPECT_FALSE(manager.ValidateCsv2());
    EXPECT_FALSE(manager.MakeData2(strXml));
    EXPECT_EQ(strXml, "");
    EXPECT_EQ(Finish(manager, false).strErrors, "0000-00000-HE60000E");
}

TEST_F(EngineCbCReport, SecondSchemaChecksStaySilentUnderTheFirst)
{
    // A correction message whose reporting entity is new data: only the second
    // schema relates the document types to the message type.
    SReportV1 first;
    first.header[5] = "CBC402";
    EXPECT_EQ(Check(first.Csv(), 205).strErrors, "");
    SReportV2 second;
    second.header[5] = "CBC402";
    EXPECT_EQ(Check(second.Csv(), 209).strErrors,
              "0002-00002-HE60037E,0003-00002-HE60037E,0004-00002-HE60037E,0007-00002-HE60037E");
}

TEST_F(EngineCbCReport, RecordKindWithoutItsReportIsFatal)
{
    // A check definition without the additional-info report.
    const std::string strDefinition = ReadBytes(std::string(TESVANT_DEFINITION_SOURCE_DIR) + "/CbCValidateDefine2.xml");
    const size_t nLast = strDefinition.rfind("<report ");
    const size_t nEnd = strDefinition.rfind("</report>");
    ASSERT_NE(nLast, std::string::npos);
    UseDefinition("CbCValidateDefine2.xml", {{strDefinition.substr(nLast, nEnd + 9 - nLast), ""}});
    EXPECT_EQ(Check(SReportV1().Csv(), 205).strErrors, "0000-00000-HE60000E");
}

TEST_F(EngineCbCReport, IntegrityComparesTheNumberInMessageRefId)
{
    const std::string strFirst = SReportV1().Csv();
    const std::string strSecond = SReportV2().Csv();
    EXPECT_TRUE(Integrity(strFirst, 205, kHojinNo).bPassed);
    EXPECT_TRUE(Integrity(strSecond, 209, kHojinNo).bPassed);

    SRun other = Integrity(strFirst, 205, kHojinNo2);
    EXPECT_FALSE(other.bPassed);
    EXPECT_EQ(other.strErrors, "0001-00005-HE60009E");
    other = Integrity(strSecond, 209, kHojinNo2);
    EXPECT_FALSE(other.bPassed);
    EXPECT_EQ(other.strErrors, "0001-00005-HE60009E");

    const SRun empty = Integrity(strFirst, 205, "");
    EXPECT_TRUE(empty.bPassed);
    EXPECT_EQ(empty.strErrors, "");

    const SRun invalid = Integrity(strFirst, 205, "1234567890123");
    EXPECT_FALSE(invalid.bPassed);
    EXPECT_EQ(invalid.strErrors, "9999-00002-HE60009E");
}

TEST_F(EngineCbCReport, MissingDefinitionIsExactlyTheFatalRow)
{
    UseNoDefinitions();
    for (unsigned short usId : {205, 209}) {
        const SRun run = Check(usId == 205 ? SReportV1().Csv() : SReportV2().Csv(), usId);
        EXPECT_FALSE(run.bPassed);
        EXPECT_EQ(run.strErrors, "0000-00000-HE60000E") << usId;
    }
    for (unsigned short usId : {206, 208}) {
        const SRun run = Convert(usId == 206 ? SReportV1().Csv() : SReportV2().Csv(), usId);
        EXPECT_FALSE(run.bPassed);
        EXPECT_EQ(run.strErrors, "0000-00000-HE60000E") << usId;
        EXPECT_EQ(run.strXml, "");
    }
}

TEST_F(EngineCbCReport, WrongRootOrIdIsFatal)
{
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForCheck(WriteCsv(SReportV1().Csv()).c_str()));
    EXPECT_FALSE(manager.LoadCsvWithDefinition2("AIA120", 205, true));
    EXPECT_EQ(Finish(manager, false).strErrors, "0000-00000-HE60000E");

    CLCCbCDataManager other;
    ASSERT_TRUE(other.InitForCheck(WriteCsv(SReportV1().Csv()).c_str()));
    EXPECT_FALSE(other.LoadCsvWithDefinition2("CBC_OECD", 204, true));
    EXPECT_EQ(Finish(other, false).strErrors, "0000-00000-HE60000E");
}

// ---- conversions ----

constexpr const char* kRootV1 =
    "<cbc:CBC_OECD version=\"1.0.1\" xmlns:stf=\"urn:oecd:ties:stf:v4\" xmlns:cbc=\"urn:oecd:ties:cbc:v1\" "
    "xmlns:iso=\"urn:oecd:ties:isocbctypes:v1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";
constexpr const char* kRootV2 =
    "<cbc:CBC_OECD version=\"2.0\" xmlns:stf=\"urn:oecd:ties:cbcstf:v5\" xmlns:cbc=\"urn:oecd:ties:cbc:v2\" "
    "xmlns:iso=\"urn:oecd:ties:isocbctypes:v1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";

TEST_F(EngineCbCReport, MessageSpecAloneGivesAnEmptyBody)
{
    SReportV1 report;
    report.header[3] = "Note";
    const SRun run = Convert(Line(report.header), 206);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(run.strXml,
              std::string(kRootV1) +
                  "<cbc:MessageSpec><cbc:TransmittingCountry>JP</cbc:TransmittingCountry>"
                  "<cbc:ReceivingCountry>JP</cbc:ReceivingCountry><cbc:ReceivingCountry>US</cbc:ReceivingCountry>"
                  "<cbc:MessageType>CBC</cbc:MessageType><cbc:Language>EN</cbc:Language>"
                  "<cbc:Warning>Note</cbc:Warning><cbc:MessageRefId>JP2019-9234567890123-001</cbc:MessageRefId>"
                  "<cbc:MessageTypeIndic>CBC401</cbc:MessageTypeIndic>"
                  "<cbc:ReportingPeriod>2019-03-31</cbc:ReportingPeriod><cbc:Timestamp>T</cbc:Timestamp>"
                  "</cbc:MessageSpec><cbc:CbcBody/></cbc:CBC_OECD>");
}

TEST_F(EngineCbCReport, EachSchemaWritesItsNamespacesAndTheCsvVersion)
{
    const SRun first = Convert(SReportV1().Csv(), 206);
    ASSERT_TRUE(first.bPassed) << first.strErrors;
    EXPECT_EQ(first.strXml.rfind(kRootV1, 0), 0u);
    const SRun second = Convert(SReportV2().Csv(), 208);
    ASSERT_TRUE(second.bPassed) << second.strErrors;
    EXPECT_EQ(second.strXml.rfind(kRootV2, 0), 0u);
    // The version comes from the CSV, not from the definition.
    SReportV2 report;
    report.header[1] = "2.0.9";
    EXPECT_NE(Convert(report.Csv(), 208).strXml.find("version=\"2.0.9\""), std::string::npos);
}

TEST_F(EngineCbCReport, EntitiesStandInTheirCountrysReports)
{
    SReportV2 report;
    report.entities.push_back({"4", "JP", "5835678256246", "", "Second JP", "", "", "", "JP", "CBC503", ""});
    const SRun run = Convert(report.Csv(), 208);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    const size_t nSecondReport = run.strXml.find("<cbc:ResCountryCode>US</cbc:ResCountryCode><cbc:Summary>");
    ASSERT_NE(nSecondReport, std::string::npos);
    const size_t nSecondJp = run.strXml.find("<cbc:Name>Second JP</cbc:Name>");
    EXPECT_LT(run.strXml.find("<cbc:Name>Entity JP</cbc:Name>"), nSecondJp);
    EXPECT_LT(nSecondJp, nSecondReport);
    EXPECT_GT(run.strXml.find("<cbc:Name>Entity US</cbc:Name>"), nSecondReport);
    EXPECT_EQ(Count(run.strXml, "<cbc:ConstEntities>"), 3u);
    // No address without its free text, although CountryCode alone had a value.
    EXPECT_EQ(Count(run.strXml, "<cbc:Address "), 2u);
}

TEST_F(EngineCbCReport, SecondSchemaPlacesItsNewElements)
{
    const SRun run = Convert(SReportV2().Csv(), 208);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_NE(run.strXml.find("</cbc:Entity><cbc:NameMNEGroup>Group G</cbc:NameMNEGroup>"
                              "<cbc:ReportingRole>CBC701</cbc:ReportingRole><cbc:ReportingPeriod>"
                              "<cbc:StartDate>2018-04-01</cbc:StartDate><cbc:EndDate>2019-03-31</cbc:EndDate>"
                              "</cbc:ReportingPeriod><cbc:DocSpec>"),
              std::string::npos);
    EXPECT_NE(run.strXml.find("</cbc:ConstEntity><cbc:Role>CBC801</cbc:Role><cbc:IncorpCountryCode>JP"),
              std::string::npos);
}

TEST_F(EngineCbCReport, SplitValuesDropEmptyParts)
{
    SReportV1 report;
    report.header[2] = "JP//US/";
    const SRun run = Convert(report.Csv(), 206);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_NE(run.strXml.find("<cbc:TransmittingCountry>JP</cbc:TransmittingCountry><cbc:ReceivingCountry>JP"
                              "</cbc:ReceivingCountry><cbc:ReceivingCountry>US</cbc:ReceivingCountry><cbc:MessageType>"),
              std::string::npos);
    report.header[2] = "/";
    const SRun none = Convert(report.Csv(), 206);
    ASSERT_TRUE(none.bPassed) << none.strErrors;
    EXPECT_EQ(Count(none.strXml, "ReceivingCountry"), 0u);
}

TEST_F(EngineCbCReport, CurrencyAndIssuerAttributesComeFromTheirRecords)
{
    const SRun run = Convert(SReportV1().Csv(), 206);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(Count(run.strXml, "currCode=\"JPY\""), 18u);
    EXPECT_NE(run.strXml.find("<cbc:TIN issuedBy=\"US\">NOTIN</cbc:TIN>"), std::string::npos);
    EXPECT_NE(run.strXml.find("<cbc:OtherEntityInfo>Other &quot;info&quot;</cbc:OtherEntityInfo>"),
              std::string::npos);
}

TEST_F(EngineCbCReport, ConversionWritesTheOutputFile)
{
    const std::string strOutput = PathOf("cbc.xml");
    const SRun run = Convert(SReportV2().Csv(), 208, strOutput);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(NormaliseDates(ReadBytes(strOutput)), run.strXml);
}

// ---- mended faults ----

TEST_F(EngineCbCReport, VersionIsEscapedLikeEveryValue)
{
    SReportV1 report;
    report.header[1] = "\"1.0.1\"\" injected=\"\"x\"";   // the CSV value: 1.0.1" injected="x
    const SRun run = Convert(report.Csv(), 206);
    ASSERT_TRUE(run.bPassed) << run.strErrors;
    EXPECT_EQ(run.strXml.rfind("<cbc:CBC_OECD version=\"1.0.1&quot; injected=&quot;x\" xmlns:stf=", 0), 0u);
}

TEST_F(EngineCbCReport, EntityOfNoSummarysCountryIsRefusedNotDropped)
{
    SReportV1 report;
    report.entities.push_back({"4", "DE", "DE123", "", "Entity DE", "", "", "DE", "CBC501", ""});
    const SRun run = Convert(report.Csv(), 206);
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, "0007-00002-HE60030E");
    EXPECT_EQ(run.strXml, "");
}

TEST_F(EngineCbCReport, CountryOfTwoSummariesIsRefusedNotWrittenTwice)
{
    SReportV2 report;
    report.summaries[1][4] = "JP";
    report.entities.pop_back();
    const SRun run = Convert(report.Csv(), 208);
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, "0003-00005-HE60032E,0004-00005-HE60032E");
    EXPECT_EQ(run.strXml, "");
}

TEST_F(EngineCbCReport, SummaryWithoutEntitiesIsRefused)
{
    SReportV1 report;
    report.entities.pop_back();
    const SRun run = Convert(report.Csv(), 206);
    EXPECT_FALSE(run.bPassed);
    EXPECT_EQ(run.strErrors, "0004-00005-HE60029E");
}

TEST_F(EngineCbCReport, EmptyOtherInfoIsAnEmptyElementOnlyInTheFirstSchema)
{
    SReportV1 first;
    first.infos[0][4] = "";
    const SRun run1 = Convert(first.Csv(), 206);
    ASSERT_TRUE(run1.bPassed) << run1.strErrors;
    EXPECT_NE(run1.strXml.find("</cbc:DocSpec><cbc:OtherInfo/><cbc:ResCountryCode>"), std::string::npos);

    // The second schema refuses an empty OtherInfo: no document at all.
    SReportV2 second;
    second.infos[0][4] = "";
    const SRun run2 = Convert(second.Csv(), 208);
    EXPECT_FALSE(run2.bPassed);
    EXPECT_EQ(run2.strErrors, "0007-00005-HE60001E");
    EXPECT_EQ(run2.strXml, "");
}

TEST_F(EngineCbCReport, TimestampIsOneReading)
{
    CLCCbCDataManager manager;
    std::string strXml;
    ASSERT_TRUE(manager.InitForMake2(WriteCsv(SReportV2().Csv()).c_str(), ""));
    ASSERT_TRUE(manager.LoadCsvWithDefinition2("CBC_OECD", 208, false));
    ASSERT_TRUE(manager.MakeData2(strXml));
    manager.Terminate();
    const size_t nStart = strXml.find("<cbc:Timestamp>");
    ASSERT_NE(nStart, std::string::npos);
    const std::string strStamp = strXml.substr(nStart + 15, 19);
    EXPECT_EQ(NormaliseDates("<cbc:Timestamp>" + strStamp + "</cbc:Timestamp>"), "<cbc:Timestamp>T</cbc:Timestamp>");
}

} // namespace
