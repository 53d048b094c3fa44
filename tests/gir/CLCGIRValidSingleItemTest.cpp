#include "gir/CLCGIRValidSingleItem.h"
#include "gir/GIRRuleTest.h"
#include <string>

namespace {

CLCCbCMessage_t Single()
{
    return CLCGIRValidSingleItem().Validate();
}

SRuleCase Shipped(const char* szName, std::vector<SSet> vecSets, std::vector<SRowAt> vecRows)
{
    return {szName, &Single, false, "", std::move(vecSets), std::move(vecRows), false};
}

INSTANTIATE_TEST_SUITE_P(
    SingleItems, RuleCases,
    ::testing::Values(
        Shipped("clean", {}, {}),
        Shipped("firstFailingRuleOnly", {{"MS00004", 0, 2, "JP"}}, {{"MS00004", 0, 2, "HE60007E"}}),
        Shipped("attributeColumn", {{"FI00004", 0, 3, "XX"}}, {{"FI00004", 0, 3, "HE60009E"}}),
        Shipped("corporateNumberRulesOn", {{"FI00004", 0, 2, "1234"}}, {{"FI00004", 0, 2, "HE60007E"}}),
        Shipped("corporateNumberRulesOff", {{"FI00004", 0, 2, "ABC"}, {"FI00004", 0, 3, "US"}}, {}),
        Shipped("untypedTinIsACorporateNumber", {{"FI00004", 0, 2, "ABC"}, {"FI00004", 0, 5, ""}},
                {{"FI00004", 0, 2, "HE60007E"}}),
        Shipped("oneRowPerItemOfAContainer", {{"FI00001", 0, 2, "x"}, {"FI00001", 0, 3, "y"}},
                {{"FI00001", 0, 2, "HE60002E"}, {"FI00001", 0, 3, "HE60002E"}}),
        Shipped("everyContainerOfTheItem", {{"SM00025", 0, 2, "x"}, {"SM00025", 2, 2, "x"}},
                {{"SM00025", 0, 2, "HE60009E"}, {"SM00025", 2, 2, "HE60009E"}})),
    CaseName);

SRuleCase Defined(const char* szName, const std::string& strItems, std::vector<SRowAt> vecRows, bool bFatal)
{
    return {szName, &Single, false, "<singleItemCheck>" + strItems + "</singleItemCheck>", {}, std::move(vecRows), bFatal};
}

const std::string kName = "<item itemId=\"FI00003\" column=\"";

INSTANTIATE_TEST_SUITE_P(
    SingleItemDefinitions, RuleCases,
    ::testing::Values(
        Defined("givenMessage", kName + "2\"><valid id=\"notExist\" messageId=\"HE60060E\"/></item>",
                {{"FI00003", 0, 2, "HE60060E"}}, false),
        Defined("outerOnTheCsvColumn",
                "<item itemId=\"FI00004\" column=\"2\"><valid id=\"notExist\"><outer id=\"contain\" column=\"4\" "
                "value=\"false\"/></valid></item>",
                {{"FI00004", 0, 2, "HE60002E"}}, false),
        Defined("absentElementBuildsNoRule", "<item itemId=\"GS00015\" column=\"2\"><valid id=\"nonsense\"/></item>", {},
                false),
        Defined("unknownKeyword", kName + "2\"><valid id=\"nonsense\"/></item>", {}, true),
        Defined("columnZero", kName + "0\"><valid id=\"exist\"/></item>", {}, true),
        Defined("columnSeven", kName + "7\"><valid id=\"exist\"/></item>", {}, true),
        Defined("outerColumnSeven", kName + "2\"><valid id=\"exist\"><outer id=\"exist\" column=\"7\"/></valid></item>", {},
                true),
        Defined("itemWithoutRules", kName + "2\"/>", {}, true), Defined("sectionWithoutItems", "", {}, true),
        SRuleCase{"noSection", &Single, false, "<exclusiveItemCheck/>", {}, {}, true}),
    CaseName);

} // namespace
