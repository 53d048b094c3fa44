#pragma once
// Shared by the GIR intake and tree tests: a fresh GIR run (collector, data
// manager, the shipped definitions 210, 211 and 212) per test, and the
// collector's per-file texts as one comparable string.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/GIRDetailText.h"
#include "gir/GIRFolderBuilder.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace girtest {

// "file=text" per file in the collector's group order, joined by "\n"; "" when
// nothing was recorded. Consumes the collector's rows.
inline std::string DetailTexts()
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    pResult->MakeDetailErrorInfo();
    return JoinDetails(pResult->getFileList(), pResult->getDetailErrorInfoList(), "=");
}

// The fatal row as the collector writes it.
inline const std::string kFatal = std::string(CLCValidResultGIR::kOtherFile) + "=00000000-00000-HE60000E";

class GIRTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
        Reset();
        CLCGIRPropertyManager* pProperty = CLCGIRPropertyManager::instance();
        ASSERT_TRUE(pProperty->LoadEditDefinition(210));
        ASSERT_TRUE(pProperty->LoadCheckDefinition(211));
        ASSERT_TRUE(pProperty->LoadElementList(212));
        CLCValidResultGIR::instance();
        CLCGIRDataManager::instance();
    }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        CLCValidResultGIR::destroy();
        CLCGIRDataManager::destroy();
        CLCGIRPropertyManager::destroy();
    }

    CTestFolder m_folder;
};

} // namespace girtest
