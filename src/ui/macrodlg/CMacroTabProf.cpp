// CMacroTabProf.cpp - the profile page: merged group properties shown and written back.
#include "ui/macrodlg/CMacroTabProf.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Texts.h"
#include "core/macro/MacroDialogOperations.h"
#include "core/macro/MacroOperations.h"
#include "core/macro/MacroTabData.h"
#include "core/macro/OvCutOffsetType.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "ui/QtText.h"
#include "ui/macrodlg/CDlgMacro.h"
#include "ui/macrodlg/CMacroTabGeneral.h"
#include "ui/macrodlg/MacroDetailLaunchers.h"
#include "ui/seclib/DlgSelectProf.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

const wchar_t* const kRotations[] = {L"0°", L"90°", L"180°", L"270°"};

// The sections of the library tables, for the section list.
QStringList librarySections() {
    QStringList names;
    for (int t = 0; t < gSectionTables.nrTables(); ++t) {
        const Tvx_SectionTable* table = gSectionTables.table(t);
        for (int r = 0; table != nullptr && r < table->rows.length(); ++r) {
            Tvx_String userName;
            if (gSectionTables.getUserName(table->fullName(r), userName) == Acad::eOk) {
                names << toQt(userName);
            }
        }
    }
    return names;
}

}  // namespace

CMacroTabProf::CMacroTabProf(CDlgMacro* owner, int pageIndex, QWidget* parent)
    : CMacroPage(owner, pageIndex, parent) {}

QComboBox* CMacroTabProf::combo(int id) const {
    switch (id) {
        case kGroup:
            return group_;
        case kProfile:
            return profile_;
        case kSection:
            return section_;
        case kOffsetType:
            return offsetType_;
        case kRotation:
            return rotation_;
        case kBasePlane:
            return basePlane_;
        default:
            return nullptr;
    }
}

void CMacroTabProf::buildPage() {
    ready_ = false;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The designed image and the grid work as on a general page.
    if (const MacroTabData* tab = this->tab();
        tab != nullptr && (!tab->templatePath.isEmpty() || !tab->cells.isEmpty())) {
        image_ = new CMacroTabGeneral(owner(), pageIndex(), this);
        image_->buildPage();
        layout->addWidget(image_);
    }
    fixedControls_ = new QWidget(this);
    auto* form = new QFormLayout(fixedControls_);
    group_ = new QComboBox(this);
    profile_ = new QComboBox(this);
    section_ = new QComboBox(this);
    section_->setEditable(true);
    section_->addItems(librarySections());
    section_->setMaxVisibleItems(16);
    material_ = new QLineEdit(this);
    offsetType_ = new QComboBox(this);
    Tvx_StringArray names;
    getOffsetTypeStrings(names);
    offsetType_->addItems(toQt(names));
    rotation_ = new QComboBox(this);
    for (const wchar_t* rotation : kRotations) {
        rotation_->addItem(QString::fromWCharArray(rotation));
    }
    basePlane_ = new QComboBox(this);
    getBasePlaneStrings(names);
    basePlane_->addItems(toQt(names));
    details_ = new QPushButton(toQt(dialString(968)), this);
    details_->setAutoDefault(false);
    form->addRow(toQt(dialString(9809)), group_);
    form->addRow(toQt(dialString(9810)), profile_);
    chooseSection_ = new QPushButton(QStringLiteral("..."), this);
    chooseSection_->setAutoDefault(false);
    chooseSection_->setFixedWidth(32);
    auto* sectionRow = new QHBoxLayout;
    sectionRow->addWidget(section_, 1);
    sectionRow->addWidget(chooseSection_);
    form->addRow(toQt(dialString(9811)), sectionRow);
    form->addRow(toQt(dialString(9812)), material_);
    form->addRow(toQt(dialString(9813)), offsetType_);
    form->addRow(toQt(dialString(9814)), rotation_);
    form->addRow(toQt(dialString(9815)), basePlane_);
    form->addRow(QString(), details_);
    layout->addWidget(fixedControls_);
    layout->addStretch(1);
    // With a detail button for every group on the image the fixed controls are not needed.
    const MacroTabData* tab = this->tab();
    fixedControls_->setVisible(tab != nullptr && !tab->advBtnForEveryGroup);
    fillGroups();
    connect(chooseSection_, &QPushButton::clicked, this, [this] { onChooseSection(); });

    connect(group_, &QComboBox::activated, this, [this] { showGroup(); });
    for (QComboBox* box : {profile_, offsetType_, rotation_, basePlane_, section_}) {
        connect(box, &QComboBox::activated, this, [this] { applyPage(); });
    }
    connect(section_->lineEdit(), &QLineEdit::editingFinished, this, [this] { applyPage(); });
    connect(material_, &QLineEdit::editingFinished, this, [this] { applyPage(); });
    connect(details_, &QPushButton::clicked, this, [this] {
        const MacroTabData* tab = this->tab();
        if (tab != nullptr) {
            StartDlgMacroProfAdv(owner()->data(), tab->moduleName, currentGroup(), false);
            refreshValues();
        }
    });
    details_->setEnabled(true);
    ready_ = true;
}

