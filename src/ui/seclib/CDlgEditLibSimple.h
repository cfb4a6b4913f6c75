// CDlgEditLibSimple.h - the simple section editor: adds one section to a type's table from its
// dimensions, named automatically after the type's naming pattern or by hand.
#pragma once

#include "seclib/SimpleSectionModel.h"
#include "seclib/Tvx_ProfValuesTable.h"
#include "ui/OvDialog.h"

class CDlgEditLibSimple : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 9420;
    static constexpr int kNameEdit = 1000;
    static constexpr int kNameLabel = 1123;
    static constexpr int kPicture = 1294;
    static constexpr int kActive = 1296;
    static constexpr int kAutomatic = 1358;
    static constexpr int kManual = 1359;
    static constexpr int kFrame = 1360;
    // Dimension row j (1..11): label 1299 + 2(j - 1), edit 1300 + 2(j - 1).
    static constexpr int dimensionLabelId(int j) { return 1299 + 2 * (j - 1); }
    static constexpr int dimensionEditId(int j) { return 1300 + 2 * (j - 1); }

    explicit CDlgEditLibSimple(QWidget* parent = nullptr);

    void setStart(const Tvx_String& sysName, const Tvx_ProfValuesTable& table);
    const Tvx_ProfValuesTable& table() const { return m_model.table(); }
    int newIndex() const { return m_newIndex; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    Tvx_StringArray dimensionValues() const;
    void updateName();

    Tvx_String m_sysName;
    Tvx_ProfValuesTable m_start;
    SimpleSectionModel m_model;
    int m_newIndex = -1;
};
