// CDlgMacroSettings.h - the macro settings dialog: the macro's axis and section filters,
// property filters, variables, variable groups and the standards mapping, each on a tab. It
// works on its own MacroSettingsData; the caller writes it to the macro only after OK.
#pragma once

#include "macrodlg/edit/MacroSettingsData.h"
#include "ui/OvDialog.h"

class QTabWidget;
class TextTablePage;
class CTabMacroMapping;

class CDlgMacroSettings : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 8141;
    static constexpr int kTabs = 8143;
    enum Page : int { kFilter, kFilter2, kFilterProps, kVariables, kGroups, kMapping };

    explicit CDlgMacroSettings(QWidget* parent = nullptr);
    ~CDlgMacroSettings() override;

    MacroSettingsData& data() { return data_; }
    QTabWidget* tabs() const { return tabs_; }
    TextTablePage* tablePage(Page page) const;
    CTabMacroMapping* mappingTab() const { return mapping_; }
    void showPage(Page page);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    // Remembers the size under "DLG_MACRO_SETTINGS", after OK and Cancel alike.
    void OnDestroy() override;

  private:
    MacroSettingsData data_;
    QTabWidget* tabs_ = nullptr;
    TextTablePage* pages_[5] = {};
    CTabMacroMapping* mapping_ = nullptr;
};
