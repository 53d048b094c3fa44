#include "gir/CLCGIRXmlGenerator.h"
#include "foundation/FoundationTestFolder.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/GIRRuleTest.h"
#include "support/OecdSchema.h"
#include <filesystem>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::string kRootTag = "<globe:GLOBE_OECD version=\"1.0\" xmlns:globe=\"urn:oecd:ties:globe:v2\""
                             " xmlns:stf=\"urn:oecd:ties:globestf:v5\" xmlns:iso=\"urn:oecd:ties:isoglobetypes:v1\">";
const std::string kRootEnd = "</globe:GLOBE_OECD>";

std::vector<SGIRRow> Header()
{
    return girtree::Rows("01_MessageSpec.csv", "ReceivingCountry,JP,,,,6\nMessageRefId,JP20257000012050002001,,,,6\n"
                                               "MessageTypeIndic,GIR101,,,,6\nReportingPeriod,2025-03-31,,,,6");
}
const std::string kHeaderXml =
    "<globe:MessageSpec><globe:TransmittingCountry>JP</globe:TransmittingCountry>"
    "<globe:ReceivingCountry>JP</globe:ReceivingCountry><globe:MessageType>GIR</globe:MessageType>"
    "<globe:MessageRefId>JP20257000012050002001</globe:MessageRefId>"
    "<globe:MessageTypeIndic>GIR101</globe:MessageTypeIndic><globe:ReportingPeriod>2025-03-31</globe:ReportingPeriod>"
    "<globe:Timestamp>TIMESTAMP</globe:Timestamp></globe:MessageSpec>";

std::vector<SGIRRow> WithFiling(const std::string& strFilingCE)
{
    std::vector<SGIRRow> vecRows = Header();
    for (const SGIRRow& row : girtree::Rows("01_FilingInfo.csv", "FilingCE,,,,,7\n" + strFilingCE +
                                                                      "\nDocSpec,,,,,7\nDocTypeIndic,OECD1,,,,8\n"
                                                                      "DocRefId,JP202570000120500020010001,,,,8"))
        vecRows.push_back(row);
    return vecRows;
}
std::string FilingXml(const std::string& strFilingCE)
{
    return "<globe:GLOBEBody><globe:FilingInfo><globe:FilingCE><globe:ResCountryCode>JP</globe:ResCountryCode>" +
           strFilingCE +
           "</globe:FilingCE><globe:DocSpec><stf:DocTypeIndic>OECD1</stf:DocTypeIndic>"
           "<stf:DocRefId>JP202570000120500020010001</stf:DocRefId></globe:DocSpec></globe:FilingInfo></globe:GLOBEBody>";
}

class Generator : public GIRRuleTest {
protected:
    // The document of the tree; "" when the generation failed (the prefix of
    // the output must then be left alone).
    static std::string Generate()
    {
        std::string strXml = "prefix";
        if (!CLCGIRXmlGenerator().MakeXMLData(CLCGIRDataManager::instance()->GetRootContainer(), strXml)) {
            EXPECT_EQ(strXml, "prefix");
            return "";
        }
        return strXml.substr(6);
    }
};

