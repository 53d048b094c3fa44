#include "gir/CLCGIRValidSingleItem.h"
#include "gir/CLCGIRContainer.h"
#include "gir/GIRRuleTest.h"
#include <ostream>
#include <string>
#include <vector>

namespace {

// A CSV column of a node of the clean folder (two Summaries), set to a value.
struct SSet {
    const char* szItemId;
    size_t n;
    long lColumn;
    std::string strValue;
};
struct SRow {
    const char* szItemId;
    size_t n;
    long lColumn;
    const char* szCode;
};

struct SSingleCase {
    const char* szName;
    std::string strItems;   // "" for the shipped 211, else the rows of singleItemCheck
    std::vector<SSet> vecSets;
    std::vector<SRow> vecRowsOn;
    bool bFatal;
    friend void PrintTo(const SSingleCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class SingleItems : public GIRRuleTest, public ::testing::WithParamInterface<SSingleCase> {};

TEST_P(SingleItems, AtMostOneRowPerContainerAndItem)
{
    const SSingleCase& c = GetParam();
    girtree::SCleanFolder folder;
    folder.nSummaries = 2;
    girtree::Build(girtree::CleanFolderRows(folder));
    if (!c.strItems.empty())
        girtree::UseCheckDefinition("<exclusiveItemCheck/>" + c.strItems + "<correlationCheck/>");
    for (const SSet& set : c.vecSets) {
        CLCGIRContainer* pNode = girtree::Node(set.szItemId, set.n);
        if (set.lColumn == 2)
            pNode->SetElementValue(set.strValue);
        else if (set.lColumn == 3)
            pNode->SetAttribute1Value(set.strValue);
        else
            pNode->SetAttribute3Value(set.strValue);
    }
    std::vector<girtree::SRowOn> vecExpected;
    for (const SRow& row : c.vecRowsOn)
        vecExpected.push_back({girtree::Node(row.szItemId, row.n), row.lColumn, row.szCode});
    const std::string strExpected = c.bFatal ? girtree::kFatalOnly : girtree::Expected(vecExpected);

    const CLCCbCMessage_t result = CLCGIRValidSingleItem().Validate();
    EXPECT_EQ(girtree::ErrorText(), strExpected);
    EXPECT_EQ(result == HE60000E, c.bFatal);
    EXPECT_EQ(result == CBC_MSG_NONE, strExpected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, SingleItems,
    ::testing::Values(
        SSingleCase{"clean", "", {}, {}, false},
        SSingleCase{"firstFailingRuleOnly", "", {{"MS00004", 0, 2, "JP"}}, {{"MS00004", 0, 2, "HE60007E"}}, false},
        SSingleCase{"attributeColumn", "", {{"FI00004", 0, 3, "XX"}}, {{"FI00004", 0, 3, "HE60009E"}}, false},
        SSingleCase{"corporateNumberRulesOn", "", {{"FI00004", 0, 2, "1234"}}, {{"FI00004", 0, 2, "HE60007E"}}, false},
        SSingleCase{"corporateNumberRulesOff", "", {{"FI00004", 0, 2, "ABC"}, {"FI00004", 0, 3, "US"}}, {}, false},
        SSingleCase{"untypedTinIsACorporateNumber", "", {{"FI00004", 0, 2, "ABC"}, {"FI00004", 0, 5, ""}},
                    {{"FI00004", 0, 2, "HE60007E"}}, false},
        SSingleCase{"oneRowPerItemOfAContainer", "", {{"FI00001", 0, 2, "x"}, {"FI00001", 0, 3, "y"}},
                    {{"FI00001", 0, 2, "HE60002E"}, {"FI00001", 0, 3, "HE60002E"}}, false},
        SSingleCase{"everyContainerOfTheItem", "", {{"SM00025", 0, 2, "x"}, {"SM00025", 1, 2, "x"}},
                    {{"SM00025", 0, 2, "HE60009E"}, {"SM00025", 1, 2, "HE60009E"}}, false}),
    [](const auto& info) { return std::string(info.param.szName); });

std::string Items(const std::string& strItems)
{
    return "<singleItemCheck>" + strItems + "</singleItemCheck>";
}

INSTANTIATE_TEST_SUITE_P(
    Defined, SingleItems,
    ::testing::Values(
        SSingleCase{"givenMessage", Items("<item itemId=\"FI00003\" column=\"2\"><valid id=\"notExist\" messageId=\"HE60060E\"/></item>"),
                    {}, {{"FI00003", 0, 2, "HE60060E"}}, false},
        SSingleCase{"outerOnTheCsvColumn",
                    Items("<item itemId=\"FI00004\" column=\"2\"><valid id=\"notExist\"><outer id=\"contain\" column=\"4\" value=\"false\"/></valid></item>"),
                    {}, {{"FI00004", 0, 2, "HE60002E"}}, false},
        SSingleCase{"absentElementBuildsNoRule", Items("<item itemId=\"GS00015\" column=\"2\"><valid id=\"nonsense\"/></item>"),
                    {}, {}, false},
        SSingleCase{"unknownKeyword", Items("<item itemId=\"FI00003\" column=\"2\"><valid id=\"nonsense\"/></item>"), {}, {}, true},
        SSingleCase{"columnZero", Items("<item itemId=\"FI00003\" column=\"0\"><valid id=\"exist\"/></item>"), {}, {}, true},
        SSingleCase{"columnSeven", Items("<item itemId=\"FI00003\" column=\"7\"><valid id=\"exist\"/></item>"), {}, {}, true},
        SSingleCase{"outerColumnSeven",
                    Items("<item itemId=\"FI00003\" column=\"2\"><valid id=\"exist\"><outer id=\"exist\" column=\"7\"/></valid></item>"),
                    {}, {}, true},
        SSingleCase{"itemWithoutRules", Items("<item itemId=\"FI00003\" column=\"2\"/>"), {}, {}, true},
        SSingleCase{"sectionWithoutItems", Items(""), {}, {}, true},
        SSingleCase{"noSection", "<exclusiveItemCheck/>", {}, {}, true}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
