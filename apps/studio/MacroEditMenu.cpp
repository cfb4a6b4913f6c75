// MacroEditMenu.cpp - the studio's "Macro" menu: the macro editor on the macro selected in the
// drawing list, modal or modeless (the sample drawing is opened first when no drawing is), and
// the macro choice over the sample library's macros. Everything goes through the module's
// exports, so the editor changes the module's own drawing; File > Save drawing keeps it.
#include <QMenuBar>
#include <QMessageBox>
#include <QTreeWidget>

#include "CommandLinePane.h"
#include "StudioWindow.h"
#include "core/Tvx_Settings.h"
#include "core/Tvx_String.h"

namespace {

using EditMacro = bool (*)(int, bool);
using SelectMacro = bool (*)(Tvx_String*);

}  // namespace

void StudioWindow::buildMacroEditMenu() {
    QMenu* menu = menuBar()->addMenu(tr("&Macro"));
    auto edit = [this](bool modeless) {
        auto start = reinterpret_cast<EditMacro>(module_.exported("ovssEditMacro"));
        if (start == nullptr) {
            missing(QStringLiteral("ovssEditMacro"));
            return;
        }
        if (drawingView_ == nullptr) {
            const Tvx_String sample = gSettings.libDir + L"Drawings\\sample.json";
            if (openDrawing(QString::fromStdWString(sample.wstr())) &&
                drawingView_->topLevelItemCount() > 0) {
                drawingView_->setCurrentItem(drawingView_->topLevelItem(0));
            }
        }
        QTreeWidgetItem* item = drawingView_ != nullptr ? drawingView_->currentItem() : nullptr;
        if (item == nullptr) {
            QMessageBox::information(this, tr("Edit macro"),
                                     tr("Select a macro in the drawing list first."));
            return;
        }
        const int index = item->data(0, Qt::UserRole).toInt();
        const bool done = start(index, modeless);
        commandLine_->appendText(
            modeless ? (done ? tr("Macro editor opened\n")
                             : tr("The macro editor could not be opened\n"))
                     : (done ? tr("Macro editor: OK\n") : tr("Macro editor: cancelled\n")));
    };
    menu->addAction(tr("&Edit macro..."), this, [edit] { edit(false); });
    menu->addAction(tr("Edit macro (&modeless)..."), this, [edit] { edit(true); });
    menu->addAction(tr("&Select macro..."), this, [this] {
        auto select = reinterpret_cast<SelectMacro>(module_.exported("ovssSelectSampleMacro"));
        if (select == nullptr) {
            missing(QStringLiteral("ovssSelectSampleMacro"));
            return;
        }
        Tvx_String chosen;
        const bool done = select(&chosen);
        commandLine_->appendText(
            done ? tr("Macro chosen: %1\n").arg(QString::fromStdWString(chosen.wstr()))
                 : tr("Select macro: cancelled\n"));
    });
}
