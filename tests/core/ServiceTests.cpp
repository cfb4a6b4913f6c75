// ServiceTests.cpp - registry store, dialog sizes, message and command-line recorders, resource
// override, timers, settings and numbered texts.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include <cstdlib>
#include <fstream>
#include <thread>

#include "TempFolder.h"
#include "core/AtomicFile.h"
#include "core/DlgSizeStore.h"
#include "core/MessageService.h"
#include "core/OvTempResourceOverride.h"
#include "core/PromptService.h"
#include "core/Registry.h"
#include "core/TextFile.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "core/Tvx_Timer.h"
#include "host/HostServices.h"

namespace {

// Points the registry store at a file in a temporary folder for one test.
class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("OVSS_REGISTRY", (temp_.path() / "cfg" / "registry.json").c_str(), 1);
        OvRegistry::reload();
    }
    void TearDown() override {
        ::unsetenv("OVSS_REGISTRY");
        OvRegistry::reload();
    }
    TempFolder temp_;
};

const wchar_t* const kKey = L"Software\\Orvane\\Spreadsheet Editor v1.0";

TEST_F(RegistryTest, ValuesAndKeysSurviveAReload) {
    ASSERT_TRUE(OvRegistry::setString(HKEY_CURRENT_USER, kKey, L"Language", L"Français"));
    ASSERT_TRUE(OvRegistry::setDword(HKEY_CURRENT_USER, kKey, L"Height", 13));
    ASSERT_TRUE(OvRegistry::setString(HKEY_CLASSES_ROOT, L"CLSID\\{1}", L"", L"default"));
    ASSERT_TRUE(OvRegistry::createKey(HKEY_LOCAL_MACHINE, L"Software\\Empty"));
    EXPECT_FALSE(OvRegistry::createKey(HKEY_LOCAL_MACHINE, L"A\\\\B"));
    EXPECT_TRUE(OvRegistry::persistent());

    OvRegistry::reload();
    Tvx_String text;
    DWORD number = 0;
    EXPECT_TRUE(OvRegistry::getString(
        HKEY_CURRENT_USER, L"software\\ORVANE\\Spreadsheet Editor v1.0", L"language", text));
    EXPECT_EQ(text, L"Français");
    EXPECT_TRUE(OvRegistry::getDword(HKEY_CURRENT_USER, kKey, L"Height", number));
    EXPECT_EQ(number, 13u);
    EXPECT_FALSE(OvRegistry::getDword(HKEY_CURRENT_USER, kKey, L"Language", number));  // a text
    EXPECT_FALSE(OvRegistry::getString(HKEY_LOCAL_MACHINE, kKey, L"Language", text));  // other hive
    EXPECT_TRUE(OvRegistry::getString(HKEY_CLASSES_ROOT, L"CLSID\\{1}", L"", text));
    EXPECT_EQ(text, L"default");
    EXPECT_TRUE(OvRegistry::keyExists(HKEY_LOCAL_MACHINE, L"Software\\Empty"));
    EXPECT_EQ(OvRegistry::enumSubKeys(HKEY_CURRENT_USER, L"Software\\Orvane"),
              Tvx_StringArray({L"Spreadsheet Editor v1.0"}));
    EXPECT_EQ(OvRegistry::enumValues(HKEY_CURRENT_USER, kKey),
              Tvx_StringArray({L"Language", L"Height"}));

    EXPECT_TRUE(OvRegistry::deleteValue(HKEY_CURRENT_USER, kKey, L"Height"));
    EXPECT_TRUE(OvRegistry::deleteKey(HKEY_CURRENT_USER, L"Software"));  // recursive
    EXPECT_FALSE(OvRegistry::deleteKey(HKEY_CURRENT_USER, L"Software"));
    OvRegistry::reload();
    EXPECT_FALSE(OvRegistry::keyExists(HKEY_CURRENT_USER, kKey));
    EXPECT_TRUE(OvRegistry::keyExists(HKEY_LOCAL_MACHINE, L"Software\\Empty"));
}

