// CDlgEditLibSections.h - the section library editor (dialog 209): the groups, types and values
// pages on a copy of the library record. OK hands the record back; profile tables are written by
// the values page as the user saves them.
#pragma once

#include "core/sections/SectionLibrary.h"
#include "ui/OvDialog.h"

class QTabWidget;
class CTabLibGroups;
class CTabLibTypes;
class CTabLibValues;

class CDlgEditLibSections : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int IDD = 209;
    static constexpr int kTabs = 8097;
    enum Page { kGroupsPage = 0, kTypesPage = 1, kValuesPage = 2 };

    explicit CDlgEditLibSections(QWidget* parent = nullptr);
    ~CDlgEditLibSections() override;

    DlgEditLibData& data() { return m_data; }
    void setSectionName(const Tvx_String& name) { m_sectionName = name; }

    QTabWidget* tabs() const;
    CTabLibGroups& groupsPage() { return *m_groups; }
    CTabLibTypes& typesPage() { return *m_types; }
    CTabLibValues& valuesPage() { return *m_values; }
    // Switches pages as a click on the tab does.
    void showPage(int page);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void onPageChanged(int page);

    DlgEditLibData m_data;
    Tvx_String m_sectionName;
    CTabLibGroups* m_groups = nullptr;
    CTabLibTypes* m_types = nullptr;
    CTabLibValues* m_values = nullptr;
    int m_page = kGroupsPage;
    bool m_switching = false;
};
