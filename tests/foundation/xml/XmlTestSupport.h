#pragma once
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/FoundationTestFolder.h"
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

// The collector's text when the only row is the fatal one.
inline const std::string kFatalRow = "0000-00000-HE60000E";

// Switches the debug log on into a folder of its own for one test.
class CLogCapture {
public:
    CLogCapture() : m_home("HOME"), m_switch(CLCDebugDump::kDebugSwitch)
    {
        setenv("HOME", m_folder.Path().c_str(), 1);
        setenv(CLCDebugDump::kDebugSwitch, "", 1);
        CLCDebugDump::InitDebugDump();
    }
    std::string Text() const { return ReadBytes(CLCDebugDump::OutputPath()); }

private:
    CTestFolder m_folder;
    CEnvVar m_home, m_switch;
};

// CbC mode with an empty collector before and after each test.
class CollectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLCValidResult::destroy();
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_CBC_REPORT);
    }
    void TearDown() override { CLCValidResult::destroy(); }

    static std::string Collected() { return CLCValidResult::instance()->MakeResult(); }
};

// Runs a test under a UTF-8 locale and under "C": every text crossing the XML
// libraries is UTF-8 whatever the process locale says. The environment is set
// too, for libraries that read it when they first start (each ctest case runs
// in a fresh process).
class LocaleTest : public CollectorTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        CollectorTest::SetUp();
        m_strOldLocale = std::setlocale(LC_ALL, nullptr);
        setenv("LC_ALL", GetParam(), 1);
        setenv("LANG", GetParam(), 1);
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << GetParam();
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, m_strOldLocale.c_str());
        CollectorTest::TearDown();
    }

private:
    CEnvVar m_lcAll{"LC_ALL"}, m_lang{"LANG"};
    std::string m_strOldLocale;
};

inline std::string LocaleName(const ::testing::TestParamInfo<const char*>& info)
{
    return std::string(info.param) == "C" ? "C" : "Utf8";
}

#define INSTANTIATE_LOCALES(Suite) \
    INSTANTIATE_TEST_SUITE_P(Locales, Suite, ::testing::Values("C.UTF-8", "C"), LocaleName)
