#include "gir/CLCGIRValidItem.h"
#include "gir/CLCGIRValidCorrelation.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRValidExclusive.h"
#include "gir/CLCGIRValidIntegrity.h"
#include "gir/CLCGIRValidSingleItem.h"
#include "gir/CLCGIRValidXmlOccurs.h"
#include "gir/GIRRuleTest.h"
#include <string>

namespace {

CLCCbCMessage_t Exclusive()
{
    return CLCGIRValidExclusive().Validate();
}
CLCCbCMessage_t Correlate()
{
    return CLCGIRValidCorrelation().Validate();
}

// A faulty row of the exclusive section, under every UPE of the clean folder.
SRuleCase Ex(const char* szName, const std::string& strAttributes, const std::string& strOuter = "")
{
    return {szName, &Exclusive, false,
            "<exclusiveItemCheck><valid parentItemId=\"GS00003\" " + strAttributes + ">" + strOuter +
                "</valid></exclusiveItemCheck>",
            {}, {}, true};
}
// A faulty row of the correlation section.
SRuleCase Co(const char* szName, const std::string& strAttributes, const std::string& strOuter = "")
{
    return {szName, &Correlate, false, "<correlationCheck><valid " + strAttributes + ">" + strOuter + "</valid></correlationCheck>",
            {}, {}, true};
}

const std::string kMatch = "id=\"match\" itemId=\"MS00004\" column=\"2\" ";

// Each definition fault is refused when its item is made: exactly the fatal row.
INSTANTIATE_TEST_SUITE_P(
    DefinitionFaults, RuleCases,
    ::testing::Values(
        Ex("exclusiveOfOne", "id=\"exclusive\" itemId=\"GS00004\""),
        Ex("exclusiveEmptyWord", "id=\"exclusive\" itemId=\"GS00004  GS00013\""),
        Ex("exclusiveWithoutItems", "id=\"exclusive\""), Ex("existItemWithoutItem", "id=\"existItem\""),
        Ex("notExistItemWithoutItem", "id=\"notExistItem\" messageId=\"HE60059E\""),
        Ex("unknownExclusiveKind", "id=\"exists\" itemId=\"GS00004\""),
        Ex("mainContain", "id=\"contain\" value=\"x\" itemId=\"GS00004\" column=\"2\""),
        Ex("unknownOuterKind", "id=\"existItem\" itemId=\"GS00004\"", "<outer id=\"contains\"/>"),
        Ex("outerContainWithoutWords", "id=\"existItem\" itemId=\"GS00004\"",
           "<outer id=\"contain\" itemId=\"GS00004\" column=\"2\"/>"),
        Ex("outerContainColumnNine", "id=\"existItem\" itemId=\"GS00004\"",
           "<outer id=\"contain\" value=\"x\" itemId=\"GS00004\" column=\"9\"/>"),
        Co("containWithoutWords", "id=\"contain\" itemId=\"FI00016\" column=\"2\""),
        Co("containWithoutItem", "id=\"contain\" value=\"OECD1\" column=\"2\""),
        Co("containWithoutColumn", "id=\"contain\" value=\"OECD1\" itemId=\"FI00016\""),
        Co("containColumnSeven", "id=\"contain\" value=\"OECD1\" itemId=\"FI00016\" column=\"7\""),
        Co("matchUnknownMode", kMatch + "value=\"month\" itemId2=\"FI00017\" column2=\"2\""),
        Co("matchWithoutSecondItem", kMatch + "value=\"exact\" column2=\"2\""),
        Co("matchSecondColumnZero", kMatch + "value=\"exact\" itemId2=\"FI00017\" column2=\"0\""),
        Co("duplicateColumnNotANumber", "id=\"duplicate\" itemId=\"FI00017 GS00063\" column=\"x\""),
        Co("duplicateEmptyWord", "id=\"duplicate\" itemId=\"FI00017 \" column=\"2\""),
        Co("unknownCorrelationKind", "id=\"equal\" itemId=\"FI00017\" column=\"2\""),
        Co("unknownCorrelationOuter", "id=\"contain\" value=\"OECD1\" itemId=\"FI00016\" column=\"2\"",
           "<outer id=\"match\"/>")),
    CaseName);

// Every rule step after the tree, as the check road runs them.
CLCCbCMessage_t CheckRoad()
{
    CLCCbCMessage_t result = CLCGIRValidXmlOccurs().Validate();
    for (CLCCbCMessage_t r : {CLCGIRValidExclusive().Validate(), CLCGIRValidSingleItem().Validate(),
                              CLCGIRValidCorrelation().Validate(),
                              CLCGIRValidIntegrity().Validate(girtree::kHojinNo, "MS00004", CLCGIRDataManager::instance())})
        result = r != CBC_MSG_NONE ? r : result;
    return result;
}

// Fully populated clean folders pass every rule of the shipped 211.
INSTANTIATE_TEST_SUITE_P(CleanFolders, RuleCases,
                         ::testing::Values(SRuleCase{"corrections", &CheckRoad, false, "", {}, {}, false},
                                           SRuleCase{"newData", &CheckRoad, true, "", {}, {}, false}),
                         CaseName);

TEST(GIRValidItem, SubCharsCountsCodePoints)
{
    EXPECT_EQ(CLCGIRValidItem::SubChars("JP2025", 2, 4), "2025");
    EXPECT_EQ(CLCGIRValidItem::SubChars("JP", 3, 4), "");
    EXPECT_EQ(CLCGIRValidItem::SubChars("日本2025年", 1, 5), "本2025");
    EXPECT_EQ(CLCGIRValidItem::SubChars("\xF0\xA0\x80\x8B" "ab", 0, 2), "\xF0\xA0\x80\x8B" "a");
}

} // namespace
