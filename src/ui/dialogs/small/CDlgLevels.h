// CDlgLevels.h - the levels dialog: a table of named elevations (name, elevation in mm) with
// rows added and deleted; OK refuses a level without a name or with an elevation that is not a
// number.
#pragma once

#include "dialogs/small/OvLevelsDlgData.h"
#include "ui/OvDialog.h"

class QTableWidget;

class CDlgLevels : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTable = 1581;
    static constexpr int kAdd = 1582;
    static constexpr int kDelete = 1583;

    explicit CDlgLevels(QWidget* parent = nullptr);

    OvLevelsDlgData& data() { return m_data; }
    QTableWidget* table() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void addRow(const Tvx_String& name, const Tvx_String& elevation);
    void refuse(int row, int column, const Tvx_String& text);

    OvLevelsDlgData m_data;
};
