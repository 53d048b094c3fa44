#include "gir/CLCGIRValidCorrelation.h"
#include "foundation/CLCCbCCommon.h"
#include "gir/CLCGIRContainer.h"
#include "gir/GIRRuleTest.h"
#include <ostream>
#include <string>
#include <vector>

namespace {

// One value set on a node of the clean folder; "=ITEMID" copies the first
// node of that item.
struct SChange {
    const char* szItemId;
    size_t n;
    std::string strValue;
};
using NodeRef = std::pair<const char*, size_t>;

struct SCorrelationCase {
    const char* szName;
    bool bNewData;
    std::string strCheck;   // "" for the shipped 211
    std::vector<SChange> vecChanges;
    std::vector<NodeRef> vecRowsOn;   // every node with a row, column 2
    const char* szCode;
    friend void PrintTo(const SCorrelationCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class CorrelationRules : public GIRRuleTest, public ::testing::WithParamInterface<SCorrelationCase> {};

TEST_P(CorrelationRules, ReportOnTheRightNodeAndColumn)
{
    const SCorrelationCase& c = GetParam();
    girtree::SCleanFolder folder;
    folder.bNewData = c.bNewData;
    folder.nSummaries = 3;
    folder.nJurisdictions = 2;
    girtree::Build(girtree::CleanFolderRows(folder));
    if (!c.strCheck.empty())
        girtree::UseCheckDefinition("<exclusiveItemCheck/><singleItemCheck/>" + c.strCheck);
    for (const SChange& change : c.vecChanges) {
        const bool bCopy = change.strValue[0] == '=';
        girtree::Node(change.szItemId, change.n)
            ->SetElementValue(bCopy ? girtree::Node(change.strValue.substr(1))->GetElementValue() : change.strValue);
    }
    const CLCCbCMessage_t result = CLCGIRValidCorrelation().Validate();
    std::vector<girtree::SRowOn> vecExpected;
    for (const auto& [szItemId, n] : c.vecRowsOn)
        vecExpected.push_back({girtree::Node(szItemId, n), 2, c.szCode});
    EXPECT_EQ(girtree::ErrorText(), girtree::Expected(vecExpected));
    EXPECT_EQ(CLCCbCCommon::ConvEnID2Code(result), c.vecRowsOn.empty() ? "" : c.szCode);
}

SCorrelationCase Shipped(const char* szName, bool bNewData, const char* szItemId, std::string strValue,
                         const char* szCode)
{
    std::vector<NodeRef> vecRowsOn;
    if (*szCode != '\0')
        vecRowsOn.emplace_back(szItemId, 0);
    return {szName, bNewData, "", {{szItemId, 0, std::move(strValue)}}, vecRowsOn, szCode};
}

const std::string kOtherMessage = "JP202570000120500020020001";
const std::string kOtherYear = "JP202470000120500029000001";

// Each correlation row of 211 failing once.
INSTANTIATE_TEST_SUITE_P(
    Shipped, CorrelationRules,
    ::testing::Values(
        Shipped("cleanCorrections", false, "MS00005", "GIR102", ""),
        Shipped("cleanNewData", true, "MS00005", "GIR101", ""),
        Shipped("correctionsFI", false, "FI00016", "OECD1", "HE60057E"),
        Shipped("correctionsGS", false, "GS00062", "OECD11", "HE60057E"),
        Shipped("correctionsSM", false, "SM00024", "OECD1", "HE60057E"),
        Shipped("correctionsJS", false, "JS00432", "OECD1", "HE60057E"),
        Shipped("correctionsUA", false, "UA00018", "OECD1", "HE60057E"),
        Shipped("newDataFI", true, "FI00016", "OECD2", "HE60057E"),
        Shipped("newDataGS", true, "GS00062", "OECD0", "HE60057E"),
        Shipped("newDataSM", true, "SM00024", "OECD3", "HE60057E"),
        Shipped("newDataJS", true, "JS00432", "OECD10", "HE60057E"),
        Shipped("newDataUA", true, "UA00018", "OECD12", "HE60057E"),
        Shipped("docRefIdFI", false, "FI00017", kOtherMessage, "HE60058E"),
        Shipped("docRefIdGS", false, "GS00063", kOtherMessage, "HE60058E"),
        Shipped("docRefIdSM", false, "SM00025", kOtherMessage, "HE60058E"),
        Shipped("docRefIdJS", false, "JS00433", kOtherMessage, "HE60058E"),
        Shipped("docRefIdUA", false, "UA00019", kOtherMessage, "HE60058E"),
        Shipped("corrDocRefIdFI", false, "FI00018", kOtherYear, "HE60064E"),
        Shipped("corrDocRefIdGS", false, "GS00064", kOtherYear, "HE60064E"),
        Shipped("corrDocRefIdSM", false, "SM00026", kOtherYear, "HE60064E"),
        Shipped("corrDocRefIdJS", false, "JS00434", kOtherYear, "HE60064E"),
        Shipped("corrDocRefIdUA", false, "UA00020", kOtherYear, "HE60064E"),
        Shipped("periodEnd", false, "FI00012", "2025-12-31", "HE60056E"),
        Shipped("docRefIdTwice", false, "GS00063", "=FI00017", "HE60062E"),
        Shipped("corrDocRefIdTwice", false, "GS00064", "=FI00018", "HE60063E")),
    [](const auto& info) { return std::string(info.param.szName); });

std::string Rows(const std::string& strRows)
{
    return "<correlationCheck>" + strRows + "</correlationCheck>";
}

const std::string kFirst19 = Rows("<valid id=\"match\" value=\"messageIdFirst19\" itemId=\"SM00025\" column=\"2\""
                                  " itemId2=\"JS00433\" column2=\"2\"/>");
const std::string kWholeMessageId = Rows("<valid id=\"match\" value=\"messageId\" itemId=\"MS00004\" column=\"2\""
                                         " itemId2=\"FI00013\" column2=\"2\"/>");
const std::string kYear = Rows("<valid id=\"match\" value=\"year\" itemId=\"MS00004\" column=\"2\" itemId2=\"FI00013\""
                               " column2=\"2\"/>");
const std::string kSummaryTypes = "<valid id=\"contain\" value=\"OECD9\" itemId=\"SM00024\" column=\"2\"";
const std::string kTwoIds = Rows("<valid id=\"duplicate\" itemId=\"SM00025 JS00433\" column=\"2\"/>");

INSTANTIATE_TEST_SUITE_P(
    Defined, CorrelationRules,
    ::testing::Values(
        SCorrelationCase{"pairsAgree", false, kFirst19, {}, {}, "HE60009E"},
        SCorrelationCase{"pairsRowOnEverySecond", false, kFirst19, {{"SM00025", 1, kOtherYear}},
                         {{"JS00433", 0}, {"JS00433", 1}}, "HE60009E"},
        SCorrelationCase{"messageIdWholeValue", false, kWholeMessageId, {{"FI00013", 0, kOtherMessage}},
                         {{"FI00013", 0}}, "HE60009E"},
        SCorrelationCase{"yearOfTheValue", false, kYear, {{"FI00013", 0, "XX2025"}}, {}, "HE60009E"},
        SCorrelationCase{"yearOfAShortValue", false, kYear, {{"FI00013", 0, "XX202"}}, {{"FI00013", 0}}, "HE60009E"},
        SCorrelationCase{"containEveryNode", false, Rows(kSummaryTypes + " messageId=\"HE60057E\"/>"), {},
                         {{"SM00024", 0}, {"SM00024", 1}, {"SM00024", 2}}, "HE60057E"},
        SCorrelationCase{"containOuterOff", false,
                         Rows(kSummaryTypes + "><outer id=\"contain\" value=\"GIR101\" itemId=\"MS00005\" column=\"2\"/>"
                                              "</valid>"),
                         {}, {}, "HE60009E"},
        SCorrelationCase{"containNoNode", false,
                         Rows("<valid id=\"contain\" value=\"x\" itemId=\"GS00015\" column=\"2\"/>"), {}, {}, "HE60009E"},
        SCorrelationCase{"duplicateAcrossIds", false, kTwoIds, {{"JS00433", 0, "=SM00025"}}, {{"JS00433", 0}},
                         "HE60009E"},
        SCorrelationCase{"duplicateEveryLaterNode", false, kTwoIds,
                         {{"SM00025", 0, "X"}, {"SM00025", 1, "X"}, {"SM00025", 2, "X"}},
                         {{"SM00025", 1}, {"SM00025", 2}}, "HE60009E"},
        SCorrelationCase{"noRows", false, "<correlationCheck/>", {}, {}, "HE60009E"}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
