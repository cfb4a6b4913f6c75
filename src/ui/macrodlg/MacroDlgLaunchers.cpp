// MacroDlgLaunchers.cpp - the launchers of the macro parameter dialog, the registry of modeless
// dialogs and their deferred close.
#include "ui/macrodlg/MacroDlgLaunchers.h"

#include <QApplication>
#include <QTimer>
#include <map>

#include "core/OvTempResourceOverride.h"
#include "core/macro/MacroDataServices.h"
#include "host/HostServices.h"
#include "host/HostWindow.h"
#include "macrodlg/MacroDlgSlots.h"
#include "macrodlg/MacroStandardsLoad.h"
#include "ui/ModalLauncher.h"
#include "ui/macrodlg/CDlgMacro.h"

namespace {

constexpr int kDeferredCloseMs = 50;

MacroDlgSlots<CDlgMacro>& registry() {
    static MacroDlgSlots<CDlgMacro> dialogs;
    return dialogs;
}

// Timer -> slot of the closes put off while a dialog was busy.
std::map<QTimer*, int>& deferredCloses() {
    static std::map<QTimer*, int> closes;
    return closes;
}

// "Load from standards" needs the standards engine, which the core cannot reach itself.
void ensureStandardsCalculator() {
    if (!macroStandardsCalculator()) {
        installMacroStandardsCalculator();
    }
}

QWidget* hostMainWindow() {
    return static_cast<QWidget*>(adsw_acadMainWnd());
}

void deferClose(int dialogId) {
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    timer->setInterval(kDeferredCloseMs);
    deferredCloses()[timer] = dialogId;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        acutPrintf(L"Delayed timer called.\n");
        const int slot = deferredCloses()[timer];
        deferredCloses().erase(timer);
        timer->deleteLater();
        EndDlgMacroModeless(slot);
    });
    timer->start();
}

}  // namespace

void StartDlgMacro(MacroData& data) {
    if (!ovui::canShowDialogs()) {
        return;
    }
    ensureStandardsCalculator();
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgMacro dialog;
    dialog.data() = data;
    dialog.DoModal();
    data = dialog.data();
}

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& dialogId) {
    dialogId = -1;
    if (!ovui::canShowDialogs()) {
        return false;
    }
    ensureStandardsCalculator();
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    const int slot = registry().reserve();
    auto* dialog = new CDlgMacro(slot, hostMainWindow());
    dialog->setModal(false);
    dialog->data() = data;
    if (!dialog->initModeless()) {
        delete dialog;
        registry().unreserve(slot);
        return false;
    }
    registry().put(slot, dialog);
    dialog->show();
    if (!keepFocus && hostMainWindow() != nullptr) {
        hostMainWindow()->activateWindow();
    }
    dialogId = slot;
    return true;
}

bool GetDlgMacroData(int dialogId, MacroData& data) {
    const CDlgMacro* dialog = registry().at(dialogId);
    if (dialog == nullptr) {
        return false;
    }
    data = dialog->data();
    return true;
}

bool EndDlgMacroModeless(int dialogId) {
    CDlgMacro* dialog = registry().at(dialogId);
    if (dialog == nullptr) {
        return false;
    }
    if (dialog->data().deferredClose) {
        deferClose(dialogId);
        return true;
    }
    dialog->OnDestroyPublic();
    dialog->hide();
    // The close may come from one of the dialog's own handlers: delete once they returned.
    dialog->deleteLater();
    registry().release(dialogId);
    acedPostCommandPrompt();
    return true;
}

void destroyModelessMacroDlgs() {
    for (int slot = registry().size() - 1; slot >= 0; --slot) {
        EndDlgMacroModeless(slot);
    }
}

CDlgMacro* macroDlgInSlot(int dialogId) {
    return registry().at(dialogId);
}

int macroDlgSlotCount() {
    return registry().size();
}

int pendingMacroDlgCloses() {
    return static_cast<int>(deferredCloses().size());
}
