// OvMenuGridDialog.h - a modal dialog with one grid that offers the full standard context menu
// (copy, paste, insert and delete rows and columns, check and uncheck all), as the module's
// grids behave inside a host's dialogs. The exported ovssShowMenuGrid opens it: the studio shows
// it, and the host test drives its menu through the loaded module (Insert column must reach the
// user's prompt).
#pragma once

#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class OvMenuGridDialog : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 9010;
    static constexpr int kGrid = 9011;
    static constexpr int kColumns = 4;
    static constexpr int kRows = 6;

    explicit OvMenuGridDialog(QWidget* parent = nullptr);
    ~OvMenuGridDialog() override;

    Tvx_Spread& spread() { return m_spread; }

  protected:
    bool OnInitDialog() override;

  private:
    ovui::grid::QtGridHost m_host;
    Tvx_Spread m_spread;  // after the host: it goes first
};

// Shows the dialog modally; true when it is closed with OK. False without a user interface.
extern "C" bool ovssShowMenuGrid();
