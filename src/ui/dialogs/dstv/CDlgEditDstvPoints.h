// CDlgEditDstvPoints.h - the DSTV point editor (template 233): the points of one group in a
// list, the rules of the point shown (geometry extent or intersection, view, mark, minimum
// distance) and its hole; points are added (at the shown place) and deleted.
#pragma once

#include "core/Tvx_Array.h"
#include "dialogs/dstv/Tvx_DstvPointInfo.h"
#include "ui/OvDialog.h"

class CDlgEditDstvPoints : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 233;
    static constexpr const wchar_t* kSizeKey = L"DLG_EDIT_DSTV_POINTS";
    // Control ids.
    static constexpr int kPointList = 1326;
    static constexpr int kNewPoint = 1327;
    static constexpr int kDeletePoint = 1328;
    static constexpr int kName = 1000;
    static constexpr int kMinDistance = 1001;
    static constexpr int kHoleValue = 1002;
    static constexpr int kGeomExtent = 1355;
    static constexpr int kSide1 = 1357;
    static constexpr int kSide2 = 1358;
    static constexpr int kInters = 1356;
    static constexpr int kIntersMid = 1333;
    static constexpr int kIntersStart = 1359;
    static constexpr int kView = 1360;
    static constexpr int kMark = 1361;
    static constexpr int kFullHole = 1336;
    static constexpr int kThicknessBased = 1337;

    explicit CDlgEditDstvPoints(const Tvx_String& groupName = {}, QWidget* parent = nullptr);

    Tvx_Array<Tvx_DstvPointInfo>& points() { return m_points; }
    int shownIndex() const { return m_shown; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void showList();
    void showPoint();
    void storePoint();
    void applySelectionRule();
    void OnSelectPoint();
    void OnNewPoint();
    void OnDeletePoint();

    Tvx_String m_group;
    Tvx_Array<Tvx_DstvPointInfo> m_points;
    int m_shown = -1;
};
