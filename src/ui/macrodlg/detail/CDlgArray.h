// CDlgArray.h - the array dialog: the entries of an array (module, count, spacing, offset,
// angle), the module image new entries use, how entries alternate and how many are skipped.
#pragma once

#include "core/AcArray.h"
#include "core/macro/MacroRecords.h"
#include "host/AcDbObjectId.h"
#include "ui/OvDialog.h"

class QTableWidget;

class CDlgArray : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 0;  // built in code
    // Control ids.
    static constexpr int kGrid = 1196;
    static constexpr int kAdd = 1088;
    static constexpr int kRemove = 1089;
    static constexpr int kAlternating = 1352;
    static constexpr int kSkip = 1135;
    static constexpr int kSide = 1353;
    static constexpr int kStep = 1354;
    static constexpr int kImage = 1355;

    explicit CDlgArray(QWidget* parent = nullptr);

    DynArrayData& data() { return m_data; }
    // The objects the array belongs to and the name shown in the title.
    void setContext(const AcArray<AcDbObjectId>& ids, const Tvx_String& name);
    QTableWidget* grid() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void addEntry();
    void removeEntry();

    DynArrayData m_data;
    AcArray<AcDbObjectId> m_ids;
    Tvx_String m_name;
};
