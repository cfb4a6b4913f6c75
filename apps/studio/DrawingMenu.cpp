// DrawingMenu.cpp - the studio's drawing: File > Open drawing shows the macros of a drawing file
// in the drawing area (name, base profiles, modules); a double-click opens a macro's parameter
// dialog modeless, several at once; File > Save drawing writes the file atomically. Everything
// goes through the module's exports, so the dialogs edit the module's own drawing.
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTreeWidget>
#include <vector>

#include "CommandLinePane.h"
#include "DrawingListView.h"
#include "StudioWindow.h"
#include "core/Tvx_String.h"

namespace {

using OpenDrawing = bool (*)(const Tvx_String*, Tvx_String*);
using SaveDrawing = bool (*)(const Tvx_String*, Tvx_String*);
using MacroCount = int (*)();
using MacroRow = bool (*)(int, Tvx_String*, Tvx_String*, Tvx_String*);
using OpenMacroDialog = int (*)(int);
using SelectMacros = int (*)(const int*, int);

QString qt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}

Tvx_String ovss(const QString& text) {
    return Tvx_String(text.toStdWString());
}

}  // namespace

void StudioWindow::buildDrawingMenu(QMenu* file) {
    QAction* first = file->actions().value(0);
    auto* open = new QAction(tr("&Open drawing..."), file);
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] {
        const QString start = QString::fromLocal8Bit(qgetenv("OVSS_LIBDIR"));
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Open drawing"), start, tr("Drawings (*.json)"));
        if (!path.isEmpty()) {
            openDrawing(path);
        }
    });
    auto* save = new QAction(tr("&Save drawing"), file);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { saveDrawing(); });
    file->insertActions(first, {open, save});
    file->insertSeparator(first);
}

bool StudioWindow::openDrawing(const QString& path) {
    auto open = reinterpret_cast<OpenDrawing>(module_.exported("ovssOpenDrawing"));
    if (open == nullptr) {
        missing(QStringLiteral("ovssOpenDrawing"));
        return false;
    }
    Tvx_String error;
    const Tvx_String file = ovss(path);
    if (!open(&file, &error)) {
        commandLine_->appendText(tr("The drawing %1 cannot be read: %2\n").arg(path, qt(error)));
        QMessageBox::warning(this, tr("Open drawing"),
                             tr("The drawing cannot be read:\n%1").arg(qt(error)));
        return false;
    }
    showDrawingMacros();
    statusBar()->showMessage(tr("Drawing: %1").arg(path));
    commandLine_->appendText(tr("Opened the drawing %1\n").arg(path));
    return true;
}

void StudioWindow::showDrawingMacros() {
    auto count = reinterpret_cast<MacroCount>(module_.exported("ovssDrawingMacroCount"));
    auto row = reinterpret_cast<MacroRow>(module_.exported("ovssDrawingMacroRow"));
    if (count == nullptr || row == nullptr) {
        return;
    }
    if (drawingView_ == nullptr) {
        drawingView_ = new DrawingListView(this);
        drawingView_->setRootIsDecorated(false);
        drawingView_->setAlternatingRowColors(true);
        drawingView_->setHeaderLabels({tr("Macro"), tr("Base profiles"), tr("Modules")});
        drawingView_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        connect(drawingView_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
            openMacroDialog(item->data(0, Qt::UserRole).toInt());
        });
        connect(drawingView_, &QTreeWidget::itemSelectionChanged, this,
                [this] { selectDrawingMacros(); });
        setCentralWidget(drawingView_);
    }
    drawingView_->clear();
    for (int i = 0; i < count(); ++i) {
        Tvx_String name, profiles, modules;
        if (row(i, &name, &profiles, &modules)) {
            auto* item = new QTreeWidgetItem(drawingView_, {qt(name), qt(profiles), qt(modules)});
            item->setData(0, Qt::UserRole, i);
        }
    }
}

// The selected rows become the host's pick-first selection inside the module.
void StudioWindow::selectDrawingMacros() {
    auto select = reinterpret_cast<SelectMacros>(module_.exported("ovssSelectDrawingMacros"));
    if (select == nullptr || drawingView_ == nullptr) {
        return;
    }
    std::vector<int> indices;
    for (const QTreeWidgetItem* item : drawingView_->selectedItems()) {
        indices.push_back(item->data(0, Qt::UserRole).toInt());
    }
    select(indices.data(), static_cast<int>(indices.size()));
}

int StudioWindow::openMacroDialog(int index) {
    auto open = reinterpret_cast<OpenMacroDialog>(module_.exported("ovssOpenMacroDialog"));
    if (open == nullptr) {
        missing(QStringLiteral("ovssOpenMacroDialog"));
        return -1;
    }
    const int slot = open(index);
    commandLine_->appendText(slot >= 0 ? tr("Macro dialog opened in slot %1\n").arg(slot)
                                       : tr("The macro dialog could not be opened\n"));
    return slot;
}

bool StudioWindow::saveDrawing() {
    auto save = reinterpret_cast<SaveDrawing>(module_.exported("ovssSaveDrawing"));
    if (save == nullptr) {
        missing(QStringLiteral("ovssSaveDrawing"));
        return false;
    }
    Tvx_String error;
    const Tvx_String sameFile;
    if (!save(&sameFile, &error)) {
        QMessageBox::warning(this, tr("Save drawing"),
                             tr("The drawing was not written:\n%1").arg(qt(error)));
        return false;
    }
    commandLine_->appendText(tr("Drawing saved.\n"));
    return true;
}
