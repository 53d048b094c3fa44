#include "gir/CLCGIRXmlGenerator.h"
#include "foundation/FoundationTestFolder.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/GIRRuleTest.h"
#include "support/OecdSchema.h"
#include <filesystem>
#include <functional>
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

// A change to the tree that the generation must refuse.
struct SFaultCase {
    const char* szName;
    std::function<void()> fnChange;
    std::function<std::string()> fnExpected;
    friend void PrintTo(const SFaultCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class GeneratorFaults : public Generator, public ::testing::WithParamInterface<SFaultCase> {};

TEST_P(GeneratorFaults, RefuseTheDocument)
{
    girtree::Build(WithFiling("Name,Text,,,,8\nTIN,7000012050002,JP,false,GIR3001,8"));
    GetParam().fnChange();
    EXPECT_EQ(Generate(), "");
    EXPECT_EQ(girtree::ErrorText(), GetParam().fnExpected());
}

CLCGIRContainer* Name() { return girtree::Node("FI00003"); }
CLCGIRContainer* Tin() { return girtree::Node("FI00004"); }
std::function<std::string()> On(std::function<CLCGIRContainer*()> fnNode, long lColumn, const char* szCode)
{
    return [=]() { return girtree::Entry(fnNode(), lColumn, szCode); };
}
std::function<std::string()> Fatal()
{
    return []() { return std::string(girtree::kFatalOnly); };
}

INSTANTIATE_TEST_SUITE_P(
    Trees, GeneratorFaults,
    ::testing::Values(
        SFaultCase{"controlInAValue", []() { Name()->SetElementValue("a\x01z"); }, On(Name, 2, "HE60011E")},
        SFaultCase{"nonCharacterInAValue", []() { Name()->SetElementValue("a\xEF\xBF\xBE"); }, On(Name, 2, "HE60011E")},
        SFaultCase{"controlInAnAttribute", []() { Tin()->SetAttribute3Value("GIR\x1F"); }, On(Tin, 5, "HE60011E")},
        SFaultCase{"everyBadColumn",
                   []() {
                       Tin()->SetElementValue("\x0B");
                       Tin()->SetAttribute1Value("\x7F\x08");
                   },
                   [] { return girtree::Entry(Tin(), 2, "HE60011E") + ",00000003-00003-HE60011E"; }},
        SFaultCase{"tagAttributeWithColumnAndValue",
                   []() {
                       CLCGIRContainer* pNode = girtree::Node("FI00001");
                       pNode->SetConfAttr("a");
                       pNode->SetConfAttrValueColumn("3");
                       pNode->SetConfAttrValue("x");
                   },
                   Fatal()},
        SFaultCase{"attributeWithoutSource", []() { Name()->SetConfAttr("a"); }, Fatal()},
        SFaultCase{"attributeColumnEight",
                   []() {
                       Name()->SetConfAttr("a");
                       Name()->SetConfAttrValueColumn("8");
                   },
                   Fatal()}),
    [](const auto& info) { return std::string(info.param.szName); });

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

TEST_F(Generator, StructureCheckEmptiesMalformedText)
{
    CLCGIRXmlGenerator generator;
    std::string strXml = "<globe:A></globe:B>";
    EXPECT_FALSE(generator.CheckXmlStruct(strXml));
    EXPECT_EQ(strXml, "");
    EXPECT_EQ(girtree::ErrorText(), girtree::kFatalOnly);
}

TEST_F(Generator, OutputReplacesTheFileOrLeavesItAlone)
{
    CTestFolder folder;
    CLCGIRXmlGenerator generator;
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

// Both kinds of clean folder pass the whole check road and, with texts that
// need escaping, are valid GIR documents.
TEST_F(Generator, CleanFolderPassesEveryRuleAndTheSchema)
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
        EXPECT_EQ(girtree::CheckRoad(girtree::kHojinNo), "");
        Name()->SetElementValue("A&B <C> \"D\" 'E' 日本語");
        std::string strXml = Generate();
        CLCGIRXmlGenerator generator;
        ASSERT_TRUE(generator.CheckXmlSize(strXml) && generator.CheckXmlStruct(strXml));
        std::string strErrors;
        EXPECT_TRUE(oecdxsd::ValidateXml(strSchema, strXml, strErrors)) << strErrors;
    }
}

} // namespace
