// CDlgMacroCuts.h - the cuts dialog (template 223): the name, kind and variables of one cut of a
// macro. The kind is chosen from six pictures; the variables of the chosen kind are listed in a
// grid (name, value, linked to a general variable). OK refuses an empty name, a name used by
// another cut and invalid general-variable names, in that order.
#pragma once

#include "core/macro/MacroDetailRecords.h"
#include "ui/OvDialog.h"

class QTableWidget;

class CDlgMacroCuts : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 223;
    static constexpr const wchar_t* kSizeKey = L"DLG_MACRO_CUTS";
    // Control ids.
    static constexpr int kGrid = 1196;
    static constexpr int kKind = 1280;
    static constexpr int kName = 1282;
    static constexpr int kPart = 1283;
    static constexpr int kSide1 = 1285;
    static constexpr int kSide2 = 1286;
    static constexpr int kKeepContour = 1323;
    static constexpr int kBothEnds = 1325;
    static constexpr int kMirror = 1326;
    static constexpr int kText1 = 1000;
    static constexpr int kText2 = 1001;

    explicit CDlgMacroCuts(QWidget* parent = nullptr);

    DlgMacroCutsData& data() { return m_data; }
    QTableWidget* grid() const;
    // Set when the dialog ended with OK and the cut differs from the one it opened with.
    bool resultFlag() const { return m_changed; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    static QString toQtLabel(int text);
    void showKind(int kind);
    void fillGrid(int kind);
    void readControls(DlgMacroCutsData& out) const;

    DlgMacroCutsData m_data;
    bool m_changed = false;
    bool m_initialised = false;
};
