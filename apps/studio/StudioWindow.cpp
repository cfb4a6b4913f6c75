// StudioWindow.cpp - the studio's main window.
#include "StudioWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include "CommandLinePane.h"
#include "SampleRecords.h"

StudioWindow::StudioWindow(QWidget* parent)
    : QMainWindow(parent), commandLine_(new CommandLinePane(this)) {
    setWindowTitle(tr("ovss studio"));
    auto* centre = new QLabel(tr("Drawing area\n\nOpen a dialog from the Dialogs menu."), this);
    centre->setAlignment(Qt::AlignCenter);
    centre->setStyleSheet(QStringLiteral("background: #20242a; color: #c8ccd2;"));
    setCentralWidget(centre);

    auto* commandDock = new QDockWidget(tr("Command line"), this);
    commandDock->setObjectName(QStringLiteral("commandLine"));
    commandDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    commandDock->setWidget(commandLine_);
    addDockWidget(Qt::BottomDockWidgetArea, commandDock);

    buildDockArea();
    buildMenus();
    cis2_ = studio::sampleCis2Record();
    grid_ = studio::sampleGridRecord();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                             QStringLiteral("/samples");
    selectImage_ = studio::sampleSelectImageRecord(pictures);
    resize(1000, 700);
}

StudioWindow::~StudioWindow() {
    // The module must not print into a pane that no longer exists.
    if (commandLineInstalled_) {
        if (auto setter = module_.commandLineSetter()) {
            setter(previousCommandLine_);
        }
    }
}

bool StudioWindow::loadModule(const QString& path) {
    commandLine_->appendText(tr("Loading %1\n").arg(path));
    // The command line goes in before the initialisation message so that its output shows.
    if (module_.load(path)) {
        if (auto setter = module_.commandLineSetter()) {
            previousCommandLine_ = setter(commandLine_);
            commandLineInstalled_ = true;
        }
    }
    if (!module_.isLoaded() || !module_.initialise()) {
        commandLine_->appendText(tr("The module could not be loaded: %1\n").arg(module_.error()));
        statusBar()->showMessage(tr("No module loaded"));
        return false;
    }
    commandLine_->appendText(tr("Module loaded and initialised.\nCommand: "));
    statusBar()->showMessage(tr("Module: %1").arg(path));
    return true;
}

void StudioWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("E&xit"), QKeySequence::Quit, this, &QWidget::close);
    buildDrawingMenu(file);

    QMenu* dialogs = menuBar()->addMenu(tr("&Dialogs"));
    dialogs->addAction(tr("&CIS/2 options..."), this, &StudioWindow::openCis2);
    dialogs->addAction(tr("&Grid..."), this, &StudioWindow::openGrid);
    dialogs->addAction(tr("&Select image..."), this, &StudioWindow::openSelectImage);
    buildOtherDialogsMenu();
    buildSpreadsheetMenu();
    buildDesignerMenu();
    buildSectionLibraryMenu();
    buildMacroDetailMenu();
    buildMacroEditMenu();
    buildSheetsManagerMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About"), this, [this] {
        QMessageBox::about(this, tr("About ovss studio"),
                           tr("A small host for the ovss module: it loads libovss.so and opens "
                              "its dialogs on sample records."));
    });
}

void StudioWindow::buildDockArea() {
    // The module's dock bar (the sheets manager) docks here once it exists.
    auto* dock = new QDockWidget(tr("Dock bar"), this);
    dock->setObjectName(QStringLiteral("dockBar"));
    auto* placeholder = new QLabel(tr("The module's dock bar\nappears here."), dock);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setMinimumWidth(220);
    dock->setWidget(placeholder);
    addDockWidget(Qt::RightDockWidgetArea, dock);
}

void StudioWindow::report(const QString& launcher, bool confirmed, const QString& record) {
    commandLine_->appendText(
        QStringLiteral("%1 -> %2: %3\nCommand: ")
            .arg(launcher, confirmed ? QStringLiteral("OK") : QStringLiteral("cancelled"), record));
}

void StudioWindow::missing(const QString& launcher) {
    commandLine_->appendText(tr("The module does not export %1.\nCommand: ").arg(launcher));
}

void StudioWindow::openCis2() {
    const auto launcher = module_.cis2Launcher();
    if (launcher == nullptr) {
        return missing(QStringLiteral("StartDlgCis2Info"));
    }
    const bool ok = launcher(cis2_);
    report(QStringLiteral("StartDlgCis2Info"), ok, studio::describe(cis2_));
}

void StudioWindow::openGrid() {
    const auto launcher = module_.gridLauncher();
    if (launcher == nullptr) {
        return missing(QStringLiteral("StartDlgGrid"));
    }
    const bool ok = launcher(grid_);
    report(QStringLiteral("StartDlgGrid"), ok, studio::describe(grid_));
}

void StudioWindow::openSelectImage() {
    const auto launcher = module_.selectImageLauncher();
    if (launcher == nullptr) {
        return missing(QStringLiteral("StartDlgSelectImage"));
    }
    const bool ok = launcher(selectImage_);
    report(QStringLiteral("StartDlgSelectImage"), ok, studio::describe(selectImage_));
}

void StudioWindow::closeEvent(QCloseEvent* event) {
    module_.unload();
    event->accept();
}
