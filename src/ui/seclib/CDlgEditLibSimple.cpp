// CDlgEditLibSimple.cpp - the simple section editor and its launcher.
#include "ui/seclib/CDlgEditLibSimple.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/FileSystem.h"
#include "core/Texts.h"
#include "seclib/ProfileIcons.h"
#include "seclib/SectionLibraryLaunchers.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"

using ovui::fromQt;
using ovui::toQt;

namespace {
constexpr const wchar_t* kSizeKey = L"DLG_EDITLIBSIMPLE";
constexpr int kTextActive = 9412;
// Only the first eight dimensions take part in the automatic name as the user types.
constexpr int kNameDimensions = 8;
}  // namespace

CDlgEditLibSimple::CDlgEditLibSimple(QWidget* parent) : OvDialog(IDD, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* frame = addControl(kFrame, new QGroupBox(this));
    auto* frameLayout = new QGridLayout(frame);
    frameLayout->addWidget(addControl(kAutomatic, new QRadioButton(frame)), 0, 0, 1, 2);
    frameLayout->addWidget(addControl(kManual, new QRadioButton(frame)), 1, 0, 1, 2);
    frameLayout->addWidget(addControl(kNameLabel, new QLabel(frame)), 2, 0);
    frameLayout->addWidget(addControl(kNameEdit, new QLineEdit(frame)), 2, 1);
    frameLayout->addWidget(addControl(kActive, new QCheckBox(frame)), 3, 1);
    auto* group = new QButtonGroup(this);
    group->addButton(radioButton(kAutomatic));
    group->addButton(radioButton(kManual));
    layout->addWidget(frame);

    auto* body = new QHBoxLayout;
    auto* picture = addControl(kPicture, new QLabel(this));
    picture->setFixedSize(128, 128);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    body->addWidget(picture, 0, Qt::AlignTop);
    auto* dims = new QGridLayout;
    for (int j = 1; j <= SimpleSectionModel::kMaxDimensionRows; ++j) {
        dims->addWidget(addControl(dimensionLabelId(j), new QLabel(this)), j - 1, 0);
        auto* edit = addControl(dimensionEditId(j), new QLineEdit(this));
        edit->setMaximumWidth(120);
        dims->addWidget(edit, j - 1, 1);
        if (j <= kNameDimensions) {
            connect(edit, &QLineEdit::textEdited, this, [this] { updateName(); });
        }
    }
    dims->setRowStretch(SimpleSectionModel::kMaxDimensionRows, 1);
    body->addLayout(dims, 1);
    layout->addLayout(body, 1);
    layout->addLayout(createOkCancelRow());
    connect(radioButton(kAutomatic), &QRadioButton::toggled, this, [this] { updateName(); });
}

void CDlgEditLibSimple::setStart(const Tvx_String& sysName, const Tvx_ProfValuesTable& table) {
    m_sysName = sysName;
    m_start = table;
}

bool CDlgEditLibSimple::OnInitDialog() {
    SetWindowText(dialString(796));
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));
    SetDlgItemText(kFrame, dialString(797));
    SetDlgItemText(kNameLabel, dialString(797) + L":");
    SetDlgItemText(kAutomatic, dialString(1377));
    SetDlgItemText(kManual, dialString(1378));
    SetDlgItemText(kActive, dialString(kTextActive));
    const bool started = m_model.start(m_start, m_sysName);

    const Tvx_String icon = getProfileIconName(m_start.shape, L"", true);
    const QString iconPath = toQt(profileIconFolder() + icon).replace(u'\\', u'/');
    QPixmap pixmap(iconPath);
    auto* picture = label(kPicture);
    picture->setVisible(!pixmap.isNull());
    if (!pixmap.isNull()) {
        picture->setPixmap(pixmap.scaled(picture->size() - QSize(8, 8), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation));
    }

    CheckDlgButton(kActive, started && m_model.startActive() ? BST_CHECKED : BST_UNCHECKED);
    EnableItem(kActive, false);
    SetDlgItemText(kNameEdit, m_model.startUserName());
    const Tvx_StringArray labels = m_model.dimensionLabels();
    const Tvx_StringArray values = m_model.startValues();
    for (int j = 1; j <= SimpleSectionModel::kMaxDimensionRows; ++j) {
        const bool shown = j <= labels.length();
        item(dimensionLabelId(j))->setVisible(shown);
        item(dimensionEditId(j))->setVisible(shown);
        if (shown) {
            SetDlgItemText(dimensionLabelId(j), labels[j - 1]);
            SetDlgItemText(dimensionEditId(j), j <= values.length() ? values[j - 1] : L"");
        }
    }
    CheckDlgButton(kAutomatic, BST_CHECKED);
    updateName();
    EnableItem(IDOK, started);
    ChangeDlgSize(this, kSizeKey);
    return true;
}

Tvx_StringArray CDlgEditLibSimple::dimensionValues() const {
    Tvx_StringArray values = m_model.startValues();
    for (int j = 1; j <= values.length() && j <= SimpleSectionModel::kMaxDimensionRows; ++j) {
        values[j - 1] = GetDlgItemText(dimensionEditId(j));
    }
    return values;
}

void CDlgEditLibSimple::updateName() {
    const bool automatic = IsDlgButtonChecked(kAutomatic) == BST_CHECKED;
    EnableItem(kNameEdit, !automatic);
    if (automatic) {
        SetDlgItemText(kNameEdit, m_model.automaticUserName(dimensionValues()));
    }
}

void CDlgEditLibSimple::OnOK() {
    const bool automatic = IsDlgButtonChecked(kAutomatic) == BST_CHECKED;
    const Tvx_StringArray values = dimensionValues();
    const Tvx_String sysName =
        automatic ? m_model.automaticSysName(values) : GetDlgItemText(kNameEdit);
    Tvx_String message, caption;
    // Checked before inserting, so a refused OK never leaves a row behind.
    if (!m_model.check(values, sysName, message, caption)) {
        ovMessageBox(message, caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_newIndex = m_model.insert(values, automatic, GetDlgItemText(kNameEdit));
    if (m_newIndex < 0) {
        return;
    }
    EndDialog(IDOK);
}

void CDlgEditLibSimple::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}

bool StartDlgEditLibSimple(const Tvx_String& sysName, Tvx_ProfValuesTable& table, int& newIndex) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgEditLibSimple dialog;
    dialog.setStart(sysName, table);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    table = dialog.table();
    newIndex = dialog.newIndex();
    return true;
}
