// LibListPage.cpp - the shared part of the groups and types pages.
#include "ui/seclib/LibListPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Paths.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/controls/CCheckComboBox.h"
#include "ui/resources/ModuleArtwork.h"

using ovgrid::HEADER;
using ovui::fromQt;
using ovui::toQt;

namespace {

// The entry list shows the selected entry (not the summary of the checked ones), since the page's
// fields below belong to it; the check marks show in the open list.
class EntryCheckCombo : public CCheckComboBox {
  public:
    using CCheckComboBox::CCheckComboBox;

  protected:
    void paintEvent(QPaintEvent* event) override { QComboBox::paintEvent(event); }
};

constexpr int kTextName = 87;
constexpr int kTextEnabled = 761;
constexpr int kTextMoveUp = 173;
constexpr int kTextMoveDown = 174;
constexpr int kIconMoveUp = 261;
constexpr int kIconMoveDown = 262;
}  // namespace

LibListPage::LibListPage(int templateId, int listId, DlgEditLibData& data, QWidget* editor)
    : OvDialog(templateId, editor), m_data(data), editor_(editor), m_host(this), listId_(listId) {
    setWindowFlags(Qt::Widget);
    auto* layout = new QHBoxLayout(this);
    fields_ = new QGridLayout;
    fields_->setColumnStretch(1, 1);
    CCheckComboBox* listCombo = addControl(listId, new EntryCheckCombo(this));
    listCombo->setMinimumWidth(240);
    layout->addLayout(fields_, 1);

    auto* buttons = new QVBoxLayout;
    for (int id : {kNew, kDelete}) {
        auto* button = addControl(id, new QPushButton(this));
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* moves = new QHBoxLayout;
    moves->addWidget(addControl(kMoveUp, new CButtonST(this)));
    moves->addWidget(addControl(kMoveDown, new CButtonST(this)));
    moves->addStretch(1);
    buttons->addLayout(moves);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    addControl(kEnabled, new QCheckBox(this));
    auto* image = addControl(kImage, new QComboBox(this));
    image->setEditable(true);
    image->setIconSize(QSize(24, 24));
    auto* placeholder = addControl(kNamesGrid, new QWidget(this));
    placeholder->setMinimumSize(260, 130);
    placeholder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    connect(listCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) {
            select(index);
        }
    });
    connect(listCombo, &CCheckComboBox::checkChanged, this,
            [this](int index, bool checked) { onListChecked(index, checked); });
    connect(pushButton(kNew), &QPushButton::clicked, this, [this] { onNew(); });
    connect(pushButton(kDelete), &QPushButton::clicked, this, [this] { onDelete(); });
    connect(button(kMoveDown), &QAbstractButton::clicked, this, [this] { onMove(1); });
    connect(button(kMoveUp), &QAbstractButton::clicked, this, [this] { onMove(-1); });
    connect(checkBox(kEnabled), &QCheckBox::clicked, this, [this] { onEnabledClicked(); });
}

LibListPage::~LibListPage() = default;

CCheckComboBox* LibListPage::list() const {
    return static_cast<CCheckComboBox*>(item(listId_));
}

void LibListPage::initPage() {
    SetDlgItemText(kEnabled, dialString(kTextEnabled));
    auto* up = static_cast<CButtonST*>(item(kMoveUp));
    up->SetIcon(kIconMoveUp);
    up->SetTooltipText(dialString(kTextMoveUp));
    auto* down = static_cast<CButtonST*>(item(kMoveDown));
    down->SetIcon(kIconMoveDown);
    down->SetTooltipText(dialString(kTextMoveDown));

    if (m_names.create(&m_host, kNamesGrid, true)) {
        m_names.setDefaultLook(false);
        const Tvx_StringArray languages = MacroLangs::GetAllLanguages();
        m_names.setMaxCols(1);
        m_names.setMaxRows(languages.length());
        m_names.setCellText(1, HEADER, dialString(kTextName));
        m_names.setColTexts(HEADER, languages);
        m_names.SSSetBool(Tvx_Spread::kPropRowHeaderShares, true);
        m_names.setFitMode(4, 0, 90);
        m_names.applyFitMode();
    }
    fillImages();
    refreshList(count() > 0 ? 0 : -1);
}

