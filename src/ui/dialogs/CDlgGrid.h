// CDlgGrid.h - the grid dialog (template 242): for each of two directions of a construction-line
// grid the number of lines, the distances and the first line's name, and one yes/no option.
#pragma once

#include "dialogs/OvGridDlgData.h"
#include "ui/OvDialog.h"

class CDlgGrid : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 242;
    // Control ids: labels, edits and group boxes of the two directions, and the option.
    static constexpr int kCountLabel1 = 1366;
    static constexpr int kCount1 = 1367;
    static constexpr int kDistancesLabel1 = 1368;
    static constexpr int kDistances1 = 1369;
    static constexpr int kFirstNameLabel1 = 1370;
    static constexpr int kFirstName1 = 1371;
    static constexpr int kGroup1 = 1372;
    static constexpr int kCountLabel2 = 1373;
    static constexpr int kCount2 = 1374;
    static constexpr int kGroup2 = 1375;
    static constexpr int kDistancesLabel2 = 1376;
    static constexpr int kDistances2 = 1377;
    static constexpr int kFirstNameLabel2 = 1378;
    static constexpr int kFirstName2 = 1379;
    static constexpr int kOption = 1380;

    explicit CDlgGrid(QWidget* parent = nullptr);

    OvGridDlgData& data() { return m_data; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    OvGridDlgData m_data;
};
