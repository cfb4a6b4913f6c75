// CTabMacroMapping.h - the standards-mapping tab of the macro settings: the list of standards
// sheets with what each maps to (entire macro or a module), and for an entire-macro row the
// detail grid binding each Input and Output variable of the sheet to a macro object. The
// decisions are MappingTabModel's; this page shows its rows and hands it what the user did.
#pragma once

#include <QWidget>

#include "macrodlg/edit/MappingTabModel.h"
#include "spread/Tvx_Spread.h"
#include "ui/grid/QtGridHost.h"

class OvDialog;
class QPushButton;

class CTabMacroMapping : public QWidget {
    Q_OBJECT

  public:
    static constexpr int IDD = 8720;
    enum ControlId : int {
        kListLabel = 1440,
        kList = 1441,
        kDown = 1442,
        kUp = 1443,
        kDetailLabel = 1444,
        kDetail = 1196,
        kInsert = 1088,
        kRemove = 1089,
    };
    // List columns and detail columns.
    static constexpr int kSheetCol = 1;
    static constexpr int kMapsToCol = 2;
    static constexpr int kTypeCol = 1;
    static constexpr int kNameCol = 2;
    static constexpr int kObjectCol = 3;

    // Registers its controls with `owner` (the settings dialog) under their ids.
    CTabMacroMapping(OvDialog* owner, TabMappingData& data, QWidget* parent);
    ~CTabMacroMapping() override;

    // Fills the list and shows row 1's detail; does nothing without a macro.
    void initialise();
    // As on OK: the list, then the detail shown. False (message shown) when the detail could
    // not be stored; the dialog then stays open.
    bool store();

    // What the user does, also for scripted tests: a row made current (1-based), a list cell or
    // a detail choice changed, the buttons.
    void selectRow(int row);
    void onListCellChanged();
    bool setDetailChoice(int detailRow, const Tvx_String& text);
    void onButton(int id);

    int currentRow() const { return currentRow_; }
    bool modified() const { return model_ != nullptr && model_->modified(); }
    MappingTabModel* model() const { return model_.get(); }
    Tvx_Spread& listGrid() { return list_; }
    Tvx_Spread& detailGrid() { return detail_; }
    // The detail grid's view (null before the tab is shown), for opening a cell's editor.
    ovui::grid::OvSpreadView* detailView() const { return host_.view(kDetail); }

  private:
    void fillList();
    Tvx_Array<MappingListRow> readList() const;
    void showDetail();
    void collectDetail();
    bool storeDetail();
    void connectViews();

    OvDialog* owner_;
    TabMappingData& data_;
    std::unique_ptr<MappingTabModel> model_;
    ovui::grid::QtGridHost host_;
    Tvx_Spread list_;
    Tvx_Spread detail_;
    int currentRow_ = 0;
    bool filling_ = false;
};
