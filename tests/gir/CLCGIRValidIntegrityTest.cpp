#include "gir/CLCGIRValidIntegrity.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/GIRRuleTest.h"
#include <ostream>
#include <string>

namespace {

struct SIntegrityCase {
    const char* szName;
    const char* szHojinNo;
    const char* szMessageRefId;   // null: the clean folder's
    bool bRow;
    friend void PrintTo(const SIntegrityCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class Integrity : public GIRRuleTest, public ::testing::WithParamInterface<SIntegrityCase> {};

TEST_P(Integrity, MessageRefIdCarriesTheCorporateNumber)
{
    const SIntegrityCase& c = GetParam();
    girtree::Build(girtree::CleanFolderRows({}));
    CLCGIRContainer* pNode = girtree::Node("MS00004");
    if (c.szMessageRefId != nullptr)
        pNode->SetElementValue(c.szMessageRefId);
    const CLCCbCMessage_t result =
        CLCGIRValidIntegrity().Validate(c.szHojinNo, "MS00004", CLCGIRDataManager::instance());
    EXPECT_EQ(girtree::ErrorText(), c.bRow ? girtree::Entry(pNode, 2, "HE60009E") : "");
    EXPECT_EQ(result, c.bRow ? HE60009E : CBC_MSG_NONE);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Integrity,
    ::testing::Values(SIntegrityCase{"matching", girtree::kHojinNo, nullptr, false},
                      SIntegrityCase{"different", "1234567890123", nullptr, true},
                      SIntegrityCase{"empty", "", nullptr, false},
                      SIntegrityCase{"longerNumberFirst13", "70000120500021", nullptr, false},
                      SIntegrityCase{"valueOf19", girtree::kHojinNo, "JP20257000012050002", false},
                      SIntegrityCase{"valueOf18", girtree::kHojinNo, "JP2025700001205000", true}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
