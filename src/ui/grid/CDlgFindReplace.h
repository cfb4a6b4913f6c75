// CDlgFindReplace.h - the modeless find and replace dialog of a grid (template 218): find next
// (OK), replace (1204) and replace all (1205) in the grid that owns it. The grid makes it on the
// first F3 or F5 through the find-dialog factory that installQtServices() puts in place,
// and keeps it; closing only hides it, and the next F3 or F5 shows it again.
#pragma once

#include "spread/OvFindDialog.h"
#include "ui/OvDialog.h"

class Tvx_Spread;

class CDlgFindReplace : public OvDialog, public OvFindDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 218;
    static constexpr int kReplace = 1204;
    static constexpr int kReplaceAll = 1205;
    static constexpr int kFindLabel = 1206;
    static constexpr int kFindText = 1207;
    static constexpr int kReplaceLabel = 1208;
    static constexpr int kReplaceText = 1209;

    explicit CDlgFindReplace(Tvx_Spread& owner);
    ~CDlgFindReplace() override;

    // OvFindDialog: what the grid's F3 and F5 use.
    void show() override;
    bool isOpen() const override { return isVisible(); }
    Tvx_String findWhat() const override;
    Tvx_String replaceWith() const override;
    bool matchSubstring() const override { return true; }

    bool onFindNext();
    bool onReplace();
    // Replaces every occurrence in every cell once; the number of cells changed.
    int onReplaceAll();

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onClose();

    Tvx_Spread& m_grid;
    bool m_designModeWasOn = false;
};

// Makes a CDlgFindReplace for a grid's F3 and F5; installQtServices installs it.
class CDlgFindReplaceFactory : public OvFindDialogFactory {
  public:
    std::unique_ptr<OvFindDialog> create(Tvx_Spread& owner) override;
};
