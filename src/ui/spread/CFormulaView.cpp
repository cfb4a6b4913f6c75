// CFormulaView.cpp - the visible formula workbench and EvaluateSS.
#include "ui/spread/CFormulaView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/OvTempResourceOverride.h"
#include "core/Tvx_Settings.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/grid/OvSpreadView.h"

CFormulaView::CFormulaView(const Tvx_String& path, QWidget* parent)
    : OvDialog(CFormula::IDD, parent),
      m_host(this),
      m_workbench(std::make_unique<CFormula>(CFormula::kWorkbench, path, &m_host)) {
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    auto* pathEdit = addControl(CFormula::kPathEdit, new QLineEdit(this));
    fileRow->addWidget(pathEdit, 1);
    fileRow->addWidget(
        addControl(CFormula::kLoadButton, new QPushButton(tr("Load from File"), this)));
    fileRow->addWidget(
        addControl(CFormula::kSaveButton, new QPushButton(tr("Save to File"), this)));
    layout->addLayout(fileRow);

    auto* optionsRow = new QHBoxLayout;
    auto* style = addControl(kStyleGroup, new QGroupBox(tr("Style"), this));
    auto* styleLayout = new QHBoxLayout(style);
    styleLayout->addWidget(
        addControl(CFormula::kStyleDefault, new QRadioButton(tr("&Default"), style)));
    styleLayout->addWidget(addControl(CFormula::kStyleA1, new QRadioButton(tr("&A1"), style)));
    styleLayout->addWidget(addControl(CFormula::kStyleR1C1, new QRadioButton(tr("&R1C1"), style)));
    optionsRow->addWidget(style);
    optionsRow->addWidget(
        addControl(CFormula::kAutoCalculate, new QCheckBox(tr("Auto calculate"), this)));
    optionsRow->addWidget(
        addControl(CFormula::kRecalculate, new QPushButton(tr("Recalculate"), this)));
    optionsRow->addStretch(1);
    layout->addLayout(optionsRow);

    auto* grid = addControl(CFormula::kGridPlaceholder, new QWidget(this));
    grid->setMinimumSize(560, 300);
    grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(grid, 1);
    // The second placeholder of the template: present, never used.
    auto* second = addControl(CFormula::kSecondPlaceholder, new QWidget(this));
    second->hide();
    layout->addLayout(createOkCancelRow());
    resize(720, 520);

    connect(pathEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_workbench->setFilePath(ovui::fromQt(text)); });
    connect(pushButton(CFormula::kSaveButton), &QPushButton::clicked, this,
            [this] { m_workbench->onSaveToFile(); });
    connect(pushButton(CFormula::kLoadButton), &QPushButton::clicked, this, [this] {
        m_workbench->onLoadFromFile();
        refreshGrid();
    });
    connect(pushButton(CFormula::kRecalculate), &QPushButton::clicked, this, [this] {
        m_workbench->onRecalculate();
        refreshGrid();
    });
    connect(checkBox(CFormula::kAutoCalculate), &QCheckBox::toggled, this,
            [this](bool on) { onAutoCalculate(on); });
    for (int style : {CFormula::kDefaultStyle, CFormula::kA1Style, CFormula::kR1C1Style}) {
        connect(radioButton(CFormula::kStyleDefault + style), &QRadioButton::clicked, this,
                [this, style] { onStyle(style); });
    }
}

CFormulaView::~CFormulaView() = default;

bool CFormulaView::OnInitDialog() {
    SetWindowText(L"Formulas");
    SetDlgItemText(CFormula::kPathEdit, m_workbench->filePath());
    if (!m_workbench->onInitDialog()) {
        return false;
    }
    CheckDlgButton(CFormula::kAutoCalculate, BST_UNCHECKED);
    CheckDlgButton(CFormula::kStyleDefault, BST_CHECKED);
    EnableItem(CFormula::kRecalculate, m_workbench->recalculateEnabled());
    return true;
}

void CFormulaView::onStyle(int style) {
    m_workbench->onStyle(style);
    refreshGrid();
}

void CFormulaView::onAutoCalculate(bool on) {
    m_workbench->onAutoCalculate(on);
    EnableItem(CFormula::kRecalculate, m_workbench->recalculateEnabled());
    refreshGrid();
}

void CFormulaView::refreshGrid() {
    if (auto* view = m_host.view(CFormula::kGridPlaceholder)) {
        view->refresh();
    }
}

Tvx_String evaluateSSFile() {
    return gSettings.libDir + L"Connection Standards\\EvaluateSS.ovs";
}

void EvaluateSS() {
    if (!ovui::canShowDialogs()) {
        return;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CFormulaView dialog(evaluateSSFile());
    dialog.DoModal();
}
