#pragma once
#include "gir/GIRTreeBuilder.h"
#include <gtest/gtest.h>

// A fresh GIR run per test, on the shipped definitions 210 and 211.
class GIRRuleTest : public ::testing::Test {
protected:
    void SetUp() override { girtree::StartRun(); }
    void TearDown() override { girtree::EndRun(); }
};
