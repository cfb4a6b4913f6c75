// MacroDetailLaunchers.cpp - the launchers of the macro detail dialogs and the open-save dialog.
#include "ui/macrodlg/MacroDetailLaunchers.h"

#include "core/macro/Tvx_Drawing.h"
#include "ui/ModalLauncher.h"
#include "ui/dialogs/CDlgOpenSave.h"
#include "ui/macrodlg/detail/CDlgArray.h"
#include "ui/macrodlg/detail/CDlgMacroBoltAdv.h"
#include "ui/macrodlg/detail/CDlgMacroCuts.h"
#include "ui/macrodlg/detail/CDlgMacroPattern.h"
#include "ui/macrodlg/detail/CDlgMacroProfAdv.h"
#include "ui/macrodlg/detail/CDlgMacroProfSegm.h"

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& changed) {
    changed = false;
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgMacroCuts dialog;
    dialog.data() = data;
    const bool ok = dialog.DoModal() == IDOK;
    changed = dialog.resultFlag();
    if (ok) {
        data = dialog.data();
    }
    return ok;
}

void StartDlgMacroProfAdv(MacroData& data, const Tvx_String& moduleName,
                          const Tvx_String& groupName, bool firstOption) {
    if (!ovui::canShowDialogs()) {
        return;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    OvMACallBackData callbackData;
    callbackData.groupName = groupName;
    callbackData.moduleName = moduleName;
    callbackData.macroData = &data;
    CDlgMacroProfAdv dialog(&macroProfCallBack, callbackData, firstOption);
    dialog.DoModal();
    // A profile made only for this dialog goes with it.
    if (data.tempProfile && data.profileIds.length() == 1 && eraseOpenProfile(data.profileIds[0])) {
        data.profileIds.removeAll();
    }
}

void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* profileIds, bool& option,
                          bool (*callback)(OvMACallBackType, const OvMACallBackData&,
                                           MacroProfData&)) {
    if (profileIds == nullptr || profileIds->isEmpty() || !ovui::canShowDialogs()) {
        return;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    OvMACallBackData callbackData;
    callbackData.profileIds = *profileIds;
    CDlgMacroProfAdv dialog(callback, callbackData, true, option, option);
    if (dialog.DoModal() == IDOK && option) {
        option = dialog.optionChecked();
    }
}

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& ids, const Tvx_String& name) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgArray dialog;
    dialog.data() = data;
    dialog.setContext(ids, name);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    data = dialog.data();
    return true;
}

bool StartDlgMacroBoltAdv(MacroBoltData& bolt, const Tvx_StringArray& assemblies,
                          const Tvx_StringArray& diameters,
                          const std::function<void(MacroBoltData&)>& applyToOwner) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgMacroBoltAdv dialog;
    dialog.data() = bolt;
    dialog.setLists(assemblies, diameters);
    dialog.setApplyToOwner(applyToOwner);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    bolt = dialog.data();
    return true;
}

bool StartDlgMacroPattern(MacroPatternProps& pattern) {
    return ovui::runModalOnCopy<CDlgMacroPattern>(pattern);
}

bool StartDlgMacroProfSegm(MacroProfSegmentedData& data) {
    return ovui::runModalOnCopy<CDlgMacroProfSegm>(data);
}

bool StartDlgOpenSave(OpenSaveFiles& files) {
    return ovui::runModalOnCopy<CDlgOpenSave>(files);
}
