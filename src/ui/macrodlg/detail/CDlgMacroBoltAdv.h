// CDlgMacroBoltAdv.h - the bolt detail dialog (template 8140): assembly and diameter, the bolt
// texts, four three-state checks, the hole columns, the bolt entries (one shown at a time, chosen
// in a check list whose checks are the entries' active flags) and five option checks. OK refuses
// an active entry without a count and a spacing above 0; otherwise the owner page applies the
// data and the dialog ends.
#pragma once

#include <functional>

#include "core/Tvx_StringArray.h"
#include "core/macro/MacroRecords.h"
#include "ui/OvDialog.h"

class CCheckComboBox;
class OvTriStateCheckBox;
class QTableWidget;

class CDlgMacroBoltAdv : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 8140;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_BOLTADVANCED";
    static constexpr const wchar_t* kPicture = L"DrawBolt2.bmp";
    // Control ids.
    static constexpr int kPictureCtrl = 1178;
    static constexpr int kAssembly = 1091;
    static constexpr int kDiameter = 1092;
    static constexpr int kHoleOffset = 1103;
    static constexpr int kLength = 1102;
    static constexpr int kGrade = 1104;
    static constexpr int kStates[4] = {1110, 1116, 1115, 1095};
    static constexpr int kSlotted = 1343;
    static constexpr int kHoleGrid = 1196;
    static constexpr int kEntries = 1108;
    static constexpr int kEntryActive = 1120;
    static constexpr int kEntryCount = 1119;
    static constexpr int kEntrySpacing = 1118;
    static constexpr int kEntryEdge = 1022;
    static constexpr int kEntryGauge = 1125;
    static constexpr int kEntrySide = 1126;
    static constexpr int kOptions[5] = {1111, 1112, 1113, 1117, 1121};

    // Called on a valid OK with the edited data; the owner applies it and may change it (the
    // dialog shows the result before it ends).
    using ApplyToOwner = std::function<void(MacroBoltData&)>;

    explicit CDlgMacroBoltAdv(QWidget* parent = nullptr);

    MacroBoltData& data() { return m_data; }
    void setLists(const Tvx_StringArray& assemblies, const Tvx_StringArray& diameters);
    void setApplyToOwner(ApplyToOwner apply) { m_apply = std::move(apply); }

    QTableWidget* holeGrid() const;
    CCheckComboBox* entryList() const;
    int shownEntry() const { return m_shown; }
    // Shows entry `index` after storing the one shown (what choosing it in the list does).
    void chooseEntry(int index);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void fillControls();
    void readControls();
    void storeShownEntry();
    void showEntry(int index);
    OvTriStateCheckBox* triState(int id) const;

    MacroBoltData m_data;
    Tvx_StringArray m_assemblies;
    Tvx_StringArray m_diameters;
    ApplyToOwner m_apply;
    int m_shown = -1;
    bool m_initialised = false;
};
