#include "foundation/CLCGIRFilePatterns.h"
#include "foundation/CLCCbCCommon.h"
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kP = {
    R"(01_MessageSpec\.[^\.]+)",
    "02_GLOBEBody",
    R"(01_FilingInfo\.[^\.]+)",
    R"(02_GeneralSection\.[^\.]+)",
    R"(03_Summary_\d+\.[^\.]+)",
    R"(04_JurisdictionSection_\d+\.[^\.]+)",
    R"(05_UTPRAttribution_\d+\.[^\.]+)",
};

// Index of the first group pattern that matches the whole name, or -1.
int FirstGroup(const std::string& strName)
{
    const std::vector<std::string>& vecPatterns = CLCGIRFilePatterns::GroupPatterns();
    for (size_t i = 0; i < vecPatterns.size(); ++i) {
        if (CLCCbCCommon::strPatternMatch(strName.c_str(), vecPatterns[i].c_str()))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

TEST(GIRFilePatterns, TablesHoldThePatternsInTheirOrder)
{
    EXPECT_EQ(CLCGIRFilePatterns::GroupPatterns(), kP);
    EXPECT_EQ(NotExistFileRefFolderValidTable(), (std::vector<std::string>{kP[2], kP[3], kP[4], kP[5], kP[6]}));
    EXPECT_EQ(ExistUnknownFileRefFolderValidTable(), kP);
    EXPECT_EQ(NotExistFileSubFolderValidTable(), (std::vector<std::string>{kP[0]}));
    EXPECT_EQ(ExistUnknownFileSubFolderValidTable(), kP);
    EXPECT_EQ(CLCGIRFilePatterns::kP1MessageSpec, kP[0]);
    EXPECT_EQ(CLCGIRFilePatterns::kP7UTPRAttribution, kP[6]);
}

struct SNameCase {
    const char* szName;
    std::string strFile;
    int nGroup; // 0-based P1..P7, -1 for none
    friend void PrintTo(const SNameCase& c, std::ostream* os) { *os << c.szName; }
};
class GIRFileName : public ::testing::TestWithParam<SNameCase> {};

TEST_P(GIRFileName, MatchesWholeNamesOnly)
{
    EXPECT_EQ(FirstGroup(GetParam().strFile), GetParam().nGroup) << GetParam().strFile;
}
INSTANTIATE_TEST_SUITE_P(Names, GIRFileName, ::testing::Values(
    SNameCase{"messageSpecCsv", "01_MessageSpec.csv", 0},
    SNameCase{"messageSpecTxt", "01_MessageSpec.txt", 0},
    SNameCase{"messageSpecTwoExtensions", "01_MessageSpec.csv.bak", -1},
    SNameCase{"messageSpecNoExtension", "01_MessageSpec", -1},
    SNameCase{"messageSpecEmptyExtension", "01_MessageSpec.", -1},
    SNameCase{"messageSpecLowerCase", "01_messagespec.csv", -1},
    SNameCase{"messageSpecPrefixed", "x01_MessageSpec.csv", -1},
    SNameCase{"bodyFolder", "02_GLOBEBody", 1},
    SNameCase{"bodyFolderSuffixed", "02_GLOBEBody2", -1},
    SNameCase{"bodyFolderWithExtension", "02_GLOBEBody.csv", -1},
    SNameCase{"filingInfo", "01_FilingInfo.csv", 2},
    SNameCase{"generalSection", "02_GeneralSection.csv", 3},
    SNameCase{"summaryOne", "03_Summary_1.csv", 4},
    SNameCase{"summaryLeadingZero", "03_Summary_012.csv", 4},
    SNameCase{"summaryNoNumber", "03_Summary_.csv", -1},
    SNameCase{"summaryLetter", "03_Summary_a.csv", -1},
    SNameCase{"summaryFullWidthDigit", "03_Summary_\xEF\xBC\x91.csv", -1},
    SNameCase{"jurisdiction", "04_JurisdictionSection_10.csv", 5},
    SNameCase{"utpr", "05_UTPRAttribution_3.xlsx", 6},
    SNameCase{"utprNoNumber", "05_UTPRAttribution.csv", -1},
    SNameCase{"other", "\xE3\x81\x9D\xE3\x81\xAE\xE4\xBB\x96", -1}, // その他
    SNameCase{"empty", "", -1}),
    [](const auto& info) { return std::string(info.param.szName); });
