// RegistrySetsTest.cpp - the editor defaults under the Spreadsheet Editor key.
#include "core/Registry.h"
#include "spread/sheetfiles/OvSSRegistrySets.h"
#include "spread/sheetfiles/SheetFilesFixture.h"

namespace {

TEST_F(SheetFilesTest, RegistryDefaultsKeepTheirValuesWhenMissing) {
    OvSSRegistrySets sets;
    EXPECT_FALSE(sets.read());
    EXPECT_EQ(sets.language, L"EN");
    EXPECT_EQ(sets.defaultSettingsName, L"");
}

TEST_F(SheetFilesTest, RegistryDefaultsSurviveARestart) {
    OvSSRegistrySets sets;
    sets.language = L"DE";
    sets.defaultSettingsName = L"Company";
    ASSERT_TRUE(sets.write());
    OvRegistry::reload();

    OvSSRegistrySets read;
    EXPECT_TRUE(read.read());
    EXPECT_EQ(read.language, L"DE");
    EXPECT_EQ(read.defaultSettingsName, L"Company");
}

TEST_F(SheetFilesTest, OneMissingRegistryValueFailsButTheOtherIsRead) {
    OvRegistry::setString(HKEY_LOCAL_MACHINE, OvSSRegistrySets::kKey, L"Language", L"NL");
    OvSSRegistrySets sets;
    EXPECT_FALSE(sets.read());
    EXPECT_EQ(sets.language, L"NL");
    EXPECT_EQ(sets.defaultSettingsName, L"");
}

}  // namespace
