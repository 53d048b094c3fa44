#include "gir/CLCGIRValidCorrelation.h"
#include "gir/GIRRuleTest.h"
#include <string>

namespace {

CLCCbCMessage_t Correlate()
{
    return CLCGIRValidCorrelation().Validate();
}

SRuleCase Shipped(const char* szName, bool bNewData, const char* szItemId, std::string strValue, const char* szCode)
{
    return {szName, &Correlate, bNewData, "", {{szItemId, 0, 2, std::move(strValue)}}, {{szItemId, 0, 2, szCode}}, false};
}

const std::string kOtherMessage = "JP202570000120500020020001";
const std::string kOtherYear = "JP202470000120500029000001";

// Each correlation row of 211 failing once.
INSTANTIATE_TEST_SUITE_P(
    Correlation, RuleCases,
    ::testing::Values(Shipped("correctionsFI", false, "FI00016", "OECD1", "HE60057E"),
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
    CaseName);

std::string Rows(const std::string& strRows)
{
    return "<correlationCheck>" + strRows + "</correlationCheck>";
}

const std::string kFirst19 = Rows("<valid id=\"match\" value=\"messageIdFirst19\" itemId=\"SM00025\" column=\"2\""
                                  " itemId2=\"JS00433\" column2=\"2\"/>");
std::string Match(const char* szMode)
{
    return Rows(std::string("<valid id=\"match\" value=\"") + szMode +
                "\" itemId=\"MS00004\" column=\"2\" itemId2=\"FI00013\" column2=\"2\"/>");
}
const std::string kSummaryTypes = "<valid id=\"contain\" value=\"OECD9\" itemId=\"SM00024\" column=\"2\"";
const std::string kTwoIds = Rows("<valid id=\"duplicate\" itemId=\"SM00025 JS00433\" column=\"2\"/>");

INSTANTIATE_TEST_SUITE_P(
    CorrelationKinds, RuleCases,
    ::testing::Values(
        SRuleCase{"pairsRowOnEverySecond", &Correlate, false, kFirst19, {{"SM00025", 1, 2, kOtherYear}},
                  {{"JS00433", 0, 2, "HE60009E"}, {"JS00433", 1, 2, "HE60009E"}}, false},
        SRuleCase{"messageIdWholeValue", &Correlate, false, Match("messageId"), {{"FI00013", 0, 2, kOtherMessage}},
                  {{"FI00013", 0, 2, "HE60009E"}}, false},
        SRuleCase{"yearOfTheValue", &Correlate, false, Match("year"), {{"FI00013", 0, 2, "XX2025"}}, {}, false},
        SRuleCase{"yearOfAShortValue", &Correlate, false, Match("year"), {{"FI00013", 0, 2, "XX202"}},
                  {{"FI00013", 0, 2, "HE60009E"}}, false},
        SRuleCase{"containEveryNode", &Correlate, false, Rows(kSummaryTypes + " messageId=\"HE60057E\"/>"), {},
                  {{"SM00024", 0, 2, "HE60057E"}, {"SM00024", 1, 2, "HE60057E"}, {"SM00024", 2, 2, "HE60057E"}}, false},
        SRuleCase{"containOuterOff", &Correlate, false,
                  Rows(kSummaryTypes + "><outer id=\"contain\" value=\"GIR101\" itemId=\"MS00005\" column=\"2\"/></valid>"),
                  {}, {}, false},
        SRuleCase{"containNoNode", &Correlate, false, Rows("<valid id=\"contain\" value=\"x\" itemId=\"GS00015\" column=\"2\"/>"),
                  {}, {}, false},
        SRuleCase{"duplicateAcrossIds", &Correlate, false, kTwoIds, {{"JS00433", 0, 2, "=SM00025"}},
                  {{"JS00433", 0, 2, "HE60009E"}}, false},
        SRuleCase{"duplicateEveryLaterNode", &Correlate, false, kTwoIds,
                  {{"SM00025", 0, 2, "X"}, {"SM00025", 1, 2, "X"}, {"SM00025", 2, 2, "X"}},
                  {{"SM00025", 1, 2, "HE60009E"}, {"SM00025", 2, 2, "HE60009E"}}, false},
        SRuleCase{"matchRowOnTheSecondColumn", &Correlate, false,
                  Rows("<valid id=\"match\" value=\"exact\" itemId=\"MS00002\" column=\"2\" itemId2=\"FI00004\" column2=\"3\"/>"),
                  {{"FI00004", 0, 3, "US"}}, {{"FI00004", 0, 3, "HE60009E"}}, false},
        SRuleCase{"containRowOnItsColumn", &Correlate, false,
                  Rows("<valid id=\"contain\" value=\"JP\" itemId=\"SM00005\" column=\"3\"/>"),
                  {{"SM00005", 1, 3, "US"}}, {{"SM00005", 1, 3, "HE60009E"}}, false},
        SRuleCase{"noRows", &Correlate, false, "<correlationCheck/>", {{"FI00016", 0, 2, "OECD1"}}, {}, false}),
    CaseName);

} // namespace
