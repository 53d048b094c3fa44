#include "gir/CLCGIRValidExclusive.h"
#include "gir/GIRRuleTest.h"
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kGS = "02_GeneralSection.csv";
constexpr const char* kFI = "01_FilingInfo.csv";
constexpr const char* kUpe = "CorporateStructure,,,,,7\nUPE,,,,,8\n";

// The rows of a UPE (line 2) whose children follow.
std::vector<SGIRRow> Upe(const std::string& strChildren)
{
    return girtree::Rows(kGS, kUpe + strChildren);
}

std::string Sections(const std::string& strRows)
{
    return "<exclusiveItemCheck>" + strRows + "</exclusiveItemCheck><singleItemCheck/><correlationCheck/>";
}

struct SExclusiveCase {
    const char* szName;
    std::string strCheck;   // "" for the shipped 211
    std::vector<SGIRRow> vecRows;
    std::string strExpected;
    friend void PrintTo(const SExclusiveCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class ExclusiveRules : public GIRRuleTest, public ::testing::WithParamInterface<SExclusiveCase> {};

TEST_P(ExclusiveRules, ReportOnTheRightNode)
{
    const SExclusiveCase& c = GetParam();
    if (!c.strCheck.empty())
        girtree::UseCheckDefinition(c.strCheck);
    girtree::Build(c.vecRows);
    const CLCCbCMessage_t result = CLCGIRValidExclusive().Validate();
    EXPECT_EQ(girtree::ErrorText(), c.strExpected);
    EXPECT_EQ(result == CBC_MSG_NONE, c.strExpected.empty());
}

const std::string kDocSpec = "DocSpec,,,,,7\n";
const std::string kOneOf = "<valid id=\"existItem\" parentItemId=\"GS00003\" itemId=\"GS00004\"";
const std::string kNotBoth = "<valid id=\"notExistItem\" parentItemId=\"GS00003\" itemId=\"GS00013\"";

INSTANTIATE_TEST_SUITE_P(
    Shipped, ExclusiveRules,
    ::testing::Values(
        SExclusiveCase{"oneOfTwo", "", Upe("ExcludedUPE,,,,,9"), ""},
        SExclusiveCase{"bothOfTwo", "", Upe("ExcludedUPE,,,,,9\nOtherUPE,,,,,9"),
                       girtree::Entry(kGS, 2, 0, "HE60053E")},
        SExclusiveCase{"noneOfTwo", "", Upe(""), girtree::Entry(kGS, 2, 0, "HE60054E")},
        SExclusiveCase{"oneRepeated", "", Upe("ExcludedUPE,,,,,9\nExcludedUPE,,,,,9"), ""},
        SExclusiveCase{"eachParent", "", girtree::Rows(kGS, std::string(kUpe) + "UPE,,,,,8"),
                       girtree::Entry(kGS, 2, 0, "HE60054E") + ",00000003-00000-HE60054E"},
        SExclusiveCase{"correctionNamesNothing", "", girtree::Rows(kFI, kDocSpec + "DocTypeIndic,OECD2,,,,8"),
                       girtree::Entry(kFI, 1, 0, "HE60061E")},
        SExclusiveCase{"correctionNamesItsDocument", "",
                       girtree::Rows(kFI, kDocSpec + "DocTypeIndic,OECD2,,,,8\nCorrDocRefId,X,,,,8"), ""},
        SExclusiveCase{"newDataNamesNothing", "", girtree::Rows(kFI, kDocSpec + "DocTypeIndic,OECD1,,,,8"), ""},
        SExclusiveCase{"newDataNamesADocument", "",
                       girtree::Rows(kFI, kDocSpec + "DocTypeIndic,OECD11,,,,8\nCorrDocRefId,X,,,,8"),
                       girtree::Entry(kFI, 3, 0, "HE60059E")},
        SExclusiveCase{"noDocTypeSwitchesBothOff", "", girtree::Rows(kFI, kDocSpec + "CorrDocRefId,X,,,,8"), ""},
        SExclusiveCase{"electionWithoutYear", "",
                       girtree::Rows("04_JurisdictionSection_1.csv",
                                     "GLoBETax,,,,,7\nETR,,,,,8\nETRStatus,,,,,9\nETRComputation,,,,,10\n"
                                     "CEComputation,,,,,11\nElections,,,,,12\nArt1.5.3,,,,,13\nStatus,true,,,,14"),
                       girtree::Entry("04_JurisdictionSection_1.csv", 7, 0, "HE60060E")}),
    [](const auto& info) { return std::string(info.param.szName); });

INSTANTIATE_TEST_SUITE_P(
    Defined, ExclusiveRules,
    ::testing::Values(
        SExclusiveCase{"existItemOuterHolds", Sections(kNotBoth + "><outer id=\"existItem\" itemId=\"GS00004\"/></valid>"),
                       Upe("ExcludedUPE,,,,,9\nOtherUPE,,,,,9"), girtree::Entry(kGS, 4, 0, "HE60009E")},
        SExclusiveCase{"existItemOuterFails", Sections(kNotBoth + "><outer id=\"existItem\" itemId=\"GS00004\"/></valid>"),
                       Upe("OtherUPE,,,,,9"), ""},
        SExclusiveCase{"outerJudgedForEachParent",
                       Sections(kNotBoth + "><outer id=\"existItem\" itemId=\"GS00004\"/></valid>"),
                       Upe("OtherUPE,,,,,9\nUPE,,,,,8\nExcludedUPE,,,,,9\nOtherUPE,,,,,9"),
                       girtree::Entry(kGS, 6, 0, "HE60009E")},
        SExclusiveCase{"notExistItemOuterHolds", Sections(kOneOf + "><outer id=\"notExistItem\" itemId=\"GS00013\"/></valid>"),
                       Upe(""), girtree::Entry(kGS, 2, 0, "HE60009E")},
        SExclusiveCase{"notExistItemOuterFails", Sections(kOneOf + "><outer id=\"notExistItem\" itemId=\"GS00013\"/></valid>"),
                       Upe("OtherUPE,,,,,9"), ""},
        SExclusiveCase{"existItemDefaultMessage", Sections("<valid id=\"existItem\" parentItemId=\"GS00003\" itemId=\"GS00013\"/>"),
                       Upe("ExcludedUPE,,,,,9"), girtree::Entry(kGS, 2, 0, "HE60009E")},
        SExclusiveCase{"notExistItemEveryChild",
                       Sections("<valid id=\"notExistItem\" parentItemId=\"GS00002\" itemId=\"GS00003\" messageId=\"HE60059E\"/>"),
                       girtree::Rows(kGS, "CorporateStructure,,,,,7\nUPE,,,,,8\nUPE,,,,,8\nUPE,,,,,8"),
                       girtree::Entry(kGS, 2, 0, "HE60059E") + ",00000003-00000-HE60059E,00000004-00000-HE60059E"},
        SExclusiveCase{"mainContainRefused",
                       Sections("<valid id=\"contain\" parentItemId=\"GS00003\" itemId=\"GS00004\" value=\"x\" column=\"2\"/>"),
                       Upe("ExcludedUPE,,,,,9"), girtree::kFatalOnly},
        SExclusiveCase{"absentParentMakesNoRule",
                       Sections("<valid id=\"contain\" parentItemId=\"GS00021\" itemId=\"GS00022\" value=\"x\" column=\"2\"/>"),
                       Upe("ExcludedUPE,,,,,9"), ""},
        SExclusiveCase{"noRows", "<exclusiveItemCheck/>", Upe("ExcludedUPE,,,,,9"), girtree::kFatalOnly},
        SExclusiveCase{"noSection", "<singleItemCheck/>", Upe("ExcludedUPE,,,,,9"), girtree::kFatalOnly}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
