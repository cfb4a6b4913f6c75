// CDlgSelectDstvPointsFile.h - the DSTV points groups dialog (template 234): every group of the
// DSTV points folder, the standard group checked; groups are created, deleted, edited in the
// point editor and made the standard group.
#pragma once

#include "ui/OvDialog.h"

class QListWidget;

class CDlgSelectDstvPointsFile : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 234;
    static constexpr int kGroups = 1336;
    static constexpr int kEdit = 1334;
    static constexpr int kMakeStandard = 1335;
    static constexpr int kNewGroup = 1337;
    static constexpr int kDeleteGroup = 1338;
    static constexpr int kGroupsLabel = 1339;

    explicit CDlgSelectDstvPointsFile(QWidget* parent = nullptr);

    QListWidget* groups() const;
    // The selected group's name; empty when none is selected.
    Tvx_String selectedGroup() const;

  protected:
    bool OnInitDialog() override;

  private:
    // Lists the groups again, selecting `select` when it is one of them.
    void fillList(const Tvx_String& select);
    void OnNewGroup();
    void OnDeleteGroup();
    void OnEditGroup();
    void OnMakeStandard();
};
