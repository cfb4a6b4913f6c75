// DlgSelectProf.h - the section selection dialog: a list of the library's enabled groups, the
// enabled types of the chosen group, the active sections of the chosen type (narrowed by a
// filter text) and the dimension values of the chosen section.
#pragma once

#include "core/sections/SectionLibrary.h"
#include "seclib/Tvx_ProfValuesTable.h"
#include "ui/OvDialog.h"

class QListWidget;
class QTableWidget;

class DlgSelectProf : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 9421;
    static constexpr int kGroups = 9422;
    static constexpr int kTypes = 9423;
    static constexpr int kFilter = 9424;
    static constexpr int kSections = 9425;
    static constexpr int kValues = 9426;
    static constexpr int kGroupsLabel = 9427;
    static constexpr int kTypesLabel = 9428;
    static constexpr int kSectionsLabel = 9429;
    static constexpr int kFilterLabel = 9430;
    static constexpr int kPicture = 9431;

    explicit DlgSelectProf(QWidget* parent = nullptr);

    // The section shown first ("IPE-200"); a name not in the library selects nothing.
    void setInitialUnknownName(const Tvx_String& name) { m_initial = name; }
    // The chosen full section name after OK.
    Tvx_String chosenName() const { return m_chosen; }

    QListWidget* groups() const;
    QListWidget* types() const;
    QListWidget* sections() const;
    QTableWidget* values() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void showTypes();
    void showSections();
    void showValues();
    int typeIndexOfRow(int row) const;

    DlgEditLibData m_library;
    Tvx_ProfValuesTable m_table;
    Tvx_String m_initial;
    Tvx_String m_chosen;
    bool m_filling = false;
};

// Opens the selection dialog on `name`; on OK `name` is the chosen section (without the library
// folder in front). With `cancelCommand` the host's running command is cancelled first.
bool selectProfile(Tvx_String& name, bool cancelCommand);
