// Loads the module the way the host does (dlopen, entry point by name) and checks what the
// module asked of the host for the initialisation and unload messages.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using EntryPoint = int (*)(int, void*);
using JournalFn = const char* (*)();

class HostLoad : public ::testing::Test {
  protected:
    void SetUp() override {
        handle_ = dlopen(OVSS_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    void TearDown() override {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    void* symbol(const char* name) const { return dlsym(handle_, name); }
    std::string journal() const {
        auto fn = reinterpret_cast<JournalFn>(symbol("ovssHostJournal"));
        return fn != nullptr ? fn() : std::string();
    }
    void* handle_ = nullptr;
};

TEST_F(HostLoad, InitialisationUnlocksAndRegistersMdiAwareThenUnloadRemovesTheCommandGroup) {
    auto entry = reinterpret_cast<EntryPoint>(symbol("acrxEntryPoint"));
    ASSERT_NE(entry, nullptr);
    int appId = 0;
    EXPECT_EQ(entry(1, &appId), 0);
    EXPECT_NE(journal().find("unlockApplication\nregisterAppMDIAware\n"), std::string::npos)
        << journal();
    EXPECT_EQ(entry(2, &appId), 0);
    EXPECT_NE(journal().find("removeGroup TAVRIX_SS\n"), std::string::npos) << journal();
    EXPECT_EQ(entry(3, &appId), 0);  // other messages do nothing
}

TEST_F(HostLoad, ExportsTheApiVersionThePoolAndEveryTimer) {
    EXPECT_NE(symbol("acrxGetApiVersion"), nullptr);
    EXPECT_NE(symbol("gSSDlgsMgr"), nullptr);
    for (const char* name : {"gLoadFile",
                             "gInitMapping",
                             "gInitSSForInput",
                             "gInitFromMacro",
                             "gSSSGetFromMacro",
                             "gSetMacroValuelsToSS",
                             "gSSSreplaceGenVars",
                             "gCalcMain",
                             "gSetToMacro",
                             "gGetFromVars",
                             "gCalcChild",
                             "gSetToVars",
                             "gRegisterFuntions",
                             "gFindDuplicates",
                             "gCalcCells",
                             "gCalcCellSplitSymbol",
                             "gCalcCellFindVarCell",
                             "gCalcCellFindFunctions",
                             "gCalcCellCalcNativeFunctions",
                             "gCalcCellCalcFunctionsPrepare",
                             "gCalcCellCalcFunctions",
                             "gCalcCellGetVarNames",
                             "gCalcCellGetVarCoordName",
                             "gCalcCellGetVarCoords",
                             "gCalcCellReplaceVariables"}) {
        EXPECT_NE(symbol(name), nullptr) << name;
    }
}

TEST_F(HostLoad, ExportsTheDesignerLaunchers) {
    for (const char* name : {"_Z16StartDlgDesignerRK10Tvx_String", "_Z21getDesignerRootFolderv",
                             "_Z15getModuleImagesR15Tvx_StringArray",
                             "_Z20GetImageDlgCtrlNamesRK10Tvx_StringR15Tvx_StringArray",
                             "_Z23StartDlgDesignerPreviewRK10Tvx_String"}) {
        EXPECT_NE(symbol(name), nullptr) << name;
    }
}

TEST_F(HostLoad, ExportsTheMacroDialogLaunchers) {
    for (const char* name :
         {"_Z13StartDlgMacroR9MacroData", "_Z21StartDlgMacroModelessbR9MacroDataRi",
          "_Z15GetDlgMacroDataiR9MacroData", "_Z19EndDlgMacroModelessi", "_Z19DestroyAllMacroDlgsv",
          "ovssOpenDrawing", "ovssSaveDrawing", "ovssDrawingMacroCount", "ovssDrawingMacroRow",
          "ovssOpenMacroDialog"}) {
        EXPECT_NE(symbol(name), nullptr) << name;
    }
}

TEST_F(HostLoad, ExportsTheMacroEditorAndSelectMacroLaunchers) {
    for (const char* name :
         {"_Z23StartDlgEditConstrModalR14EditConstrData",
          "_Z23StartDlgEditConstraintsR14EditConstrData", "_Z21EndDlgEditConstraintsv",
          "_Z19StartDlgSelectMacroRK10Tvx_StringRK15Tvx_StringArrayRKiS6_RS_Rbb",
          "_Z19StartDlgSelectMacroRK10Tvx_StringRK15Tvx_StringArrayRK7AcArrayIbERKiSA_RS_Rbb",
          "ovssEditMacro", "ovssSelectSampleMacro"}) {
        EXPECT_NE(symbol(name), nullptr) << name;
    }
}

TEST_F(HostLoad, ExportsTheSectionLibraryLaunchersAndTheSectionChoice) {
    for (const char* name : {"_Z23StartDlgEditLibSectionsR14DlgEditLibDataRK10Tvx_String",
                             "_Z21StartDlgEditLibSimpleRK10Tvx_StringR19Tvx_ProfValuesTableRi",
                             "_Z13selectProfileR10Tvx_Stringb"}) {
        EXPECT_NE(symbol(name), nullptr) << name;
    }
}

TEST_F(HostLoad, ExportsTheMacroDetailLaunchers) {
    for (const char* name :
         {"_Z17StartDlgMacroCutsR16DlgMacroCutsDataRb",
          "_Z20StartDlgMacroProfAdvR9MacroDataRK10Tvx_StringS3_b",
          "_Z20StartDlgMacroProfAdvP7AcArrayI12AcDbObjectIdERbPFb16OvMACallBackTypeRK16OvMACallBack"
          "DataR13MacroProfDataE",
          "_Z13StartArrayDlgR12DynArrayDataRK7AcArrayI12AcDbObjectIdERK10Tvx_String",
          "_Z16StartDlgOpenSaveR13OpenSaveFiles"}) {
        EXPECT_NE(symbol(name), nullptr) << name;
    }
}

TEST_F(HostLoad, ExportsTheSheetsManagerLaunchers) {
    EXPECT_NE(symbol("_Z25StartModelessDlgSheetsMgrRK18OvSheetsMgrDlgData"), nullptr);
    EXPECT_NE(symbol("_Z23EndModelessDlgSheetsMgrv"), nullptr);
}

}  // namespace
