// DesignerMenu.cpp - the studio's "Designer" menu: the dialog designer on a template of the
// library or on a new one, and a preview of a saved template in run-time mode, as the macro
// dialog will show it. Everything goes through the module's exports.
#include <QInputDialog>
#include <QMenuBar>
#include <QStatusBar>

#include "StudioWindow.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

namespace {

// The exports, as the host finds them.
constexpr const char* kStartDlgDesigner = "_Z16StartDlgDesignerRK10Tvx_String";
constexpr const char* kStartDlgDesignerPreview = "_Z23StartDlgDesignerPreviewRK10Tvx_String";
constexpr const char* kGetDesignerRootFolder = "_Z21getDesignerRootFolderv";
constexpr const char* kGetModuleImages = "_Z15getModuleImagesR15Tvx_StringArray";

using DesignerLauncher = bool (*)(const Tvx_String&);
using RootFolder = Tvx_String (*)();
using ModuleImages = bool (*)(Tvx_StringArray&);

QString qt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}

}  // namespace

void StudioWindow::buildDesignerMenu() {
    QMenu* menu = menuBar()->addMenu(tr("D&esigner"));
    QMenu* open = menu->addMenu(tr("&Open template"));
    // The library's templates are listed afresh each time: the designer adds new ones.
    connect(open, &QMenu::aboutToShow, this, [this, open] {
        open->clear();
        const QStringList names = designerTemplates();
        if (names.isEmpty()) {
            open->addAction(tr("(no templates)"))->setEnabled(false);
        }
        for (const QString& name : names) {
            open->addAction(name, this, [this, name] { openDesigner(name); });
        }
    });
    menu->addAction(tr("&New template..."), this, [this] { openDesigner(QString()); });
    menu->addSeparator();
    menu->addAction(tr("&Preview template..."), this, &StudioWindow::previewDesign);
}

QStringList StudioWindow::designerTemplates() const {
    auto list = reinterpret_cast<ModuleImages>(module_.exported(kGetModuleImages));
    QStringList names;
    Tvx_StringArray templates;
    if (list != nullptr && list(templates)) {
        for (const Tvx_String& name : templates) {
            names.append(qt(name));
        }
    }
    return names;
}

void StudioWindow::openDesigner(const QString& name) {
    auto launcher = reinterpret_cast<DesignerLauncher>(module_.exported(kStartDlgDesigner));
    auto root = reinterpret_cast<RootFolder>(module_.exported(kGetDesignerRootFolder));
    if (launcher == nullptr || root == nullptr) {
        return missing(QStringLiteral("StartDlgDesigner"));
    }
    const Tvx_String path = name.isEmpty()
                                ? Tvx_String()
                                : root() + Tvx_String(name.toStdWString()) + Tvx_String(L".txt");
    const bool ok = launcher(path);
    if (!name.isEmpty()) {
        lastTemplate_ = name;
    }
    report(QStringLiteral("StartDlgDesigner"), ok,
           name.isEmpty() ? tr("new template") : tr("template %1").arg(name));
}

void StudioWindow::previewDesign() {
    auto launcher = reinterpret_cast<DesignerLauncher>(module_.exported(kStartDlgDesignerPreview));
    if (launcher == nullptr) {
        return missing(QStringLiteral("StartDlgDesignerPreview"));
    }
    const QStringList names = designerTemplates();
    if (names.isEmpty()) {
        statusBar()->showMessage(tr("The library has no designer templates yet."), 5000);
        return;
    }
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        this, tr("Preview template"), tr("Template:"), names,
        std::max(0, static_cast<int>(names.indexOf(lastTemplate_))), false, &chosen);
    if (!chosen) {
        return;
    }
    lastTemplate_ = name;
    report(QStringLiteral("StartDlgDesignerPreview"), launcher(Tvx_String(name.toStdWString())),
           tr("template %1").arg(name));
}
