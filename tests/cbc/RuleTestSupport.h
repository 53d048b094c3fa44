#pragma once
#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "TestFolder.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace RuleTest {

constexpr const char* kFatalText = "0000-00000-HE60000E";

// A fresh CbC collector in CbC report mode.
inline void FreshCbCCollector()
{
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_CBC_REPORT);
    CLCValidResult::destroy();
    CLCValidResult::instance();
}

// A fresh GIR collector in GIR mode.
inline CLCValidResultGIR* FreshGIRCollector()
{
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    CLCValidResult::destroy();
    return CLCValidResultGIR::instance();
}

// Error text of one file of the GIR collector ("" when it has no rows).
inline std::string GIRText(const std::string& strFile)
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    auto it = pResult->FileRows().find(strFile);
    if (it == pResult->FileRows().end())
        return "";
    return pResult->MakeResult(strFile, it->second);
}

struct SOutcome {
    CLCCbCMessage_t result;
    std::string strText;   // the CbC error text after the check
};

// Builds one rule through the factory and judges one argument value (null =
// absent) at line 9999, argument 1.
inline SOutcome RunRule(const char* szType, const char* szParam, const char* szMax, const char* szValue,
                        CLCCbCMessage_t message = CBC_MSG_NONE)
{
    FreshCbCCollector();
    std::unique_ptr<CLCCbCValidItem> pRule(CLCCbCValidItem::CreateItem(-1, szType, szParam, "", szMax, message));
    if (!pRule)
        return {HE60000E, CLCValidResult::instance()->MakeResult()};
    CLCCbCMessage_t result = pRule->Validate(szValue, 9999, 1);
    return {result, CLCValidResult::instance()->MakeResult()};
}

// The text names the outcome: "" pass, the fatal row, or one argument row
// whose code must be the returned message.
inline void ExpectOutcome(const SOutcome& outcome, const std::string& strExpected)
{
    EXPECT_EQ(outcome.strText, strExpected);
    if (strExpected.empty()) {
        EXPECT_EQ(outcome.result, CBC_MSG_NONE);
        return;
    }
    if (strExpected == kFatalText) {
        EXPECT_EQ(outcome.result, HE60000E);
        return;
    }
    EXPECT_EQ("9999-00001-" + CLCCbCCommon::ConvEnID2Code(outcome.result), strExpected);
}

// One table row of a kind: parameter, max, value (null = absent), message
// given by the definition, expected text.
struct SKindCase {
    const char* szName;
    const char* szParam;
    const char* szMax;
    const char* szValue;
    CLCCbCMessage_t message;
    const char* szExpected;
};

// Runs one table row through a rule of the kind szType and checks its outcome.
inline void ExpectCase(const char* szType, const SKindCase& c)
{
    ExpectOutcome(RunRule(szType, c.szParam, c.szMax, c.szValue, c.message), c.szExpected);
}

inline std::string CaseName(const ::testing::TestParamInfo<SKindCase>& info)
{
    return info.param.szName;
}

} // namespace RuleTest
