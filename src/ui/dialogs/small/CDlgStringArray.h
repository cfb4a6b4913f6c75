// CDlgStringArray.h - the string-array grid: rows of texts under given column names, optionally
// with rows added and deleted; startGridDialog shows it.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_StringArray.h"
#include "ui/OvDialog.h"

class QTableWidget;

class CDlgStringArray : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTable = 1621;
    static constexpr int kAdd = 1622;
    static constexpr int kDelete = 1623;

    CDlgStringArray(const Tvx_StringArray& columnNames, const Tvx_StringArray& rowNames,
                    bool canAddRows, const Tvx_String& sizeKey, const Tvx_String& title,
                    QWidget* parent = nullptr);

    Tvx_Array<Tvx_StringArray>& rows() { return m_rows; }
    QTableWidget* table() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void numberRows();

    Tvx_StringArray m_columns;
    Tvx_StringArray m_rowNames;
    bool m_canAddRows;
    Tvx_String m_sizeKey;
    Tvx_String m_title;
    Tvx_Array<Tvx_StringArray> m_rows;
};
