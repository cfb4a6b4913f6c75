// CDlgEditLibSections.cpp - the library editor and its launcher.
#include "ui/seclib/CDlgEditLibSections.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "seclib/SectionLibraryLaunchers.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/seclib/CTabLibGroups.h"
#include "ui/seclib/CTabLibTypes.h"
#include "ui/seclib/CTabLibValues.h"

using ovui::toQt;

namespace {
constexpr const wchar_t* kSizeKey = L"DLG_EDIT_SECTIONLIB";
}

CDlgEditLibSections::CDlgEditLibSections(QWidget* parent) : OvDialog(IDD, parent) {
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = addControl(kTabs, new QTabWidget(this));
    layout->addWidget(tabs, 1);
    layout->addLayout(createOkCancelRow());
    m_groups = new CTabLibGroups(m_data, this);
    m_types = new CTabLibTypes(m_data, this);
    m_values = new CTabLibValues(m_data, this);
    tabs->addTab(m_groups, QString());
    tabs->addTab(m_types, QString());
    tabs->addTab(m_values, QString());
    connect(tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (!m_switching) {
            onPageChanged(page);
        }
    });
}

CDlgEditLibSections::~CDlgEditLibSections() = default;

QTabWidget* CDlgEditLibSections::tabs() const {
    return static_cast<QTabWidget*>(item(kTabs));
}

bool CDlgEditLibSections::OnInitDialog() {
    SetWindowText(dialString(754));
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));
    m_data.GetAvailableFiles();
    tabs()->setTabText(kGroupsPage, toQt(dialString(755)));
    tabs()->setTabText(kTypesPage, toQt(dialString(756)));
    tabs()->setTabText(kValuesPage, toQt(dialString(757)));
    m_groups->initTexts();
    m_types->initTexts();
    m_types->setProfileTables(m_data.profileTables);
    m_types->refreshGroups();
    m_groups->initPage();
    m_types->initPage();
    m_values->initPage(m_sectionName);
    m_page = m_sectionName.isEmpty() ? kGroupsPage : kValuesPage;
    m_switching = true;
    tabs()->setCurrentIndex(m_page);
    m_switching = false;
    adjustSize();
    setMinimumSize(size());
    ChangeDlgSize(this, kSizeKey);
    return true;
}

void CDlgEditLibSections::showPage(int page) {
    tabs()->setCurrentIndex(page);
}

void CDlgEditLibSections::onPageChanged(int page) {
    // Leaving a changed type asks first; Cancel stays on the values page.
    if (m_page == kValuesPage && page != kValuesPage && !m_values->saveQuestion()) {
        m_switching = true;
        tabs()->setCurrentIndex(kValuesPage);
        m_switching = false;
        return;
    }
    if (page == kTypesPage) {
        m_groups->applyCurrent();
        m_types->refreshGroups();
        m_types->setProfileTables(m_values->types());
    }
    m_page = page;
}

void CDlgEditLibSections::OnOK() {
    if (!m_values->saveQuestion()) {
        return;
    }
    m_groups->applyCurrent();
    m_types->applyCurrent();
    EndDialog(IDOK);
}

void CDlgEditLibSections::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}

bool StartDlgEditLibSections(DlgEditLibData& data, const Tvx_String& sectionName) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgEditLibSections dialog;
    dialog.data() = data;
    dialog.setSectionName(sectionName);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    data = dialog.data();
    return true;
}
