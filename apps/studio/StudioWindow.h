// StudioWindow.h - the studio's main window, standing in for the host's main frame: a menu that
// opens the module's dialogs on sample records, the command line at the bottom and a dock area
// on the right for the module's dock bar.
#pragma once

#include <QMainWindow>

#include "ModuleLibrary.h"
#include "dialogs/OvDlgCis2Data.h"
#include "dialogs/OvGridDlgData.h"
#include "dialogs/OvSelectImageDlgData.h"
#include "spread/OvAutoStandardsData.h"
#include "spread/OvSSOptionsData.h"

class CommandLinePane;
class QMenu;
class QTreeWidget;

class StudioWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit StudioWindow(QWidget* parent = nullptr);
    ~StudioWindow() override;

    // Loads the module; reports on the command line either way.
    bool loadModule(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildDockArea();
    void openCis2();
    void openGrid();
    void openSelectImage();
    // The spreadsheet dialogs (SpreadsheetMenu.cpp).
    void buildSpreadsheetMenu();
    void openFormulas();
    void openDockedFormulas();
    void openCaptions();
    void openLanguage();
    void openGenVars();
    void openMenuGrid();
    // The dialog designer (DesignerMenu.cpp).
    void buildDesignerMenu();
    QStringList designerTemplates() const;
    void openDesigner(const QString& name);
    void previewDesign();
    // The sheets manager and the sample drawing (SheetsManagerMenu.cpp).
    void buildSheetsManagerMenu();
    // The section library editors and the section choice (SectionLibraryMenu.cpp).
    void buildSectionLibraryMenu();
    // The macro detail dialogs (MacroDetailMenu.cpp).
    void buildMacroDetailMenu();
    // The other dialogs, grouped by what they serve (OtherDialogsMenu.cpp).
    void buildOtherDialogsMenu();
    // The macro editor on the drawing's macros and the macro choice (MacroEditMenu.cpp).
    void buildMacroEditMenu();
    // The drawing and its macro dialogs (DrawingMenu.cpp).
  public:
    bool openDrawing(const QString& path);
    int openMacroDialog(int index);
    bool saveDrawing();
    QTreeWidget* drawingView() const { return drawingView_; }

  private:
    void buildDrawingMenu(QMenu* file);
    void showDrawingMacros();
    void selectDrawingMacros();
    void report(const QString& launcher, bool confirmed, const QString& record);
    void missing(const QString& launcher);

    ModuleLibrary module_;
    CommandLinePane* commandLine_;
    HostCommandLine* previousCommandLine_ = nullptr;
    bool commandLineInstalled_ = false;
    OvDlgCis2Data cis2_;
    OvGridDlgData grid_;
    OvSelectImageDlgData selectImage_;
    OvAutoStandardsData genVars_;
    OvSSOptionsData captions_;
    int language_ = 1;
    QString lastTemplate_;
    QTreeWidget* drawingView_ = nullptr;
};