TEST_F(RegistryTest, ABatchWritesTheFileOnceWhenTheOutermostScopeEnds) {
    const std::filesystem::path file = temp_.path() / "cfg" / "registry.json";
    {
        OvRegistry::BatchWrite outer;
        {
            OvRegistry::BatchWrite inner;
            ASSERT_TRUE(OvRegistry::setDword(HKEY_CURRENT_USER, kKey, L"Width", 400));
        }
        EXPECT_FALSE(std::filesystem::exists(file));  // the inner scope does not write
        ASSERT_TRUE(OvRegistry::setDword(HKEY_CURRENT_USER, kKey, L"Height", 300));
    }
    ASSERT_TRUE(std::filesystem::exists(file));
    OvRegistry::reload();
    DWORD width = 0;
    DWORD height = 0;
    EXPECT_TRUE(OvRegistry::getDword(HKEY_CURRENT_USER, kKey, L"Width", width));
    EXPECT_TRUE(OvRegistry::getDword(HKEY_CURRENT_USER, kKey, L"Height", height));
    EXPECT_EQ(width, 400u);
    EXPECT_EQ(height, 300u);
}

TEST_F(RegistryTest, AnInvalidFileIsLeftAloneAndTheStoreWorksInMemory) {
    const Tvx_String path = Tvx_String::fromUtf8((temp_.path() / "bad.json").string());
    for (const char* bytes :
         {"{ not json", "[1, 2]", "{\"HKEY_CURRENT_USER\": {\"values\": {\"x\": -1}}}"}) {
        ASSERT_TRUE(atomicWriteFile(path, bytes));
        ::setenv("OVSS_REGISTRY", path.toUtf8().c_str(), 1);
        OvRegistry::reload();
        EXPECT_TRUE(OvRegistry::setDword(HKEY_CURRENT_USER, L"K", L"V", 1));
        EXPECT_FALSE(OvRegistry::persistent());
        EXPECT_FALSE(OvRegistry::lastError().isEmpty());
        std::string after;
        ASSERT_TRUE(readFileBytes(path, after));
        EXPECT_EQ(after, bytes);
    }
}

TEST_F(RegistryTest, DialogSizesAndFlags) {
    DlgSize size{1, 1};
    EXPECT_FALSE(readDlgSize(L"DLG_FINDREPLACE", size));
    EXPECT_TRUE(writeDlgSize(L"DLG_FINDREPLACE", {420, 180}));
    EXPECT_FALSE(writeDlgSize(L"DLG_FINDREPLACE", {0, 180}));
    EXPECT_FALSE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG"));
    EXPECT_TRUE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));
    EXPECT_TRUE(writeDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG", true));
    OvRegistry::reload();
    ASSERT_TRUE(readDlgSize(L"DLG_FINDREPLACE", size));
    EXPECT_EQ(size.width, 420);
    EXPECT_EQ(size.height, 180);
    EXPECT_TRUE(readDlgRegBool(L"DLG_SELECT_MACRO", L"LARGE_DLG"));
}

