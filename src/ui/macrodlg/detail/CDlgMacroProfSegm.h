// CDlgMacroProfSegm.h - the segmented-profile dialog (template 221): the segments (length,
// section, material) of each segmented profile of a group, one profile at a time, with buttons
// that add and remove segments.
#pragma once

#include "core/macro/MacroDetailRecords.h"
#include "ui/OvDialog.h"

class QTableWidget;

class CDlgMacroProfSegm : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 221;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_PROFSEGMENTED";
    // Control ids.
    static constexpr int kGrid = 1196;
    static constexpr int kAdd = 1088;
    static constexpr int kRemove = 1089;
    static constexpr int kProfiles = 1087;

    explicit CDlgMacroProfSegm(QWidget* parent = nullptr);

    MacroProfSegmentedData& data() { return m_data; }
    QTableWidget* grid() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void showProfile(int index);
    void storeShown();
    void addSegment();
    void removeSegment();

    MacroProfSegmentedData m_data;
    int m_shown = -1;
    bool m_initialised = false;
};
