// CDlgMacroPattern.h - the bolt pattern dialog (template 222): the bolt counts and start ends of
// the pattern's one or two directions and the alternation of the bolts, chosen with five picture
// buttons that act as one choice.
#pragma once

#include "core/macro/MacroRecords.h"
#include "ui/OvDialog.h"

class QButtonGroup;

class CDlgMacroPattern : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 222;
    // Control ids.
    static constexpr int kName = 1272;
    static constexpr int kAlternationLabel = 1273;
    static constexpr int kCount1 = 1270;
    static constexpr int kCount2 = 1271;
    static constexpr int kReverse1 = 1274;
    static constexpr int kReverse2 = 1275;
    static constexpr int kFirstAlternation = 1445;  // 1445..1449: types 1..5

    explicit CDlgMacroPattern(QWidget* parent = nullptr);

    MacroPatternProps& data() { return m_data; }
    // The alternation type whose button is checked (1..5), 0 when none is.
    int checkedAlternation() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    MacroPatternProps m_data;
    QButtonGroup* m_alternations;
};
