// ComRegistrationTests.cpp - registration, clean-up and listing of the COM module's identifiers,
// run against a registry store in a temporary file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "core/HostServices.h"
#include "core/Registry.h"
#include "core/TempFolder.h"
#include "core/TextFile.h"
#include "registry/ComIdentifiers.h"
#include "registry/ComModuleFolder.h"
#include "registry/SSRegistry.h"

namespace {

const wchar_t* const kTypeLibKey = L"TypeLib\\{76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}";
const wchar_t* const kBoltKey = L"CLSID\\{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}";
const wchar_t* const kIBoltKey = L"Interface\\{5037D355-E825-46B1-87DC-446318A128DE}";

class ComRegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        storeFile_ = temp_.path() / "cfg" / "registry.json";
        ::setenv("OVSS_REGISTRY", storeFile_.c_str(), 1);
        OvRegistry::reload();
        std::filesystem::create_directories(temp_.path() / "module");
        setComModuleFolder(temp_.folder() + L"module");
    }
    void TearDown() override {
        setComModuleFolder(Tvx_String());
        ::unsetenv("OVSS_REGISTRY");
        OvRegistry::reload();
    }

    void installComModule() { ASSERT_TRUE(atomicWriteFile(comModulePath(), "module")); }

    static Tvx_String defaultValue(const Tvx_String& key) {
        Tvx_String value = L"<missing>";
        OvRegistry::getString(HKEY_CLASSES_ROOT, key, Tvx_String(), value);
        return value;
    }
    std::string storeBytes() const {
        std::string bytes;
        readFileBytes(Tvx_String::fromUtf8(storeFile_.string()), bytes);
        return bytes;
    }
    static bool anyComKey() {
        return OvRegistry::keyExists(HKEY_CLASSES_ROOT, L"TypeLib") ||
               OvRegistry::keyExists(HKEY_CLASSES_ROOT, L"CLSID") ||
               OvRegistry::keyExists(HKEY_CLASSES_ROOT, L"Interface");
    }

    TempFolder temp_;
    std::filesystem::path storeFile_;
};

TEST(ComIdentifiers, TextFormIsUpperCaseBracedWithLeadingZerosKept) {
    EXPECT_EQ(comGuidToString(comTypeLibraryId()), L"{76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}");
    ASSERT_EQ(comClasses().size(), 19u);
    ASSERT_EQ(comInterfaces().size(), 14u);
    EXPECT_EQ(comGuidToString(comClasses()[2].id), L"{0131C632-D769-4F66-B455-EB87522AB6EE}");
    EXPECT_EQ(comGuidToString(comClasses()[18].id), L"{99322C59-46B7-47EB-ADE2-E272149A7652}");
    EXPECT_EQ(comGuidToString(comInterfaces()[2].id), L"{00A67179-E292-43EA-8452-DAB5FF5AB5E1}");
}

TEST(ClsidDeclaration, SplitsTheTextIntoGroupsAndBytes) {
    struct Case {
        const wchar_t* idText;
        bool ok;
        const wchar_t* declaration;
    };
    const Case cases[] = {
        {L"{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}", true,
         L"\nconst cCLSID CLSID_Bolt = "
         L"{0x2CE559DB,0x0008,0x4AA7,{0x8E,0x1D,0x7D,0xCE,0xBA,0xB7,0xD2,0xC4}};"},
        {L"{2CE559DB-0008-4AA7-8E1D}", false, L""},              // four groups
        {L"{2CE559DB-0008-4AA7-8E1-7DCEBAB7D2C4}", false, L""},  // short fourth group
        {L"{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C}", false, L""},  // short fifth group
        {L"", false, L""},
    };
    for (const Case& c : cases) {
        Tvx_String declaration = L"unchanged";
        EXPECT_EQ(clsidDeclaration(L"Bolt", c.idText, declaration), c.ok) << c.idText;
        EXPECT_EQ(declaration, c.ok ? Tvx_String(c.declaration) : Tvx_String(L"unchanged"));
    }
}

TEST_F(ComRegistrationTest, MissingComModuleWritesNothing) {
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_FALSE(anyComKey());
    EXPECT_FALSE(std::filesystem::exists(storeFile_));
}

TEST_F(ComRegistrationTest, RegistrationWritesTypeLibraryClassesAndInterfaces) {
    installComModule();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    OvRegistry::reload();  // what was written must be in the file

    const Tvx_String module = comModulePath();
    const Tvx_String typeLib = L"{76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}";
    const Tvx_String lib = Tvx_String(kTypeLibKey) + L"\\1.1";
    const std::pair<Tvx_String, Tvx_String> expected[] = {
        {lib, L"Orvane 1.0 Type Library"},
        {lib + L"\\0\\win32", module},
        {lib + L"\\9\\win32", module},
        {kBoltKey, L"Bolt Class"},
        {Tvx_String(kBoltKey) + L"\\InProcServer32", module},
        {Tvx_String(kBoltKey) + L"\\Typelib", typeLib},
        {L"CLSID\\{5779C6DE-5F8C-4CFC-A9B5-1E1B720EA9E3}", L"ZoomPage Class"},
        {kIBoltKey, L"IBolt Interface"},
        {Tvx_String(kIBoltKey) + L"\\TypeLib", typeLib},
        {Tvx_String(kIBoltKey) + L"\\ProxyStubClsid32", L"{00020424-0000-0000-C000-000000000046}"},
        {L"Interface\\{FD056682-2994-42D1-9495-B450A402CEF2}", L"IOPMBody Interface"},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(defaultValue(key), value) << key;
    }
    EXPECT_TRUE(module.endsWith(L"module\\Qmod.arx", true)) << module;
    EXPECT_EQ(OvRegistry::enumSubKeys(HKEY_CLASSES_ROOT, L"CLSID").length(), 19);
    EXPECT_EQ(OvRegistry::enumSubKeys(HKEY_CLASSES_ROOT, L"Interface").length(), 14);
}