void CMacroTabProf::fillGroups() {
    const MacroTabData* tab = this->tab();
    if (tab == nullptr) {
        return;
    }
    const QString previous = group_->currentText();
    Tvx_StringArray groups;
    tab->getProfGroups(groups);
    group_->clear();
    group_->addItems(toQt(groups));
    const int kept = group_->findText(previous);
    group_->setCurrentIndex(kept >= 0 ? kept : 0);
    showGroup();
}

Tvx_String CMacroTabProf::currentGroup() const {
    return fromQt(group_->currentText());
}

void CMacroTabProf::showGroup() {
    const MacroTabData* tab = this->tab();
    MacroProfData merged;
    if (tab == nullptr || !tab->getMergedPropsOfGroup(currentGroup(), merged)) {
        return;
    }
    const bool wasReady = ready_;
    ready_ = false;
    profile_->clear();
    profile_->addItem(toQt(dialString(1010)));
    int number = 0;
    for (const MacroProfData& data : tab->profData) {
        if (data.groupName.equal(currentGroup(), false)) {
            profile_->addItem(QString::number(++number));
        }
    }
    section_->setCurrentText(toQt(merged.sectionName));
    material_->setText(toQt(merged.material));
    offsetType_->setCurrentIndex(getDlgOffsetType(merged));
    rotation_->setCurrentIndex(merged.rotation >= 0 ? merged.rotation / 90 : -1);
    basePlane_->setCurrentIndex(merged.basePlane);
    ready_ = wasReady;
}

void CMacroTabProf::refreshValues() {
    if (image_ != nullptr) {
        image_->refreshValues();
    }
    showGroup();
}

void CMacroTabProf::retire() {
    CMacroPage::retire();
    if (image_ != nullptr) {
        image_->retire();
    }
}

// The section from the library's selection dialog (which gives names below the library folder
// without the folder in front).
void CMacroTabProf::onChooseSection() {
    if (!ready_ || tab() == nullptr) {
        return;
    }
    Tvx_String name = fromQt(section_->currentText().trimmed());
    if (!selectProfile(name, true)) {
        return;
    }
    section_->setCurrentText(toQt(name));
    applyPage();
}

void CMacroTabProf::applyPage() {
    const MacroTabData* tab = this->tab();
    if (!ready_ || tab == nullptr) {
        return;
    }
    if (image_ != nullptr) {
        image_->applyPage();
        tab = this->tab();
    }
    MacroProfData merged;
    if (!tab->getMergedPropsOfGroup(currentGroup(), merged)) {
        return;
    }
    merged.sectionName = fromQt(section_->currentText().trimmed());
    merged.material = fromQt(material_->text().trimmed());
    merged.offsetType = offsetType_->currentIndex();
    merged.rotation = rotation_->currentIndex() >= 0 ? rotation_->currentIndex() * 90 : -1;
    merged.basePlane = basePlane_->currentIndex();
    MacroTabData edited = *tab;
    if (!edited.setMergedPropsOfGroup(currentGroup(), merged)) {
        return;
    }
    ready_ = false;
    owner()->applyTab(pageIndex(), edited);
    ready_ = true;
}

QSize CMacroTabProf::wantedSize() const {
    QSize size(360, fixedControls_ != nullptr && fixedControls_->isVisible() ? 260 : 0);
    if (image_ != nullptr) {
        const QSize image = image_->wantedSize();
        size = {std::max(size.width(), image.width()), size.height() + image.height()};
    }
    return size;
}
