// CDlgSSSettings.h - the spreadsheet editor's language choice (template 247): a combo box of the
// editor's languages; the caller passes the selected index in (-1 = none) and reads it after OK.
#pragma once

#include "ui/OvDialog.h"

class CDlgSSSettings : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 247;
    static constexpr int kLanguageCombo = 1398;
    static constexpr int kLanguageLabel = 1399;

    explicit CDlgSSSettings(QWidget* parent = nullptr);

    // The selected language: 0 Nederlands, 1 English, 2 Français; -1 for none.
    int& data() { return m_selected; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    int m_selected = -1;
};

// Shows the language choice on `selected`; true (index updated) on OK.
bool StartDlgSSSettings(int& selected);
