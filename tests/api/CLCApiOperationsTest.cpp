#include "api/CLCApiOperations.h"
#include "ApiTestSupport.h"

#include <stdexcept>

namespace {

class ApiOperationTable : public apitest::ApiTest, public ::testing::WithParamInterface<apiops::SOperation> {};

// The row's runner reaches the method of the row's name, with the row's kind of result.
TEST_P(ApiOperationTable, RunsTheMethodOfItsName)
{
    const apiops::SOperation& op = GetParam();
    std::string strSeen;
    CLCCsvConvDataCbC::SetFaultHookForTest([&](const char* szFunction) {
        strSeen = szFunction;
        throw std::runtime_error("injected");
    });
    const char* const aTexts[apiops::kMaxArguments] = {"a", "b", "c", "d", "e", "f", "g"};
    CLCCsvConvDataCbC api;
    const apiops::SAnswer answer = op.pfnRun(api, aTexts, -1);

    const std::string strName(op.szName);
    EXPECT_TRUE(strSeen == strName || strSeen == "CLCCsvConvDataCbC::" + strName) << strSeen;
    EXPECT_EQ(answer.pGIR != nullptr, op.AnswersGIR());
    EXPECT_EQ(answer.pCbC != nullptr, !op.AnswersGIR());
}

INSTANTIATE_TEST_SUITE_P(AllNineteen, ApiOperationTable, ::testing::ValuesIn(apiops::kOperations),
                         [](const auto& info) { return std::string(info.param.szName); });

} // namespace
