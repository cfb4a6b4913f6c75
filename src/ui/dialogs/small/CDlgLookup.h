// CDlgLookup.h - the lookup dialog: a filter line over a list of values; the user chooses one
// (double-click or OK). OK is enabled only while a value is selected.
#pragma once

#include "dialogs/small/OvLookUpDlgData.h"
#include "ui/OvDialog.h"

class QListWidget;

class CDlgLookup : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kFilter = 1601;
    static constexpr int kList = 1602;
    static constexpr int kFilterLabel = 1603;

    explicit CDlgLookup(QWidget* parent = nullptr);

    OvLookUpDlgData& data() { return m_data; }
    QListWidget* list() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void showValues();

    OvLookUpDlgData m_data;
};
