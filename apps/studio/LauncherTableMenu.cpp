// LauncherTableMenu.cpp - the launcher table in the Dialogs menu. Each launcher is shown under
// its subsystem with the studio entry that reaches it (found by its text anywhere in the menu
// bar); a launcher that is not a dialog, or that no entry reaches yet, is shown disabled with the
// reason in its tool tip.
#include "LauncherTableMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Row {
    const char* group;
    const char* launcher;
    const char* entry;  // the studio entry's text; null: see `why`
    const char* why;
};

constexpr Row kRows[] = {
    {"Standards and spreadsheets", "StartDlgStandardsSS", "Standards calculation test", nullptr},
    {"Standards and spreadsheets", "StartDlgStandardsSStest", "Standards calculation test",
     nullptr},
    {"Standards and spreadsheets", "EvaluateSS", "&Formulas workbench...", nullptr},
    {"Standards and spreadsheets", "ReadSSFile", nullptr,
     "not a dialog: reads a sheet file for the caller"},
    {"Standards and spreadsheets", "startGridDialog", "String-array grid...", nullptr},
    {"Standards and spreadsheets", "StartDlgGenVars", "&General variables...", nullptr},
    {"Standards and spreadsheets", "StartModelessDlgSheetsMgr", "&Sheets manager", nullptr},
    {"Standards and spreadsheets", "EndModelessDlgSheetsMgr", nullptr,
     "closes the sheets manager (Tools > Sheets manager)"},
    {"Dialog designer", "StartDlgDesigner", "&New template...", nullptr},
    {"Dialog designer", "GetImageDlgCtrlNames", nullptr, "not a dialog: a template's controls"},
    {"Dialog designer", "getDesignerRootFolder", nullptr, "not a dialog: the templates' folder"},
    {"Dialog designer", "getModuleImages", nullptr, "not a dialog: lists Designer > Open template"},
    {"Section library", "StartDlgEditLibSections", "&Edit the section library...", nullptr},
    {"Section library", "StartDlgEditLibSimple", "Add a section with the &simple editor...",
     nullptr},
    {"Macro dialogs", "StartDlgMacroModeless", "&Open drawing...", nullptr},
    {"Macro dialogs", "StartDlgMacro", nullptr, "the modal form of the drawing's macro dialogs"},
    {"Macro dialogs", "GetDlgMacroData", nullptr, "not a dialog: reads an open macro dialog"},
    {"Macro dialogs", "EndDlgMacroModeless", nullptr, "closes a macro dialog"},
    {"Macro dialogs", "DestroyAllMacroDlgs", nullptr, "closes every macro dialog"},
    {"Macro dialogs", "StartDlgEditConstrModal", "&Edit macro...", nullptr},
    {"Macro dialogs", "StartDlgEditConstraints", "Edit macro (&modeless)...", nullptr},
    {"Macro dialogs", "EndDlgEditConstraints", nullptr, "closes the macro editor"},
    {"Macro dialogs", "StartDlgSelectMacro", "&Select macro...", nullptr},
    {"Macro dialogs", "StartDlgMacroCuts", "&Cuts...", nullptr},
    {"Macro dialogs", "StartDlgMacroProfAdv", "&Profile details...", nullptr},
    {"Macro dialogs", "StartArrayDlg", "&Array...", nullptr},
    {"Other dialogs", "StartDlgCSP2", "Cutting stock...", nullptr},
    {"Other dialogs", "StartDSTVPointsDlg", "DSTV points...", nullptr},
    {"Other dialogs", "StartEditProfCutsDlg", "Profile cuts...", nullptr},
    {"Other dialogs", "StartDlgProfFeatures", "Profile features...", nullptr},
    {"Other dialogs", "StartDlgGrid", "&Grid...", nullptr},
    {"Other dialogs", "StartDlgLevels", "Levels...", nullptr},
    {"Other dialogs", "StartDlgLookUp", "Lookup...", nullptr},
    {"Other dialogs", "StartDlgSelectImage", "&Select image...", nullptr},
    {"Other dialogs", "StartDlgCladdingSettings", "Cladding settings...", nullptr},
    {"Other dialogs", "StartDlgCis2Info", "&CIS/2 options...", nullptr},
    {"Other dialogs", "StartDlgBracing", "Bracing...", nullptr},
    {"Registration", "SSregisterOpmCLSIDs", nullptr, "not a dialog: registers the classes"},
    {"Registration", "SScleanupComRegistry", nullptr, "not a dialog: removes the registration"},
    {"Registration", "SSprintCLSIDs", nullptr, "not a dialog: writes RegistryIDs.dat"},
};

// The action with `text` anywhere below `menu`, skipping `skip` (the table itself).
QAction* findEntry(const QList<QAction*>& actions, const QString& text, const QMenu* skip) {
    for (QAction* action : actions) {
        if (action->menu() != nullptr) {
            if (action->menu() == skip) {
                continue;
            }
            if (QAction* found = findEntry(action->menu()->actions(), text, skip)) {
                return found;
            }
        } else if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

void addLauncherTableMenu(QMenu* dialogs, QMenuBar* bar) {
    QMenu* table = dialogs->addMenu(QObject::tr("Launcher table"));
    table->setToolTipsVisible(true);
    QObject::connect(table, &QMenu::aboutToShow, table, [table, bar] {
        if (!table->actions().isEmpty()) {
            return;  // filled on the first opening, when every menu exists
        }
        QMenu* group = nullptr;
        QString groupName;
        for (const Row& row : kRows) {
            if (groupName != QLatin1String(row.group)) {
                groupName = QLatin1String(row.group);
                group = table->addMenu(groupName);
                group->setToolTipsVisible(true);
            }
            QAction* entry = row.entry != nullptr
                                 ? findEntry(bar->actions(), QString::fromUtf8(row.entry), table)
                                 : nullptr;
            QAction* item = group->addAction(QLatin1String(row.launcher));
            if (entry != nullptr) {
                item->setToolTip(entry->text().remove(QLatin1Char('&')));
                QObject::connect(item, &QAction::triggered, entry, &QAction::trigger);
            } else {
                item->setEnabled(false);
                item->setToolTip(row.why != nullptr ? QString::fromUtf8(row.why)
                                                    : QObject::tr("no studio entry yet"));
            }
        }
    });
}
