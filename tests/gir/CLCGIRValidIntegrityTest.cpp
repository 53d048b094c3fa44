#include "gir/CLCGIRValidIntegrity.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/GIRRuleTest.h"

namespace {

template <const char* szHojinNo>
CLCCbCMessage_t Integrity()
{
    return CLCGIRValidIntegrity().Validate(szHojinNo, "MS00004", CLCGIRDataManager::instance());
}
constexpr char kOwn[] = "7000012050002";
constexpr char kOther[] = "1234567890123";
constexpr char kLonger[] = "70000120500021";
constexpr char kEmpty[] = "";

INSTANTIATE_TEST_SUITE_P(
    Integrity, RuleCases,
    ::testing::Values(SRuleCase{"matching", &Integrity<kOwn>, false, "", {}, {}, false},
                      SRuleCase{"different", &Integrity<kOther>, false, "", {}, {{"MS00004", 0, 2, "HE60009E"}}, false},
                      SRuleCase{"empty", &Integrity<kEmpty>, false, "", {}, {}, false},
                      SRuleCase{"firstThirteenOfALongerNumber", &Integrity<kLonger>, false, "", {}, {}, false},
                      SRuleCase{"valueOf19", &Integrity<kOwn>, false, "", {{"MS00004", 0, 2, "JP20257000012050002"}}, {}, false},
                      SRuleCase{"valueOf18", &Integrity<kOwn>, false, "", {{"MS00004", 0, 2, "JP2025700001205000"}},
                                {{"MS00004", 0, 2, "HE60009E"}}, false}),
    CaseName);

} // namespace
