// CDlgSSSettings.cpp - the language choice of the spreadsheet editor and its launcher.
#include "ui/spread/CDlgSSSettings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Texts.h"
#include "ui/ModalLauncher.h"

namespace {

// Each language in its own name; the order is the meaning of the index.
constexpr const wchar_t* kLanguages[] = {L"Nederlands", L"English", L"Fran\u00e7ais"};

}  // namespace

CDlgSSSettings::CDlgSSSettings(QWidget* parent) : OvDialog(IDD, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(addControl(kLanguageLabel, new QLabel(this)));
    auto* combo = addControl(kLanguageCombo, new QComboBox(this));
    combo->setMinimumWidth(160);
    row->addWidget(combo, 1);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addLayout(createOkCancelRow());
}

bool CDlgSSSettings::OnInitDialog() {
    SetWindowText(dialString(1520));
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));
    SetDlgItemText(kLanguageLabel, dialString(1521) + L":");
    QComboBox* combo = comboBox(kLanguageCombo);
    for (const wchar_t* language : kLanguages) {
        combo->addItem(QString::fromWCharArray(language));
    }
    // An index outside the list selects nothing, as the framework's combo box does.
    combo->setCurrentIndex(m_selected >= 0 && m_selected < combo->count() ? m_selected : -1);
    return true;
}

void CDlgSSSettings::OnOK() {
    m_selected = comboBox(kLanguageCombo)->currentIndex();
    EndDialog(IDOK);
}

bool StartDlgSSSettings(int& selected) {
    return ovui::runModalOnCopy<CDlgSSSettings>(selected);
}
