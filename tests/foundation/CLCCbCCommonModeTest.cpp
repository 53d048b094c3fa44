#include "foundation/CLCCbCCommon.h"
#include <gtest/gtest.h>

TEST(ExecMode, OnlyTheGirFolderModeCountsAsGir)
{
    for (int mode = 1; mode <= 6; ++mode) {
        CLCCbCCommon::setExecMode(static_cast<CLCCbCCommon::EXEC_MODE>(mode));
        EXPECT_EQ(CLCCbCCommon::getExecMode(), mode);
        EXPECT_EQ(CLCCbCCommon::isGIRProcessMode(), mode == 4) << mode;
    }
}
