// CDlgSSOptions.h - the column and row captions dialog (template 245): the number of columns and
// rows, the caption row height and caption column width, a one-row grid with one caption per
// column and a one-column grid with one caption per row. Captions typed so far survive a change
// of either count.
#pragma once

#include "spread/OvSSOptionsData.h"
#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class CDlgSSOptions : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 245;
    static constexpr int kColCaptionsGrid = 1025;
    static constexpr int kRowCaptionsGrid = 1002;
    static constexpr int kColCountLabel = 1016;
    static constexpr int kColCount = 1017;
    static constexpr int kRowCountLabel = 1018;
    static constexpr int kRowCount = 1019;
    static constexpr int kRowHeightLabel = 1020;
    static constexpr int kRowHeight = 1021;
    static constexpr int kColWidthLabel = 1022;
    static constexpr int kColWidth = 1023;
    static constexpr int kColCaptionsLabel = 1026;
    static constexpr int kRowCaptionsLabel = 1027;
    // Counts beyond this are taken as this many: a typo must not build a million-cell grid.
    static constexpr int kMaxCount = 1000;

    explicit CDlgSSOptions(QWidget* parent = nullptr);
    ~CDlgSSOptions() override;

    OvSSOptionsData& data() { return m_data; }
    Tvx_Spread& colGrid() { return m_colGrid; }
    Tvx_Spread& rowGrid() { return m_rowGrid; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    int countIn(int editId) const;
    // Keeps the captions shown in the grid as the edited ones, then shows `count` of them.
    void onColCountChanged();
    void onRowCountChanged();
    void keepColCaptions();
    void keepRowCaptions();
    void showColCaptions(int count);
    void showRowCaptions(int count);
    Tvx_String captionAt(const Tvx_StringArray& edited, const Tvx_StringArray& given, int i) const;

    OvSSOptionsData m_data;
    Tvx_StringArray m_editedColCaptions;
    Tvx_StringArray m_editedRowCaptions;
    ovui::grid::QtGridHost m_host;
    Tvx_Spread m_colGrid;
    Tvx_Spread m_rowGrid;
};
