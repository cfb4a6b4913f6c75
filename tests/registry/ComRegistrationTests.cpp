// ComRegistrationTests.cpp - registration, clean-up and listing of the COM module's identifiers,
// run against a registry store in a temporary file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "core/Registry.h"
#include "core/TempFolder.h"
#include "core/TextFile.h"
#include "host/HostServices.h"
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

// Every identifier, in its table order, as the registration document lists it.
TEST(ComIdentifiers, EveryIdentifierMatchesTheRegistrationTables) {
    EXPECT_EQ(comGuidToString(comTypeLibraryId()), L"{76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}");
    const std::vector<std::pair<std::wstring, std::wstring>> classes = {
        {L"Bolt", L"{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}"},
        {L"Prof", L"{C56B631B-22FB-4142-AD73-37AD2CB5D18D}"},
        {L"Struct", L"{0131C632-D769-4F66-B455-EB87522AB6EE}"},
        {L"Plate", L"{4D3619EC-7068-4AF0-B5A9-A982CE747699}"},
        {L"DynProp", L"{E6078CBB-F82E-49B3-8062-FA0562C9B56A}"},
        {L"FuncPage", L"{5448D9C0-BCC5-47E5-949E-53359B22C365}"},
        {L"FuncPage2", L"{ADFA2B87-CB99-4F72-BE37-2F8B812F2444}"},
        {L"FuncPage3", L"{6755AD00-0490-45E1-88EC-300F824C3EF4}"},
        {L"ZoomPage", L"{5779C6DE-5F8C-4CFC-A9B5-1E1B720EA9E3}"},
        {L"Macro", L"{034405EA-388A-485D-B732-2254C423AA14}"},
        {L"Array", L"{2346B38A-6B19-4B31-8C34-64A046C42C7E}"},
        {L"Coordsys", L"{3579BCA1-6F5E-466A-950F-B3379E3F6232}"},
        {L"Pattern", L"{9C8CE529-EFD9-44FB-BF3C-5A35E2EA379A}"},
        {L"Helix", L"{B5F8E867-6A5F-46EA-BCBF-FFEDA9581AA3}"},
        {L"PerInstanceFactory", L"{BDC04F4A-53D8-4F8A-9432-E92C737CF59F}"},
        {L"PerInstanceProperty", L"{5A7062A1-444D-49E9-B21B-F78C83B38CA6}"},
        {L"BoltPerInstanceProperty", L"{97FB673D-488E-458C-A1BA-2B8FB3FFE2F0}"},
        {L"BodyPerInstanceProperty", L"{A0387E2F-6753-4A2A-9963-ADF78B87DE3F}"},
        {L"OPMBody", L"{99322C59-46B7-47EB-AAC6-E272149A7652}"},
    };
    const std::vector<std::pair<std::wstring, std::wstring>> interfaces = {
        {L"IBolt", L"{5037D355-E825-46B1-87DC-446318A128DE}"},
        {L"IProf", L"{85E635CB-2E4C-4AD5-BEAB-72445EEC8FA3}"},
        {L"IStruct", L"{00A67179-E292-43EA-8452-DAB5FF5AB5E1}"},
        {L"IPlate", L"{C4966C0B-F4E2-41ED-B254-476B05131D82}"},
        {L"IMacro", L"{72A8E655-612A-4144-89EE-B92A74B2301E}"},
        {L"IArray", L"{8473328D-4227-4946-B580-96FC408CF37D}"},
        {L"ICoordsys", L"{65221253-3577-4296-899F-A8A366A1C433}"},
        {L"IPattern", L"{7F98A815-0BA8-491C-8BF5-7389753F24A1}"},
        {L"IHelix", L"{B1E30D13-48A7-420B-8C8C-7BD9817C1F29}"},
        {L"IPerInstanceFactory", L"{213B4068-BC70-4C41-BAB8-C2552B2821D3}"},
        {L"IPerInstanceProperty", L"{C6393D65-E336-4D13-BBAA-0CA6AE04DB9C}"},
        {L"IBoltPerInstanceProperty", L"{F98CA018-E287-42B0-9BF0-828740EC3680}"},
        {L"IBodyPerInstanceProperty", L"{0B0545FE-BD42-4849-86C0-9DFF1F1B86B3}"},
        {L"IOPMBody", L"{FD056682-2994-42D1-9495-B450A402CEF2}"},
    };
    ASSERT_EQ(comClasses().size(), classes.size());
    ASSERT_EQ(comInterfaces().size(), interfaces.size());
    for (std::size_t i = 0; i < classes.size(); ++i) {
        EXPECT_EQ(std::wstring(comClasses()[i].name), classes[i].first) << "class row " << i;
        EXPECT_EQ(comGuidToString(comClasses()[i].id), classes[i].second) << classes[i].first;
    }
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        EXPECT_EQ(std::wstring(comInterfaces()[i].name), interfaces[i].first)
            << "interface row " << i;
        EXPECT_EQ(comGuidToString(comInterfaces()[i].id), interfaces[i].second)
            << interfaces[i].first;
    }
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
                     L"{0xAA,0xC6,0xE2,0x72,0x14,0x9A,0x76,0x52}};",
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