void LibListPage::fillImages() {
    auto* combo = comboBox(kImage);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItem(QString());
    const Tvx_String folder = gSettings.libDir + L"prof\\";
    for (const Tvx_String& file : m_data.imageFiles) {
        const QString path = toQt(toBackslashes(folder + file)).replace(u'\\', u'/');
        combo->addItem(QIcon(QPixmap(path)), toQt(file));
    }
    combo->setCurrentText(text);
}

void LibListPage::refreshList(int select) {
    filling_ = true;
    CCheckComboBox* combo = list();
    combo->ResetContent();
    for (int i = 0; i < count(); ++i) {
        combo->AddString(entryName(i));
        combo->SetCheck(i, entryEnabled(i));
    }
    current_ = select >= 0 && select < count() ? select : -1;
    combo->setCurrentIndex(current_);
    filling_ = false;
    showCurrent();
}

void LibListPage::showCurrent() {
    const bool selected = current_ >= 0;
    const bool enabled = selected && entryEnabled(current_);
    CheckDlgButton(kEnabled, enabled ? BST_CHECKED : BST_UNCHECKED);
    comboBox(kImage)->setCurrentText(selected ? toQt(entryImage(current_)) : QString());
    const Tvx_StringArray names = selected ? entryNames(current_) : Tvx_StringArray();
    for (int row = 1; row <= m_names.getMaxRows(); ++row) {
        m_names.setCellText(1, row, row - 1 < names.length() ? names[row - 1] : Tvx_String());
    }
    showOwnFields(current_);
    EnableItem(kEnabled, selected);
    EnableItem(kDelete, selected);
    EnableItem(kMoveUp, selected && current_ > 0);
    EnableItem(kMoveDown, selected && current_ + 1 < count());
    EnableItem(kImage, enabled);
    EnableItem(kNamesGrid, enabled);
    enableOwnFields(enabled);
}

void LibListPage::applyCurrent() {
    if (current_ < 0 || current_ >= count()) {
        return;
    }
    setEntryEnabled(current_, IsDlgButtonChecked(kEnabled) == BST_CHECKED);
    Tvx_StringArray names;
    for (int row = 1; row <= m_names.getMaxRows(); ++row) {
        Tvx_String name;
        m_names.getCellText(1, row, name);
        names.append(name);
    }
    writeEntry(current_, fromQt(comboBox(kImage)->currentText()), names);
}

void LibListPage::select(int index) {
    applyCurrent();
    refreshList(index);
}

void LibListPage::onEnabledClicked() {
    applyCurrent();
    refreshList(current_);
}

void LibListPage::onListChecked(int index, bool checked) {
    if (filling_ || index < 0 || index >= count()) {
        return;
    }
    applyCurrent();
    setEntryEnabled(index, checked);
    refreshList(current_);
}

void LibListPage::onNew() {
    applyCurrent();
    refreshList(appendEntry());
}

void LibListPage::onDelete() {
    if (current_ < 0) {
        return;
    }
    removeEntry(current_);
    current_ = std::min(current_, count() - 1);
    refreshList(current_);
}

void LibListPage::onMove(int step) {
    const int target = current_ + step;
    if (current_ < 0 || target < 0 || target >= count()) {
        return;
    }
    applyCurrent();
    swapEntries(current_, target);
    refreshList(target);
}

void LibListPage::OnOK() {
    // Enter inside a page belongs to the focused control, never to the page.
}

void LibListPage::OnCancel() {
    if (auto* dialog = qobject_cast<QDialog*>(editor_)) {
        dialog->reject();
    }
}
