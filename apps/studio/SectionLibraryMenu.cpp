// SectionLibraryMenu.cpp - the studio's "Section library" menu: the library editor on the
// bundled library, the simple editor on a type's table and the section selection dialog. The
// studio plays the core library's part: it reads and writes the library's groups-and-types file
// and the profile tables around the module's launchers.
#include <QInputDialog>
#include <QMenuBar>

#include "StudioWindow.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Tvx_Settings.h"
#include "core/sections/SectionLibraryFile.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {

// The exports, as the host finds them.
constexpr const char* kStartDlgEditLibSections =
    "_Z23StartDlgEditLibSectionsR14DlgEditLibDataRK10Tvx_String";
constexpr const char* kStartDlgEditLibSimple =
    "_Z21StartDlgEditLibSimpleRK10Tvx_StringR19Tvx_ProfValuesTableRi";
constexpr const char* kSelectProfile = "_Z13selectProfileR10Tvx_Stringb";

using LibSectionsLauncher = bool (*)(DlgEditLibData&, const Tvx_String&);
using LibSimpleLauncher = bool (*)(const Tvx_String&, Tvx_ProfValuesTable&, int&);
using SelectProfile = bool (*)(Tvx_String&, bool);

QString qt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}

QStringList profileTypes() {
    QStringList types;
    for (const Tvx_String& file : listFiles(gSettings.libDir + L"prof\\", L"*.pr", false)) {
        types.append(qt(removeExtension(file)));
    }
    return types;
}

}  // namespace

void StudioWindow::buildSectionLibraryMenu() {
    QMenu* menu = menuBar()->addMenu(tr("Section &library"));
    menu->addAction(tr("&Edit the section library..."), this, [this] {
        auto launcher =
            reinterpret_cast<LibSectionsLauncher>(module_.exported(kStartDlgEditLibSections));
        if (launcher == nullptr) {
            return missing(QStringLiteral("StartDlgEditLibSections"));
        }
        DlgEditLibData data;
        Tvx_String error;
        if (!readSectionLibrary(sectionLibraryPath(), data, error)) {
            // A damaged file is never overwritten with an empty library.
            return report(QStringLiteral("StartDlgEditLibSections"), false, qt(error));
        }
        const bool ok = launcher(data, Tvx_String());
        if (ok && !writeSectionLibrary(sectionLibraryPath(), data, error)) {
            return report(QStringLiteral("StartDlgEditLibSections"), ok, qt(error));
        }
        report(QStringLiteral("StartDlgEditLibSections"), ok,
               tr("%1 groups, %2 types").arg(data.groups.length()).arg(data.types.length()));
    });
    menu->addAction(tr("Add a section with the &simple editor..."), this, [this] {
        auto launcher =
            reinterpret_cast<LibSimpleLauncher>(module_.exported(kStartDlgEditLibSimple));
        if (launcher == nullptr) {
            return missing(QStringLiteral("StartDlgEditLibSimple"));
        }
        bool chosen = false;
        const QString type = QInputDialog::getItem(this, tr("Simple editor"), tr("Section type:"),
                                                   profileTypes(), 0, false, &chosen);
        Tvx_ProfValuesTable table;
        if (!chosen || !table.readFromFile(Tvx_String(type.toStdWString()) + L".pr") ||
            table.rows.isEmpty()) {
            return report(QStringLiteral("StartDlgEditLibSimple"), false, type);
        }
        table.typeName = type.toStdWString();
        int index = -1;
        const bool ok = launcher(table.rows[0][0], table, index);
        if (ok) {
            table.writeToFile(table.typeName);
        }
        report(QStringLiteral("StartDlgEditLibSimple"), ok,
               tr("%1, new section at %2").arg(type).arg(index));
    });
    menu->addAction(tr("Select a &section..."), this, [this] {
        auto select = reinterpret_cast<SelectProfile>(module_.exported(kSelectProfile));
        if (select == nullptr) {
            return missing(QStringLiteral("selectProfile"));
        }
        Tvx_String name = L"HEA-200";
        const bool ok = select(name, false);
        report(QStringLiteral("selectProfile"), ok, qt(name));
    });
}
