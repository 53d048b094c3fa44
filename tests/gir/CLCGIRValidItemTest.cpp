#include "gir/CLCGIRValidItem.h"
#include "gir/CLCGIRValidCorrelation.h"
#include "gir/CLCGIRValidExclusive.h"
#include "gir/GIRRuleTest.h"
#include <ostream>
#include <string>

namespace {

// A faulty row of the exclusive section (under every UPE of the clean folder)
// or of the correlation section.
struct SFaultCase {
    const char* szName;
    bool bExclusive;
    std::string strRow;
    friend void PrintTo(const SFaultCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class DefinitionFaults : public GIRRuleTest, public ::testing::WithParamInterface<SFaultCase> {};

TEST_P(DefinitionFaults, GiveExactlyTheFatalRow)
{
    const SFaultCase& c = GetParam();
    girtree::Build(girtree::CleanFolderRows({}));
    if (c.bExclusive) {
        girtree::UseCheckDefinition("<exclusiveItemCheck>" + c.strRow + "</exclusiveItemCheck>");
        EXPECT_EQ(CLCGIRValidExclusive().Validate(), HE60000E);
    } else {
        girtree::UseCheckDefinition("<correlationCheck>" + c.strRow + "</correlationCheck>");
        EXPECT_EQ(CLCGIRValidCorrelation().Validate(), HE60000E);
    }
    EXPECT_EQ(girtree::ErrorText(), girtree::kFatalOnly);
}

SFaultCase Ex(const char* szName, const std::string& strAttributes, const std::string& strOuter = "")
{
    return {szName, true, "<valid parentItemId=\"GS00003\" " + strAttributes + ">" + strOuter + "</valid>"};
}

SFaultCase Co(const char* szName, const std::string& strAttributes, const std::string& strOuter = "")
{
    return {szName, false, "<valid " + strAttributes + ">" + strOuter + "</valid>"};
}

const std::string kMatch = "id=\"match\" itemId=\"MS00004\" column=\"2\" ";

INSTANTIATE_TEST_SUITE_P(
    Rows, DefinitionFaults,
    ::testing::Values(
        Ex("exclusiveOfOne", "id=\"exclusive\" itemId=\"GS00004\""),
        Ex("exclusiveEmptyWord", "id=\"exclusive\" itemId=\"GS00004  GS00013\""),
        Ex("exclusiveWithoutItems", "id=\"exclusive\""),
        Ex("existItemWithoutItem", "id=\"existItem\""),
        Ex("notExistItemWithoutItem", "id=\"notExistItem\" messageId=\"HE60059E\""),
        Ex("unknownExclusiveKind", "id=\"exists\" itemId=\"GS00004\""),
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
    [](const auto& info) { return std::string(info.param.szName); });

struct SCharsCase {
    const char* szName;
    std::string strText;
    size_t nFirst;
    size_t nCount;
    std::string strExpected;
};

class Characters : public ::testing::TestWithParam<SCharsCase> {};

TEST_P(Characters, CountCodePoints)
{
    const SCharsCase& c = GetParam();
    EXPECT_EQ(CLCGIRValidItem::SubChars(c.strText, c.nFirst, c.nCount), c.strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    SubChars, Characters,
    ::testing::Values(SCharsCase{"ascii", "JP2025", 2, 4, "2025"},
                      SCharsCase{"shorter", "JP20", 2, 4, "20"},
                      SCharsCase{"pastTheEnd", "JP", 3, 4, ""},
                      SCharsCase{"japanese", "日本2025年", 1, 5, "本2025"},
                      SCharsCase{"outsideBmp", "\xF0\xA0\x80\x8B" "ab", 0, 2, "\xF0\xA0\x80\x8B" "a"}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
