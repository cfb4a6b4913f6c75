// SpreadTestMain.cpp - the spread tests run on a started engine, as the module and the command-line
// tool do: a bill's grid takes its fonts from the sheet settings files.
#include <gtest/gtest.h>

#include "frame/EngineStartup.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    startEngine();
    return RUN_ALL_TESTS();
}
