// Tvx_DlgCSP2.h - the cutting-stock dialog: a combo of named sets and, for the set shown, three
// grids of rows (stock on hand, purchase, required parts); rows are added and removed, the stock
// and purchase grids are loaded from and saved to the set's files, and the newest files of all
// sets are listed.
#pragma once

#include "dialogs/cuttingstock/DlgCSP2Data.h"
#include "ui/OvDialog.h"

class QTableWidget;

class Tvx_DlgCSP2 : public OvDialog {
    Q_OBJECT

  public:
    static constexpr const wchar_t* kSizeKey = L"DLG_OPTIMIZECSP2";
    // Control ids.
    static constexpr int kSetCombo = 9036;
    static constexpr int kAddSet = 8590;
    static constexpr int kRemoveSet = 8591;
    static constexpr int kList = 8592;
    static constexpr int kAskNames = 9074;
    static constexpr int kGrids[DlgCSP2Data::kTableCount] = {1321, 1322, 1323};
    static constexpr int kAddRow[DlgCSP2Data::kTableCount] = {8601, 8606, 8608};
    static constexpr int kDeleteRows[DlgCSP2Data::kTableCount] = {8605, 8607, 8609};
    static constexpr int kLoadStock = 8600;
    static constexpr int kLoadPurchase = 8603;
    static constexpr int kSaveStock = 8602;
    static constexpr int kSavePurchase = 8604;
    static constexpr int kSetLabel = 9035;
    static constexpr int kStockLabel = 9037;
    static constexpr int kStockHint = 9038;
    static constexpr int kPurchaseLabel = 9041;
    static constexpr int kPartsLabel = 9043;

    explicit Tvx_DlgCSP2(QWidget* parent = nullptr);

    DlgCSP2Data& data() { return m_data; }
    int currentSet() const { return m_currentSet; }
    QTableWidget* grid(int table) const;

    // Loads / saves grid `table` (0 or 1) from / to a file with `extension`; an extension of
    // other than 3 characters does nothing.
    void loadGrid(int table, const Tvx_String& extension);
    void saveGrid(int table, const Tvx_String& extension);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void showSet();
    void storeSet();
    void fillCombo();
    void OnSelectSet();
    void OnAddSet();
    void OnRemoveSet();
    void OnAddRow(int table);
    void OnDeleteRows(int table);
    void OnList();
    Tvx_String currentFolder();
    Tvx_Array<Tvx_StringArray> gridRows(int table) const;
    void setGridRows(int table, const Tvx_Array<Tvx_StringArray>& rows);
    bool saveRows(const Tvx_String& setName, const Tvx_Array<Tvx_StringArray>& rows,
                  const Tvx_String& extension, bool ask);

    DlgCSP2Data m_data;
    int m_currentSet = -1;
};
