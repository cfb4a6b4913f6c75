// MacroEditLaunchers.cpp - the macro editor run modal or as the single modeless editor.
#include "ui/macroedit/MacroEditLaunchers.h"

#include <QPointer>

#include "core/OvTempResourceOverride.h"
#include "host/HostWindow.h"
#include "ui/ModalLauncher.h"
#include "ui/macroedit/CDlgEditMacro.h"

namespace {

QPointer<CDlgEditMacro>& modeless() {
    static QPointer<CDlgEditMacro> editor;
    return editor;
}

QWidget* hostMainWindow() {
    return static_cast<QWidget*>(adsw_acadMainWnd());
}

}  // namespace

bool StartDlgEditConstrModal(EditConstrData& data) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgEditMacro dialog;
    dialog.data() = data;
    return dialog.DoModal() == IDOK;
}

bool StartDlgEditConstraints(EditConstrData& data) {
    if (!ovui::canShowDialogs() || modeless() != nullptr) {
        return true;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    auto* dialog = new CDlgEditMacro(hostMainWindow());
    dialog->setModal(false);
    dialog->setModeless(true);
    dialog->data() = data;
    if (!dialog->initModeless()) {
        delete dialog;
        return true;
    }
    modeless() = dialog;
    dialog->show();
    if (hostMainWindow() != nullptr) {
        hostMainWindow()->activateWindow();
    }
    return true;
}

CDlgEditMacro* modelessMacroEditor() {
    return modeless().data();
}

void closeModelessMacroEditor() {
    if (CDlgEditMacro* dialog = modeless().data()) {
        modeless() = nullptr;
        dialog->closeModeless();
    }
}
