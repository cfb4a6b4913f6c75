// SheetsManagerMenu.cpp - the studio's "Tools > Sheets manager": the sheets manager docked for the
// sample drawing; File > Save saves that drawing (its sheets' formats change with "Change format").
// Sheet names dragged out of the palette can be dropped on the drawing area and the command line.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <memory>

#include "CommandLinePane.h"
#include "StudioWindow.h"
#include "core/Tvx_Settings.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/sheets/OvSheetsMgrDlgData.h"

namespace {

constexpr const char* kStartSheetsMgr = "_Z25StartModelessDlgSheetsMgrRK18OvSheetsMgrDlgData";
constexpr const char* kSetHostMainWindow = "_Z17setHostMainWindowPv";

// The drawing the palette shows; open for the studio's life once loaded.
std::shared_ptr<Tvx_Drawing> gDrawing;
Tvx_String gDrawingPath;

// Takes dropped names (plain text, ";" between names) and reports them.
class NameDropTarget : public QObject {
  public:
    NameDropTarget(QWidget* target, CommandLinePane* commandLine)
        : QObject(target), commandLine_(commandLine) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasText()) {
                drag->acceptProposedAction();
                return true;
            }
            return false;
        }
        if (event->type() != QEvent::Drop) {
            return false;
        }
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasText()) {
            return false;
        }
        const QStringList names = drop->mimeData()->text().split(u';', Qt::SkipEmptyParts);
        if (auto* label = qobject_cast<QLabel*>(watched)) {
            label->setText(QObject::tr("Drawing area\n\nDropped:\n%1").arg(names.join(u'\n')));
        }
        commandLine_->appendText(QObject::tr("\nDropped: %1\nCommand: ").arg(names.join(u';')));
        drop->acceptProposedAction();
        return true;
    }

  private:
    CommandLinePane* commandLine_;
};

}  // namespace

void StudioWindow::buildSheetsManagerMenu() {
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(tr("&Sheets manager"), this, [this] {
        auto setFrame = reinterpret_cast<void (*)(void*)>(module_.exported(kSetHostMainWindow));
        auto start = reinterpret_cast<bool (*)(const OvSheetsMgrDlgData&)>(
            module_.exported(kStartSheetsMgr));
        if (setFrame == nullptr || start == nullptr) {
            return missing(QStringLiteral("StartModelessDlgSheetsMgr"));
        }
        if (!gDrawing) {
            auto drawing = std::make_shared<Tvx_Drawing>();
            Tvx_String error;
            gDrawingPath = gSettings.libDir + L"Drawings\\sample.json";
            if (!drawing->loadFromFile(gDrawingPath, error)) {
                commandLine_->appendText(QString::fromStdWString(error.wstr()) +
                                         QStringLiteral("\nCommand: "));
                return;
            }
            gDrawing = drawing;
        }
        setFrame(static_cast<QWidget*>(this));
        report(QStringLiteral("StartModelessDlgSheetsMgr"), start(OvSheetsMgrDlgData(gDrawing)),
               tr("%1 sheets of the sample drawing").arg(gDrawing->sheets().length()));
    });
    // File > Save saves the drawing, before File > Exit.
    QMenu* file = menuBar()->actions().isEmpty() ? nullptr : menuBar()->actions().first()->menu();
    auto* save = new QAction(tr("&Save"), this);
    save->setShortcut(QKeySequence::Save);
    if (file != nullptr) {
        file->insertAction(file->actions().isEmpty() ? nullptr : file->actions().first(), save);
    }
    connect(save, &QAction::triggered, this, [this] {
        if (!gDrawing) {
            statusBar()->showMessage(tr("No drawing is open"), 3000);
            return;
        }
        Tvx_String error;
        const bool saved = gDrawing->saveToFile(gDrawingPath, error);
        commandLine_->appendText(
            (saved ? tr("\nSaved %1\nCommand: ").arg(QString::fromStdWString(gDrawingPath.wstr()))
                   : QString::fromStdWString(error.wstr()) + QStringLiteral("\nCommand: ")));
    });
    new NameDropTarget(centralWidget(), commandLine_);
    new NameDropTarget(commandLine_->viewport(), commandLine_);
}
