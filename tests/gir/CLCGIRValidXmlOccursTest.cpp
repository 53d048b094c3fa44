#include "gir/CLCGIRValidXmlOccurs.h"
#include "gir/GIRRuleTest.h"

namespace {

CLCCbCMessage_t Occurs()
{
    return CLCGIRValidXmlOccurs().Validate();
}

// HE60055E on the parent of the missing element (line 0 for a file node, "その他"
// for the root); HE60052E on the first occurrence.
SRuleCase Counted(const char* szName, std::vector<SCount> vecCounts, std::vector<SRowAt> vecRows)
{
    return {szName, &Occurs, false, "", {}, std::move(vecRows), false, std::move(vecCounts)};
}

INSTANTIATE_TEST_SUITE_P(
    Occurrences, RuleCases,
    ::testing::Values(
        Counted("clean", {}, {}),
        Counted("optionalSectionAbsent", {{"GS00000", 0}}, {}),
        Counted("secondGeneralSection", {{"GS00000", 2}}, {{"GS00000", 0, 0, "HE60052E"}}),
        Counted("noMessageRefIdOnTheFileNode", {{"MS00004", 0}}, {{"MS00000", 0, 0, "HE60055E"}}),
        Counted("noNameOnItsParentRow", {{"FI00003", 0}}, {{"FI00001", 0, 0, "HE60055E"}}),
        Counted("noMessageSpecOnTheRoot", {{"MS00000", 0}}, {{"GO00000", 0, 0, "HE60055E"}}),
        Counted("fiveOfAtMostFive", {{"JS00400", 5}}, {}),
        Counted("sixOfAtMostFive", {{"JS00400", 6}}, {{"JS00400", 0, 0, "HE60052E"}}),
        Counted("thousandUnbounded", {{"GS00001", 1000}}, {}),
        Counted("bothBoundsOneParent", {{"MS00002", 2}, {"MS00006", 0}},
                {{"MS00000", 0, 0, "HE60055E"}, {"MS00002", 0, 0, "HE60052E"}})),
    CaseName);

} // namespace
