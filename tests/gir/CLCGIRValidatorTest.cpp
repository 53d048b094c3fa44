#include "gir/CLCGIRValidator.h"

#include "gir/GIRTestSupport.h"

#include <string>

namespace {

class GIRValidator : public girtest::GIRTest {};

TEST_F(GIRValidator, ChecksTheThreeArgumentKinds)
{
    const std::string strFolder = m_folder.Path().string();
    const std::string strFile = m_folder.Write("a.csv", "x");
    struct SCase {
        const char* szName;
        CLCArgValid_t kind;
        std::string strValue;
        CLCCbCMessage_t expected;
    } const kCases[] = {
        {"folder given", ARG_VALID_CSV_FOLDER, strFolder, CBC_MSG_NONE},
        {"folder empty", ARG_VALID_CSV_FOLDER, "", HE60001E},
        {"folder missing", ARG_VALID_CSV_FOLDER, strFolder + "/none", HE60040E},
        {"folder is a file", ARG_VALID_CSV_FOLDER, strFile, HE60040E},
        {"corporate number absent", ARG_VALID_HOJIN_BANGO, "", CBC_MSG_NONE},
        {"corporate number", ARG_VALID_HOJIN_BANGO, "4010001234567", CBC_MSG_NONE},
        {"corporate number short", ARG_VALID_HOJIN_BANGO, "123", HE60007E},
        {"corporate number not digits", ARG_VALID_HOJIN_BANGO, "401000123456a", HE60008E},
        {"corporate number check digit", ARG_VALID_HOJIN_BANGO, "5010001234567", HE60009E},
        {"output folder absent", ARG_VALID_OUT_PATH, "", CBC_MSG_NONE},
        {"output folder exists", ARG_VALID_OUT_PATH, strFolder + "/out.xml", CBC_MSG_NONE},
        {"output folder missing", ARG_VALID_OUT_PATH, strFolder + "/none/out.xml", HE60019E},
    };
    for (const SCase& c : kCases) {
        CLCGIRValidator validator;
        ASSERT_TRUE(validator.InitializeParam(c.kind)) << c.szName;
        EXPECT_EQ(validator.ValidateParam(c.strValue.c_str(), 99999999, 2), c.expected) << c.szName;
        const std::string strRow = c.expected == CBC_MSG_NONE
                                       ? ""
                                       : std::string(CLCValidResultGIR::kOtherFile) + "=99999999-00002-"
                                             + CLCCbCCommon::ConvEnID2Code(c.expected);
        EXPECT_EQ(girtest::DetailTexts(), strRow) << c.szName;
    }
}

TEST_F(GIRValidator, RefusesOtherKindsWithTheFatalRow)
{
    for (CLCArgValid_t kind : {ARG_VALID_CSV, ARG_VALID_XML, static_cast<CLCArgValid_t>(0)}) {
        CLCGIRValidator validator;
        EXPECT_FALSE(validator.InitializeParam(kind)) << kind;
        EXPECT_EQ(validator.ValidateParam("", 99999999, 1), CBC_MSG_NONE) << kind;   // no rules left
        EXPECT_EQ(girtest::DetailTexts(), girtest::kFatal) << kind;
    }
}

} // namespace
