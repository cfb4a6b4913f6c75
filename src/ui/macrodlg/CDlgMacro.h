// CDlgMacro.h - the macro parameter dialog: one page per tab of a MacroData record (a designed
// page with the grid of the variables its image does not place, or a profile page), the command
// buttons (other macros, views, load from standards, property files, re-apply, clash check) and
// the group and second selectors. Every edit goes to the drawing at once. The dialog runs modal
// (dialogId -1) or modeless in a slot of the registry (CDlgMacroLaunchers.cpp).
#pragma once

#include <QPointer>
#include <vector>

#include "core/macro/MacroData.h"
#include "ui/OvDialog.h"

class CMacroPage;
class QTabWidget;

class CDlgMacro : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 8131;
    enum ControlId : int {
        kTabs = 8097,
        kSelectOther = 1176,
        kGroupCombo = 1177,
        kSecondCombo = 1178,
        kGroupLabel = 1179,
        kSecondLabel = 1180,
        kViewDefault = 1181,
        kView0 = 1182,
        kView1 = 1183,
        kView2 = 1184,
        kLoadStandards = 1185,
        kClashCheck = 1292,
        kReApply = 1293,
        kLoadProps = 1299,
        kSaveProps = 1302,
    };

    explicit CDlgMacro(int dialogId = -1, QWidget* parent = nullptr);
    ~CDlgMacro() override;

    // Initialises a modeless dialog (a modal one initialises in DoModal).
    bool initModeless();

    MacroData& data() { return data_; }
    const MacroData& data() const { return data_; }
    int dialogId() const { return dialogId_; }
    Tvx_String sizeKey() const;

    QTabWidget* tabs() const { return tabs_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    CMacroPage* page(int index) const;
    int currentPage() const;
    void selectPage(int index);

    // Apply of a page: `edited` is its tab with the values read from its controls. A refused
    // value is explained in a message box and the page shows the record's values again.
    void applyTab(int tabIndex, const MacroTabData& edited);
    // Rebuilds every page from the record (after the record was filled anew).
    void rebuildPages();
    void refreshAllPages();
    // Sets the window to the size its pages want (after the first resize).
    void fitWindow();
    // The close of the close button: view back, closed flag, end (modal) or registry end.
    void closeDialog();
    // The registry's destruction of a modeless window: size written, clash info dropped.
    void OnDestroyPublic() { OnDestroy(); }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createControls();
    void buildPages();
    void fillCombos();
    void onGroupChanged(bool group);
    void onSelectOtherMacros();
    void onView(int direction);
    void onLoadFromStandards();
    void onLoadPropertyFile();
    void onSavePropertyFile();
    void onReApply();
    void runClashCheck();

    int dialogId_;
    MacroData data_;
    QTabWidget* tabs_ = nullptr;
    std::vector<QPointer<CMacroPage>> pages_;
    std::vector<int> pageKinds_;
    bool resized_ = false;
    bool shownOnce_ = false;
    bool destroyed_ = false;
    int minWidth_ = 50;
    int minHeight_ = 50;
};
