// CDlgEditMacro.h - the macro editor: a macro definition's constraints, geometries, variables
// (with dimension values and equations) and commands on four pages, the module shown chosen in
// a combo, and the macro settings dialog one button away. Edits of every module visited are
// kept and written to the drawing on OK only, all or nothing. Runs modal or as the one
// modeless editor (MacroEditLaunchers.h).
#pragma once

#include <map>
#include <string>

#include "macrodlg/edit/EditConstrData.h"
#include "macrodlg/edit/MacroEditContent.h"
#include "ui/OvDialog.h"

class QComboBox;
class QPlainTextEdit;
class QTabWidget;
class TextTablePage;

class CDlgEditMacro : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 8715;
    enum ControlId : int {
        kOtherMacro = 1079,
        kModules = 1088,
        kRemoveRow = 1089,
        kAddRow = 1090,
        kSettings = 1137,
        kCheck = 1183,
        kReload = 1320,
        kTabs = 8097,
    };
    enum Page : int { kConstraints, kGeometries, kVariables, kCommands };

    explicit CDlgEditMacro(QWidget* parent = nullptr);
    ~CDlgEditMacro() override;

    EditConstrData& data() { return data_; }
    void setModeless(bool modeless) { modeless_ = modeless; }
    bool isModeless() const { return modeless_; }
    bool initModeless() { return OnInitDialog(); }

    QTabWidget* tabs() const { return tabs_; }
    TextTablePage* page(Page page) const;
    TextTablePage* dimensionValuesTable() const { return dimensionValues_; }
    QPlainTextEdit* equations() const { return equations_; }
    void selectModule(const Tvx_String& module);
    void showPage(Page page);
    // What the settings button does; its dialog is scripted in tests with uitest::drive.
    void OnSettings();
    void OnOtherMacro();
    // Ends the modeless editor: sizes saved, window gone once its handlers returned.
    void closeModeless();

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;

  private:
    void buildControls();
    void refill();
    void showContent(const MacroEditContent& content);
    void storePages();
    // Every module's edits; false with the first problem shown.
    bool writeAll(bool checkOnly);
    TextTablePage* currentTable() const;

    EditConstrData data_;
    bool modeless_ = false;
    QComboBox* modules_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    TextTablePage* constraints_ = nullptr;
    TextTablePage* geometries_ = nullptr;
    TextTablePage* variables_ = nullptr;
    TextTablePage* dimensionValues_ = nullptr;
    QPlainTextEdit* equations_ = nullptr;
    TextTablePage* commands_ = nullptr;
    // Edits by module name; the macro-wide parts (variables, equations, commands) are the
    // current ones.
    std::map<std::wstring, MacroEditContent> edits_;
    Tvx_String shownModule_;
    bool filling_ = false;
};
