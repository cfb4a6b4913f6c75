// CTabLibValues.h - the values page of the library editor (dialog 8716): one section type at a
// time, its shape and its table of sections in a grid. Saving, deleting and renaming act on the
// type's ".pr" file at once; leaving a changed type asks whether to save it.
#pragma once

#include "core/sections/SectionLibrary.h"
#include "seclib/Tvx_ProfValuesTable.h"
#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class CTabLibValues : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 8716;
    static constexpr int kType = 1248;
    static constexpr int kShape = 1202;
    static constexpr int kGrid = 1196;
    static constexpr int kNewType = 1189;
    static constexpr int kDeleteType = 1190;
    static constexpr int kCaptions = 1200;
    static constexpr int kRenameType = 1201;
    static constexpr int kShapeLabel = 1203;
    static constexpr int kCopy = 1199;
    static constexpr int kPaste = 1198;
    static constexpr int kInsertRow = 1204;
    static constexpr int kDeleteRow = 1205;
    static constexpr int kRowUp = 1206;
    static constexpr int kRowDown = 1207;
    static constexpr int kFind = 1208;

    CTabLibValues(DlgEditLibData& data, QWidget* editor);
    ~CTabLibValues() override;

    // Creates the grid and loads the type of `sectionName` (the part before "-"), else the
    // first type; the section's row becomes current.
    void initPage(const Tvx_String& sectionName);

    // The save question for a changed type; false when the user cancels.
    bool saveQuestion();
    bool saveType();
    bool isChanged() const;
    void selectType(int index);

    const Tvx_StringArray& types() const { return m_types; }
    int currentType() const { return m_current; }
    Tvx_String currentTypeName() const;
    Tvx_Spread& grid() { return m_grid; }

  protected:
    void OnOK() override {}
    void OnCancel() override;

  private:
    void fillTypeCombo();
    void fillShapeCombo();
    void loadType();
    void showTable(const Tvx_ProfValuesTable& table);
    void onTypeChosen(int index);
    void onNewType();
    void onDeleteType();
    void onRenameType();
    void onCaptions();
    void onShapeChanged();
    void renewHeaders(bool byUser);
    void onCellEdited(int col, int row);
    void refuseNonNumericPaste();
    void takeSnapshot();
    int firstValueColumn() const;
    int currentRow() const;
    void setCurrentRow(int row);
    void rowCommand(int id);

    DlgEditLibData& m_data;
    QWidget* editor_;
    ovui::grid::QtGridHost m_host;
    Tvx_Spread m_grid;
    Tvx_StringArray m_types;
    int m_current = -1;
    bool m_filling = false;
    // The grid's texts as last accepted, to put back a refused edit.
    Tvx_Array<Tvx_StringArray> m_snapshot;
};