struct STextCase {
    const char* szName;
    std::vector<SGIRRow> vecRows;
    std::string strBody;
    friend void PrintTo(const STextCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class GeneratorText : public Generator, public ::testing::WithParamInterface<STextCase> {};

TEST_P(GeneratorText, WritesTheDocumentByteForByte)
{
    girtree::Build(GetParam().vecRows);
    const std::regex timestamp("\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}");
    EXPECT_EQ(std::regex_replace(Generate(), timestamp, "TIMESTAMP"), kRootTag + GetParam().strBody + kRootEnd);
    EXPECT_EQ(girtree::ErrorText(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Trees, GeneratorText,
    ::testing::Values(
        STextCase{"rootOnly", {}, ""},
        STextCase{"headerWithAutomaticItems", Header(), kHeaderXml},
        STextCase{"escapedValuesEmptyAttributesLeftOut",
                  WithFiling("Name,A&B <C> \"D\" 'E' 日本,,,,8\nTIN,7000012050002,JP,,GIR3001,8"),
                  kHeaderXml + FilingXml("<globe:Name>A&amp;B &lt;C&gt; &quot;D&quot; &apos;E&apos; 日本</globe:Name>"
                                         "<globe:TIN issuedBy=\"JP\" TypeOfTIN=\"GIR3001\">7000012050002</globe:TIN>")},
        STextCase{"escapedAttributesEmptyValue", WithFiling("Name,,,,,8\nTIN,,<&>,\"',,8"),
                  kHeaderXml + FilingXml("<globe:Name></globe:Name>"
                                         "<globe:TIN issuedBy=\"&lt;&amp;&gt;\" unknown=\"&quot;&apos;\"></globe:TIN>")}),
    [](const auto& info) { return std::string(info.param.szName); });

CLCCbCMessage_t GenerateOrRefuse()
{
    std::string strXml = "prefix";
    const bool bMade = CLCGIRXmlGenerator().MakeXMLData(CLCGIRDataManager::instance()->GetRootContainer(), strXml);
    EXPECT_EQ(strXml.size() == 6, !bMade);
    return bMade ? CBC_MSG_NONE : HE60011E;
}

// Characters that XML 1.0 forbids, found in the columns that are written.
INSTANTIATE_TEST_SUITE_P(
    ForbiddenCharacters, RuleCases,
    ::testing::Values(
        SRuleCase{"controlInAValue", &GenerateOrRefuse, false, "", {{"FI00003", 0, 2, "a\x01z"}},
                  {{"FI00003", 0, 2, "HE60011E"}}, false},
        SRuleCase{"nonCharacterInAValue", &GenerateOrRefuse, false, "", {{"FI00003", 0, 2, "a\xEF\xBF\xBE"}},
                  {{"FI00003", 0, 2, "HE60011E"}}, false},
        SRuleCase{"everyBadColumn", &GenerateOrRefuse, false, "",
                  {{"FI00004", 0, 2, "\x0B"}, {"FI00004", 0, 3, "\x7F\x08"}, {"SM00005", 2, 5, "GIR\x1F"}},
                  {{"FI00004", 0, 2, "HE60011E"}, {"FI00004", 0, 3, "HE60011E"}, {"SM00005", 2, 5, "HE60011E"}}, false},
        SRuleCase{"unwrittenColumnIgnored", &GenerateOrRefuse, false, "", {{"FI00003", 0, 3, "\x01"}}, {}, false}),
    CaseName);

TEST_F(Generator, WriterFaultsGiveTheFatalRow)
{
    struct SConf {
        const char* szItemId;
        const char* szAttr;
        const char* szColumn;
        const char* szFixed;
    };
    const SConf kFaults[] = {{"FI00001", "a", "3", "x"}, {"FI00003", "a", "", ""}, {"FI00003", "a", "8", ""}};
    for (const SConf& fault : kFaults) {
        girtree::StartRun();
        girtree::Build(WithFiling("Name,Text,,,,8"));
        CLCGIRContainer* pNode = girtree::Node(fault.szItemId);
        pNode->SetConfAttr(fault.szAttr);
        pNode->SetConfAttrValueColumn(fault.szColumn);
        pNode->SetConfAttrValue(fault.szFixed);
        EXPECT_EQ(Generate(), "");
        EXPECT_EQ(girtree::ErrorText(), girtree::kFatalOnly) << fault.szItemId << fault.szColumn;
    }
}

// The attribute settings of one node: its structure element FilingCE (FI00001)
// or its value element Name (FI00003), each with text in columns 3 and 5.
struct SAttrCase {
    const char* szName;
    const char* szItemId;
    long n;   // the attribute number
    const char* szAttr;
    const char* szColumn;
    const char* szFixed;
    std::string strStart;   // the element's start tag; "" for the fatal row
    friend void PrintTo(const SAttrCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class GeneratorAttributes : public Generator, public ::testing::WithParamInterface<SAttrCase> {};

TEST_P(GeneratorAttributes, WritesTheSettingOrRefusesIt)
{
    const SAttrCase& c = GetParam();
    std::vector<SGIRRow> vecRows = Header();
    for (const SGIRRow& row : girtree::Rows("01_FilingInfo.csv", "FilingCE,,c&3,,c5,7\nName,Text,n<3,,n5,8\n"
                                                                  "DocSpec,,,,,7\nDocTypeIndic,OECD1,,,,8\n"
                                                                  "DocRefId,JP202570000120500020010001,,,,8"))
        vecRows.push_back(row);
    girtree::Build(vecRows);
    const std::string strBefore = Generate();
    const std::string strOldStart = std::string(c.szItemId) == "FI00001" ? "<globe:FilingCE>" : "<globe:Name>";
    ASSERT_NE(strBefore.find(strOldStart), std::string::npos);
    using Setter = void (CLCGIRContainer::*)(std::string);
    static constexpr Setter kAttr[] = {&CLCGIRContainer::SetConfAttr, &CLCGIRContainer::SetConfAttr2,
                                       &CLCGIRContainer::SetConfAttr3};
    static constexpr Setter kColumn[] = {&CLCGIRContainer::SetConfAttrValueColumn,
                                         &CLCGIRContainer::SetConfAttrValueColumn2,
                                         &CLCGIRContainer::SetConfAttrValueColumn3};
    static constexpr Setter kFixed[] = {&CLCGIRContainer::SetConfAttrValue, &CLCGIRContainer::SetConfAttrValue2,
                                        &CLCGIRContainer::SetConfAttrValue3};
    CLCGIRContainer* pNode = girtree::Node(c.szItemId);
    (pNode->*kAttr[c.n - 1])(c.szAttr);
    (pNode->*kColumn[c.n - 1])(c.szColumn);
    (pNode->*kFixed[c.n - 1])(c.szFixed);
    std::string strExpected;
    if (!c.strStart.empty())
        strExpected = std::string(strBefore).replace(strBefore.find(strOldStart), strOldStart.size(), c.strStart);
    EXPECT_EQ(Generate(), strExpected);
    EXPECT_EQ(girtree::ErrorText(), c.strStart.empty() ? girtree::kFatalOnly : "");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, GeneratorAttributes,
    ::testing::Values(
        SAttrCase{"structureColumn", "FI00001", 1, "a", "3", "", "<globe:FilingCE a=\"c&amp;3\">"},
        SAttrCase{"structureEmptyColumnKept", "FI00001", 1, "a", "4", "", "<globe:FilingCE a=\"\">"},
        SAttrCase{"structureFixed", "FI00001", 1, "a", "", "F", "<globe:FilingCE a=\"F\">"},
        SAttrCase{"structureColumnAfterBlankAndSign", "FI00001", 1, "a", " +5", "", "<globe:FilingCE a=\"c5\">"},
        SAttrCase{"structureColumnBeforeText", "FI00001", 1, "a", "3x", "", "<globe:FilingCE a=\"c&amp;3\">"},
        SAttrCase{"structureColumnNoNumber", "FI00001", 1, "a", "x", "", ""},
        SAttrCase{"structureColumnZero", "FI00001", 1, "a", "0", "", ""},
        SAttrCase{"valueSecondAttribute", "FI00003", 2, "b", "5", "", "<globe:Name b=\"n5\">"},
        SAttrCase{"valueFixedBeforeColumn", "FI00003", 1, "a", "3", "F", "<globe:Name a=\"F\">"},
        SAttrCase{"valueEmptyColumnLeftOut", "FI00003", 1, "a", "4", "", "<globe:Name>"},
        SAttrCase{"valueEscapedColumn", "FI00003", 3, "c", "3", "", "<globe:Name c=\"n&lt;3\">"},
        SAttrCase{"valueNameColumn", "FI00003", 1, "a", "1", "", "<globe:Name a=\"Name\">"},
        SAttrCase{"valueLevelColumn", "FI00003", 3, "c", "6", "", "<globe:Name c=\"8\">"},
        SAttrCase{"valueNegativeColumn", "FI00003", 1, "a", "-2", "", ""},
        SAttrCase{"valueColumnSeven", "FI00003", 2, "b", "7", "", ""}),
    [](const auto& info) { return std::string(info.param.szName); });

// A node given settings of its own is written by them; the other nodes of its
// element keep the shared ones.
TEST_F(Generator, NodeWithItsOwnSettingsLeavesItsElementAlone)
{
    girtree::SCleanFolder folder;
    folder.nSummaries = 3;
    girtree::Build(girtree::CleanFolderRows(folder));
    const std::string strBefore = Generate();
    girtree::Node("SM00005", 1)->SetConfNameSpace("stf");
    std::string strXml = Generate();
    for (const std::string strTag : {"<stf:TIN ", "</stf:TIN>"}) {
        const size_t nAt = strXml.find(strTag);
        ASSERT_NE(nAt, std::string::npos) << strTag;
        EXPECT_EQ(strXml.find(strTag, nAt + 1), std::string::npos) << strTag;
        strXml.replace(nAt + strTag.find('s'), 3, "globe");
    }
    EXPECT_EQ(strXml, strBefore);
    EXPECT_EQ(girtree::ErrorText(), "");
}

CLCGIRContainer* Name()
{
    return girtree::Node("FI00003");
}

// Values are judged eight bytes a step while they are printable ASCII: a
// forbidden character is found wherever it falls against those steps.
TEST_F(Generator, ForbiddenCharacterFoundAtAnyOffset)
{
    girtree::Build(WithFiling("Name,Text,,,,8"));
    for (size_t nAt = 0; nAt <= 17; ++nAt) {
        for (const char* szBad : {"\x01", "\x1F", "\xEF\xBF\xBE", "\xED\xA0\x80", "\xFF"}) {
            Name()->SetElementValue(std::string(nAt, 'a') + szBad + std::string(9, 'b'));
            EXPECT_EQ(Generate(), "") << nAt;
            EXPECT_EQ(girtree::ErrorText(), girtree::Expected({{Name(), 2, "HE60011E"}})) << nAt;
        }
        for (const char* szGood : {"\t\n\r", "\x7F ~", "\xE3\x81\x82", "\xEF\xBF\xBD", "\xF0\x9F\x98\x80"}) {
            Name()->SetElementValue(std::string(nAt, 'a') + szGood + std::string(9, 'b'));
            EXPECT_NE(Generate(), "") << nAt;
            EXPECT_EQ(girtree::ErrorText(), "") << nAt;
        }
    }
}

TEST_F(Generator, SizeLimitIsInclusive)
{
    girtree::Build(WithFiling("Name,,,,,8"));
    const size_t nBase = Generate().size();
    Name()->SetElementValue(std::string(CLCGIRXmlGenerator::kMaxXmlBytes - nBase, 'a'));
    std::string strXml = Generate();
    ASSERT_EQ(strXml.size(), CLCGIRXmlGenerator::kMaxXmlBytes);
    CLCGIRXmlGenerator generator;
    EXPECT_TRUE(generator.CheckXmlSize(strXml));
    EXPECT_EQ(girtree::ErrorText(), "");
    strXml += ' ';
    EXPECT_FALSE(generator.CheckXmlSize(strXml));
    EXPECT_EQ(strXml, "");
    EXPECT_EQ(girtree::ErrorText(), "その他: 00000000-00000-HE60021E");
}

TEST_F(Generator, MalformedTextAndFailedWritesAreRefused)
{
    CLCGIRXmlGenerator generator;
    std::string strXml = "<globe:A></globe:B>";
    EXPECT_FALSE(generator.CheckXmlStruct(strXml));
    EXPECT_EQ(strXml, "");
    EXPECT_EQ(girtree::ErrorText(), girtree::kFatalOnly);
    CTestFolder folder;
    const std::string strOld = folder.Write("old.xml", "<old/>");
    EXPECT_TRUE(generator.OutputFileConvData(strOld.c_str(), "<new/>"));
    EXPECT_EQ(ReadBytes(strOld), "<new/>");
    EXPECT_FALSE(generator.OutputFileConvData(strOld.c_str(), "<a>\xFF</a>"));
    EXPECT_EQ(ReadBytes(strOld), "<new/>");
    EXPECT_FALSE(generator.OutputFileConvData(folder.Path().c_str(), "<new/>"));
    EXPECT_EQ(girtree::ErrorText(), "その他: 00000000-00000-HE60020E");
    EXPECT_FALSE(generator.OutputFileConvData(strOld.c_str(), ""));
    EXPECT_EQ(girtree::ErrorText(), girtree::kFatalOnly);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

// The parse and the write side by side answer as CheckXmlStruct and then
// OutputFileConvData do: the same answer, rows, text and file, no temporary left.
TEST_F(Generator, CheckAndOutputTogetherAnswerAsOneAfterTheOther)
{
    const std::string kTexts[] = {"<globe:A>x</globe:A>", "<globe:A></globe:B>", "<a>\xFF</a>", "",
                                  "<a/><!DOCTYPE a>"};
    for (const std::string& strText : kTexts) {
        for (bool bToFolder : {false, true}) {
            std::string astrXml[2] = {strText, strText};
            std::string astrRows[2];
            std::string astrFile[2];
            bool abOk[2] = {};
            for (int nWay = 0; nWay < 2; ++nWay) {
                CTestFolder folder;
                const std::string strOld = folder.Write("old.xml", "<old/>");
                const std::string strTarget = bToFolder ? folder.Path().string() : strOld;
                CLCGIRXmlGenerator generator;
                abOk[nWay] = nWay == 0 ? generator.CheckXmlStruct(astrXml[0])
                                             && generator.OutputFileConvData(strTarget.c_str(), astrXml[0])
                                       : generator.CheckXmlStructAndOutput(strTarget.c_str(), astrXml[1]);
                astrRows[nWay] = girtree::ErrorText();
                astrFile[nWay] = ReadBytes(strOld);
                EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
            }
            const std::string strCase = strText + (bToFolder ? " to a folder" : "");
            EXPECT_EQ(abOk[1], abOk[0]) << strCase;
            EXPECT_EQ(astrRows[1], astrRows[0]) << strCase;
            EXPECT_EQ(astrXml[1], astrXml[0]) << strCase;
            EXPECT_EQ(astrFile[1], astrFile[0]) << strCase;
        }
    }
}

// Both kinds of clean folder, with texts that need escaping, are valid GIR documents.
TEST_F(Generator, CleanFolderIsValidAgainstTheSchema)
{
    const std::string strSchema = oecdxsd::SchemaPath("gir_v1.0", "GLOBEXML_v1.0.xsd");
    if (const std::string strMissing = oecdxsd::MissingSchemaMessage(strSchema); !strMissing.empty())
        GTEST_SKIP() << strMissing;
    for (bool bNewData : {false, true}) {
        girtree::StartRun();
        girtree::SCleanFolder folder;
        folder.bNewData = bNewData;
        folder.nSummaries = 2;
        folder.nJurisdictions = 2;
        girtree::Build(girtree::CleanFolderRows(folder));
        Name()->SetElementValue("A&B <C> \"D\" 'E' 日本語");
        std::string strXml = Generate();
        CLCGIRXmlGenerator generator;
        ASSERT_TRUE(generator.CheckXmlSize(strXml) && generator.CheckXmlStruct(strXml));
        EXPECT_EQ(girtree::ErrorText(), "");
        std::string strErrors;
        EXPECT_TRUE(oecdxsd::ValidateXml(strSchema, strXml, strErrors)) << strErrors;
    }
}

} // namespace