TEST(MessageService, RecorderCapturesAndAnswersInOrderThenDefaults) {
    MessageRecorder recorder;
    recorder.answer(IDNO);
    EXPECT_EQ(ovMessageBox(L"Restart from the top?", L"Find", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(ovMessageBox(L"Save?", L"Save", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(AfxMessageBox(L"Done"), IDOK);
    ASSERT_EQ(recorder.count(), 3);
    EXPECT_EQ(recorder.messages()[0].text, L"Restart from the top?");
    EXPECT_EQ(recorder.messages()[0].caption, L"Find");
    EXPECT_EQ(recorder.messages()[0].type, MB_YESNO | MB_ICONQUESTION);
    {
        MessageRecorder inner;  // nested recorders restore the outer one
        ovMessageBox(L"inner", L"", MB_OK);
        EXPECT_EQ(inner.count(), 1);
    }
    ovMessageBox(L"outer", L"", MB_OK);
    EXPECT_EQ(recorder.last().text, L"outer");

    const std::pair<unsigned, int> defaults[] = {{MB_OK, IDOK},
                                                 {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                                                 {MB_YESNO | MB_ICONEXCLAMATION, IDYES},
                                                 {MB_YESNO | MB_DEFBUTTON2, IDNO}};
    for (const auto& [type, answer] : defaults) {
        EXPECT_EQ(defaultMessageAnswer(type), answer) << type;
    }
}

TEST(HostServices, CommandLineRecorderCapturesOutputCommandsAndPrompts) {
    HostRecorder host;
    acutPrintf(L"SSVar: %s Module: %s ObjName: %s \n", L"W", L"Plate", L"Thk");
    acutPrintf(L"Result is double: %f\n", 2.5);
    acedPostCommand(L"CANCELCMD");
    acedPostCommandPrompt();
    host.answerPrompt(L"18");
    std::wstring answer;
    EXPECT_TRUE(acedGetString(L"Height", answer));
    EXPECT_EQ(answer, L"18");
    EXPECT_FALSE(acedGetString(L"Again", answer));  // script exhausted: cancelled
    EXPECT_EQ(host.lines(), (std::vector<std::wstring>{L"SSVar: W Module: Plate ObjName: Thk ",
                                                       L"Result is double: 2.500000"}));
    EXPECT_EQ(host.commands(), std::vector<std::wstring>{L"CANCELCMD"});
    EXPECT_EQ(host.commandPromptCount(), 1);
    EXPECT_EQ(host.prompts().size(), 2u);
}

TEST(PromptService, WithoutAUserInterfaceAPromptIsCancelledAndKeepsItsValue) {
    ASSERT_EQ(promptService().installed(), nullptr);
    Tvx_DlgPromptString prompt(L"Width", L"Column width:", L"30", L"OK", L"Cancel");
    EXPECT_EQ(prompt.DoModal(), IDCANCEL);
    EXPECT_EQ(prompt.m_value, L"30");
}

TEST(PromptService, RecorderAnswersAndCancelsInOrderThenCancelsAndIsRemovedWhenItGoes) {
    {
        PromptRecorder prompts;
        prompts.answerPrompt(L"Beams");
        prompts.cancelPrompt();
        Tvx_DlgPromptString first(L"New set", L"Name of the set:", L"Set 1", L"OK", L"Cancel");
        EXPECT_EQ(first.DoModal(), IDOK);
        EXPECT_EQ(first.m_value, L"Beams");
        Tvx_DlgPromptString second(L"New set", L"Name of the set:", L"Set 2", L"OK", L"Cancel");
        EXPECT_EQ(second.DoModal(), IDCANCEL);
        EXPECT_EQ(second.m_value, L"Set 2");
        Tvx_DlgPromptString unscripted(L"T", L"P", L"v", L"OK", L"Cancel");
        EXPECT_EQ(unscripted.DoModal(), IDCANCEL);
        ASSERT_EQ(prompts.prompts().size(), 3u);
        EXPECT_EQ(prompts.prompts()[1].title, L"New set");
        EXPECT_EQ(prompts.prompts()[1].prompt, L"Name of the set:");
        EXPECT_EQ(prompts.prompts()[1].value, L"Set 2");
        EXPECT_EQ(prompts.prompts()[1].okText, L"OK");
        EXPECT_EQ(prompts.prompts()[1].cancelText, L"Cancel");
    }
    EXPECT_EQ(promptService().installed(), nullptr);
}

TEST(ResourceOverride, SetsAndRestoresTheCurrentHandle) {
    int module = 0;
    int caller = 0;
    OvTempResourceOverride::SaveDefaultResource(&module);
    OvTempResourceOverride::setCurrentResource(&caller);
    {
        OvTempResourceOverride scope(OvTempResourceOverride::ActivateNow{});
        EXPECT_EQ(OvTempResourceOverride::currentResource(), &module);
        EXPECT_FALSE(scope.SetDefaultResource(&module));  // already overriding
    }
    EXPECT_EQ(OvTempResourceOverride::currentResource(), &caller);
    OvTempResourceOverride manual;
    EXPECT_FALSE(manual.SetDefaultResource(nullptr));
    EXPECT_FALSE(manual.RestoreOriginalResource());
    EXPECT_EQ(OvTempResourceOverride::currentResource(), &caller);
    OvTempResourceOverride::SaveDefaultResource(nullptr);
    OvTempResourceOverride::setCurrentResource(nullptr);
}

TEST(Timers, AccumulateRunsAndIgnoreUnmatchedEnds) {
    Tvx_Timer timer(L"gCalcCells");
    timer.end();
    EXPECT_EQ(timer.count(), 0);
    for (int i = 0; i < 3; ++i) {
        Tvx_FunctionTimer scoped(timer);
        EXPECT_TRUE(timer.isRunning());
    }
    EXPECT_EQ(timer.count(), 3);
    EXPECT_GE(timer.seconds(), 0.0);
    EXPECT_EQ(timer.name(), L"gCalcCells");
}

// The timers' clock may tick in its own units; what a timer reports is seconds.
TEST(Timers, ReportSeconds) {
    Tvx_Timer timer(L"gLoadFile");
    EXPECT_EQ(timer.seconds(), 0.0);
    timer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    timer.end();
    EXPECT_GE(timer.seconds(), 0.029);
    EXPECT_LT(timer.seconds(), 5.0);
    const double first = timer.seconds();
    timer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    timer.end();
    EXPECT_GE(timer.seconds(), first + 0.019);
    EXPECT_EQ(timer.count(), 2);
    // Runs that follow each other share a reading: a lap ends one and starts the next.
    timer.lap();  // none running: only starts
    EXPECT_EQ(timer.count(), 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    timer.lap();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    timer.end();
    EXPECT_EQ(timer.count(), 4);
    EXPECT_GE(timer.seconds(), first + 0.019 + 0.019);
    timer.reset();
    EXPECT_EQ(timer.seconds(), 0.0);
}

// Points the settings at a temporary application folder holding a small text table.
class TextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = gSettings;
        gSettings.resetForTests(temp_.folder(), temp_.folder());
        ASSERT_TRUE(writeTextFile(temp_.file(L"texts.tsv"),
                                  L"Number\tEnglish\tDutch\tFrench\tGerman\n"
                                  L"# comment\n"
                                  L"1\tOK\tOK\tOK\tOK\n"
                                  L"1147\tReplaced\tVervangen\t\tErsetzt\n"
                                  L"5\tTwo\\nlines\n"
                                  L"Prof:Width\tWidth\tBreedte\tLargeur\tBreite\n"
                                  L":Height\tHeight\tHoogte\n"));
        reloadTexts();
    }
    void TearDown() override {
        gSettings = saved_;
        reloadTexts();
    }
    TempFolder temp_;
    Tvx_Settings saved_;
};

TEST_F(TextsTest, NumberedTextsFallBackToEnglishAndShowGaps) {
    EXPECT_EQ(dialString(1147), L"Replaced");
    EXPECT_TRUE(MacroLangs::SetCurLanguage(L"dutch"));
    EXPECT_EQ(gSettings.workLanguage, L"Dutch");
    EXPECT_EQ(dialString(1147), L"Vervangen");
    EXPECT_EQ(string(5), L"Two\nlines");  // no Dutch text: English
    EXPECT_EQ(dialString(4242), L"#4242");
    EXPECT_FALSE(MacroLangs::SetCurLanguage(L"Klingon"));
    EXPECT_EQ(dialStringAllLangs(1147),
              Tvx_StringArray({L"Vervangen", L"Replaced", L"Replaced", L"Ersetzt"}));
    EXPECT_EQ(MacroLangs::GetString(L"Prof", L"width"), L"Breedte");
    EXPECT_EQ(MacroLangs::GetString(L"Prof", L"Depth"), L"Depth");
    EXPECT_EQ(MacroLangs::GetStringChopSymbols(L"WidthxHeightx2", L"x"), L"WidthxHoogtex2");
}

TEST(Settings, FoldersUseTheApplicationPathForm) {
    EXPECT_EQ(Tvx_Settings::normalizeFolder(L"/tmp/lib"), L"\\tmp\\lib\\");
    EXPECT_EQ(Tvx_Settings::normalizeFolder(L"C:\\lib\\"), L"C:\\lib\\");
    const Tvx_String bundled = Tvx_Settings::bundledLibraryFolder();
    EXPECT_EQ(bundled.right(1), L"\\");
    EXPECT_EQ(MacroLangs::GetAllLanguages().length() >= 4, true);
}

TEST(BundledTexts, TheShippedTableCoversTheTextsTheModuleUses) {
    const Tvx_Settings saved = gSettings;
    gSettings.resetForTests(Tvx_Settings::bundledLibraryFolder(),
                            Tvx_Settings::bundledLibraryFolder());
    reloadTexts();
    for (int number :
         {1,    2,    86,   171,  173,  174,  285,  347,  606,  607,  774,  775,  1136,
          1142, 1149, 1150, 1157, 1369, 1376, 1400, 1401, 1520, 1521, 1543, 1762, 1765}) {
        EXPECT_TRUE(hasDialString(number)) << number;
        EXPECT_NE(dialString(number).getAt(0), L'#') << number;
    }
    gSettings = saved;
    reloadTexts();
}

}  // namespace