TEST_F(ComRegistrationTest, RegisteringTwiceGivesTheSameStore) {
    installComModule();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    const std::string once = storeBytes();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    EXPECT_EQ(storeBytes(), once);
}

TEST_F(ComRegistrationTest, CleanupOfNothingSucceedsAndCreatesNothing) {
    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
    EXPECT_FALSE(anyComKey());
}

TEST_F(ComRegistrationTest, CleanupRemovesOnlyTheModulesKeys) {
    installComModule();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    const Tvx_String foreign = L"CLSID\\{11111111-2222-3333-4444-555555555555}";
    ASSERT_TRUE(OvRegistry::setString(HKEY_CLASSES_ROOT, foreign, L"", L"Other Class"));

    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
    OvRegistry::reload();
    EXPECT_FALSE(OvRegistry::keyExists(HKEY_CLASSES_ROOT, kTypeLibKey));
    EXPECT_FALSE(OvRegistry::keyExists(HKEY_CLASSES_ROOT, kBoltKey));
    EXPECT_FALSE(OvRegistry::keyExists(HKEY_CLASSES_ROOT, kIBoltKey));
    EXPECT_EQ(OvRegistry::enumSubKeys(HKEY_CLASSES_ROOT, L"CLSID").length(), 1);
    EXPECT_EQ(OvRegistry::enumSubKeys(HKEY_CLASSES_ROOT, L"Interface").length(), 0);
    EXPECT_EQ(defaultValue(foreign), L"Other Class");
}

TEST_F(ComRegistrationTest, AStoreThatCannotBeSavedIsAFailure) {
    installComModule();
    std::filesystem::create_directories(storeFile_.parent_path());
    std::ofstream(storeFile_) << "not a registry";
    OvRegistry::reload();

    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    EXPECT_EQ(storeBytes(), "not a registry");
}

TEST_F(ComRegistrationTest, ListingPrintsDeclarationsAndWritesTheIdFile) {
    HostRecorder host;
    ASSERT_EQ(SSprintCLSIDs(), Acad::eOk);

    const Tvx_String& out = host.output();
    EXPECT_TRUE(
        out.startsWith(L"\nconst cCLSID CLSID_Bolt = {0x2CE559DB,0x0008,0x4AA7,"
                       L"{0x8E,0x1D,0x7D,0xCE,0xBA,0xB7,0xD2,0xC4}};\nconst cCLSID "
                       L"CLSID_Prof = ",
                       true))
        << out;
    EXPECT_TRUE(
        out.endsWith(L"\nconst cCLSID CLSID_OPMBody = {0x99322C59,0x46B7,0x47EB,"
                     L"{0xAD,0xE2,0xE2,0x72,0x14,0x9A,0x76,0x52}};",
                     true))
        << out;
    int declarations = 0;
    for (int at = out.find(L"const cCLSID"); at >= 0; at = out.find(L"const cCLSID", at + 1)) {
        ++declarations;
    }
    EXPECT_EQ(declarations, 19);

    Tvx_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(comModuleFolder() + L"RegistryIDs.dat", lines));
    ASSERT_EQ(lines.length(), 1 + 19 + 14);
    EXPECT_EQ(lines[0], L"TypeLib_={76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}");
    EXPECT_EQ(lines[1], L"Class_Bolt={2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}");
    EXPECT_EQ(lines[20], L"Interface_IBolt={5037D355-E825-46B1-87DC-446318A128DE}");
    EXPECT_EQ(lines[33], L"Interface_IOPMBody={FD056682-2994-42D1-9495-B450A402CEF2}");
}

TEST_F(ComRegistrationTest, ListingIntoAMissingFolderIsAFailure) {
    HostRecorder host;
    setComModuleFolder(temp_.folder() + L"no such folder");
    EXPECT_EQ(SSprintCLSIDs(), Acad::eInvalidInput);
}

TEST(ComModuleFolder, DefaultsToTheRunningProgramsFolder) {
    setComModuleFolder(Tvx_String());
    const Tvx_String folder = comModuleFolder();
    EXPECT_TRUE(folder.endsWith(L"\\", true)) << folder;
    EXPECT_TRUE(folderExists(folder)) << folder;
    EXPECT_EQ(comModulePath(), folder + L"Qmod.arx");
}

}  // namespace
