// CDlgDesigner.cpp - the designer window: its controls, the commands, the save question, undo
// and redo, and the status bar.
#include "ui/designer/CDlgDesigner.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Texts.h"
#include "designer/DesignerTemplates.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/controls/CButtonST.h"
#include "ui/designer/CControlTracker.h"
#include "ui/designer/DesignedPage.h"
#include "ui/designer/DesignerArtwork.h"
#include "ui/services/FileDialogs.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

// Texts of the window.
constexpr int kTypeGroupText = 836;
constexpr int kCloseText = 285;
constexpr int kSaveCaption = 837;
constexpr int kSaveQuestion = 838;
constexpr int kPictureFilter = 839;
constexpr int kTemplateFilter = 840;
constexpr int kOpenTitle = 841;
constexpr int kSaveTitle = 842;
constexpr int kWindowTitle = 843;

// A new control is an edit bound to a variable: the most common kind.
constexpr Tvx_ControlType kNewControlType = DesignerType::kVariableEdit;

Tvx_String templateFilter() {
    return dialString(kTemplateFilter) + L" (*.txt)";
}

}  // namespace

CDlgDesigner::CDlgDesigner(QWidget* parent) : OvDialog(kTemplateId, parent) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    undo_ = new QUndoStack(this);
    buildControls();
}

CDlgDesigner::~CDlgDesigner() {
    // The drawn controls go before the page that shows them.
    m_data.removeAllDrawnCtrls();
}

CControlTracker* CDlgDesigner::tracker() const {
    return page_->tracker();
}

void CDlgDesigner::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->setSpacing(6);

    page_ = new DesignedPage;
    scroll_ = new QScrollArea;
    scroll_->setWidget(page_);
    scroll_->setWidgetResizable(true);
    scroll_->setBackgroundRole(QPalette::Button);
    scroll_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(scroll_, 1);

    // The property fields.
    auto* fields = new QHBoxLayout;
    auto group = [this, fields](int id, QWidget* field, int stretch) {
        auto* box = addControl(id, new QGroupBox);
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(6, 4, 6, 6);
        inner->addWidget(field);
        fields->addWidget(box, stretch);
    };
    auto* typeList = addControl(kTypeList, new QComboBox);
    typeList->setMaxVisibleItems(16);
    typeList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    group(kTypeGroup, typeList, 0);
    group(kContentsGroup, addControl(kContents, new QLineEdit), 2);
    group(kListGroup, addControl(kList, new QLineEdit), 3);
    layout->addLayout(fields);

    // The buttons.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    auto iconButton = [this, buttons](int id, int icon, const QString& hint) {
        auto* button = addControl(id, new CButtonST);
        button->setIcon(ovui::designerIcon(icon));
        button->setIconSize(QSize(20, 20));
        button->setMinimumSize(30, 30);
        button->setStatusTip(hint);
        buttons->addWidget(button);
        return button;
    };
    auto textButton = [this, buttons](int id, const QString& text, const QString& hint) {
        auto* button = addControl(id, new CButtonST);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setText(text);
        button->setMinimumSize(30, 30);
        button->setStatusTip(hint);
        buttons->addWidget(button);
        return button;
    };
    using namespace ovui::designerIcons;
    connect(iconButton(kOpen, ovui::designerIcons::kOpen, tr("Open a template")),
            &QToolButton::clicked, this, &CDlgDesigner::OnOpen);
    connect(iconButton(kSave, ovui::designerIcons::kSave, tr("Save the template under a name")),
            &QToolButton::clicked, this, [this] { OnSave(); });
    connect(iconButton(kPicture, ovui::designerIcons::kPicture, tr("Choose the picture")),
            &QToolButton::clicked, this, &CDlgDesigner::OnPicture);
    buttons->addSpacing(10);
    connect(iconButton(kAdd, ovui::designerIcons::kAdd, tr("Add a control")), &QToolButton::clicked,
            this, &CDlgDesigner::OnAdd);
    connect(iconButton(kRemove, ovui::designerIcons::kRemove, tr("Remove the selected controls")),
            &QToolButton::clicked, this, &CDlgDesigner::OnRemove);
    connect(iconButton(kCopy, ovui::designerIcons::kCopy, tr("Copy the selected controls")),
            &QToolButton::clicked, this, &CDlgDesigner::OnCopy);
    buttons->addSpacing(10);
    connect(iconButton(kWidth, ovui::designerIcons::kWidth, tr("Set the width of the selection")),
            &QToolButton::clicked, this, [this] { OnChangeSize(true); });
    connect(
        iconButton(kHeight, ovui::designerIcons::kHeight, tr("Set the height of the selection")),
        &QToolButton::clicked, this, [this] { OnChangeSize(false); });
    connect(textButton(kAlignBottoms, QStringLiteral("_ _"),
                       tr("Align the bottoms with the leftmost selected control")),
            &QToolButton::clicked, this, &CDlgDesigner::OnAlignBottoms);
    connect(textButton(kPlaceRight, QStringLiteral("| |"),
                       tr("Place the second selected control right of the first")),
            &QToolButton::clicked, this, &CDlgDesigner::OnPlaceRight);
    buttons->addSpacing(10);
    auto* undoButton = new QToolButton;
    undoButton->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    undoButton->setMinimumSize(30, 30);
    undoButton->setStatusTip(tr("Undo (Ctrl+Z)"));
    undoButton->setObjectName(QStringLiteral("undoButton"));
    auto* redoButton = new QToolButton;
    redoButton->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    redoButton->setMinimumSize(30, 30);
    redoButton->setStatusTip(tr("Redo (Ctrl+Shift+Z)"));
    redoButton->setObjectName(QStringLiteral("redoButton"));
    buttons->addWidget(undoButton);
    buttons->addWidget(redoButton);
    buttons->addStretch(1);
    auto* ok = addControl(IDOK, new QPushButton);
    ok->setAutoDefault(false);
    ok->setMinimumWidth(90);
    auto* cancel = addControl(IDCANCEL, new QPushButton);
    cancel->setAutoDefault(false);
    cancel->hide();  // the designer ends only through OK or the close box, after the question
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });

    status_ = new QStatusBar;
    status_->setSizeGripEnabled(true);
    layout->addWidget(status_);

    auto* undoAction = new QAction(tr("Undo"), this);
    undoAction->setShortcuts({QKeySequence::Undo});
    connect(undoAction, &QAction::triggered, this, &CDlgDesigner::OnUndo);
    auto* redoAction = new QAction(tr("Redo"), this);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redoAction, &QAction::triggered, this, &CDlgDesigner::OnRedo);
    addAction(undoAction);
    addAction(redoAction);
    connect(undoButton, &QToolButton::clicked, this, &CDlgDesigner::OnUndo);
    connect(redoButton, &QToolButton::clicked, this, &CDlgDesigner::OnRedo);
    connect(undo_, &QUndoStack::canUndoChanged, undoButton, &QWidget::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redoButton, &QWidget::setEnabled);
    undoButton->setEnabled(false);
    redoButton->setEnabled(false);
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { updateStatus(); });
}

bool CDlgDesigner::OnInitDialog() {
    page_->startDesign(m_data, this, kFirstControlId, kLastControlId, kTypeList, kContentsGroup,
                       kContents, kListGroup, kList);
    CControlTracker* overlay = page_->tracker();
    connect(overlay, &CControlTracker::selectionChanged, this, &CDlgDesigner::selectionChanged);
    connect(overlay, &CControlTracker::editFinished, this, [this](const QString& what) {
        recordChange(what);
        m_data.updatePropsOfCurSel();
        updateStatus();
    });
    connect(overlay, &CControlTracker::deleteRequested, this, &CDlgDesigner::OnRemove);
    connect(overlay, &CControlTracker::controlActivated, this, [this] {
        if (QLineEdit* edit = lineEdit(kContents); edit && edit->isEnabled()) {
            edit->setFocus();
            edit->selectAll();
        }
    });
    connect(comboBox(kTypeList), &QComboBox::currentIndexChanged, this,
            [this] { propertyEdited(kTypeList); });
    connect(lineEdit(kContents), &QLineEdit::textChanged, this,
            [this] { propertyEdited(kContents); });
    connect(lineEdit(kList), &QLineEdit::textChanged, this, [this] { propertyEdited(kList); });

    setWindowIcon(ovui::designerIcon(ovui::designerIcons::kWindow));
    updateTitle();
    SetDlgItemText(kTypeGroup, dialString(kTypeGroupText));
    SetDlgItemText(IDOK, dialString(kCloseText));

    adjustSize();
    initialSize_ = size();
    setMinimumSize(initialSize_);
    ChangeDlgSize(this, kSizeKey);

    Tvx_String path = m_path;
    if (!path.isEmpty() && !fileExists(path) && fileExists(getFileFromName(path))) {
        path = getFileFromName(path);  // a template name instead of a path
    }
    if (!path.isEmpty() && fileExists(path)) {
        loadTemplate(path);
        fitPicture();
    }
    last_ = currentState();
    markSaved();
    updateStatus();
    return true;
}

void CDlgDesigner::fitPicture() {
    // Show the whole page where the screen allows it; never shrink what the user chose.
    const QRect screen =
        this->screen() != nullptr ? this->screen()->availableGeometry() : QRect(0, 0, 1600, 1000);
    const int frame = 2 * scroll_->frameWidth();
    const QSize page = page_->sizeHint() + QSize(frame, frame);
    const QSize minimum = scroll_->minimumSize();
    scroll_->setMinimumSize(page.boundedTo(screen.size() * 0.8));
    const QSize wanted = sizeHint().expandedTo(size()).boundedTo(screen.size());
    scroll_->setMinimumSize(minimum);
    resize(wanted);
}

bool CDlgDesigner::loadTemplate(const Tvx_String& path) {
    Tvx_DlgDesignerData probe;
    if (!probe.readFromFile(path, false)) {
        ovMessageBox(probe.lastError(), dialString(kWindowTitle), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_data.removeAllDrawnCtrls();
    const bool read = m_data.readFromFile(path, true);
    page_->reloadPicture();
    m_data.redrawAllControls();
    m_data.updatePropsOfCurSel();
    if (!read) {
        ovMessageBox(m_data.lastError(), dialString(kWindowTitle), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    undo_->clear();
    last_ = currentState();
    markSaved();
    updateStatus();
    return true;
}

bool CDlgDesigner::isModified() const {
    return pictureChanged_ || !undo_->isClean();
}

void CDlgDesigner::markSaved() {
    undo_->setClean();
    pictureChanged_ = false;
    updateTitle();
    updateStatus();
}

void CDlgDesigner::updateTitle() {
    Tvx_String title = dialString(kWindowTitle);
    if (!m_data.getTemplateName().isEmpty()) {
        title += L" - <" + m_data.getTemplateName() + L">";
    }
    SetWindowText(title);
}

Tvx_String CDlgDesigner::startFolder() const {
    const Tvx_String root = getDesignerRootFolder();
    if (m_data.getTemplateName().isEmpty()) {
        return root;
    }
    return getFolder(getFileFromName(m_data.getTemplateName()));
}

bool CDlgDesigner::saveQuestion() {
    if (!isModified()) {
        return true;
    }
    const Tvx_String name = m_data.getTemplateName();
    const int answer = ovMessageBox(dialString(kSaveQuestion) + L"\n<" + name + L">",
                                    dialString(kSaveCaption), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) {
        return false;
    }
    if (answer == IDYES) {
        if (name.isEmpty()) {
            return OnSave();  // a template without a name asks for one; cancelling stops
        }
        if (!m_data.writeToFile(getFileFromName(name))) {
            ovMessageBox(m_data.lastError(), dialString(kSaveCaption), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        markSaved();
    }
    return true;
}

void CDlgDesigner::OnOpen() {
    if (!saveQuestion()) {
        return;
    }
    Tvx_String path = startFolder();
    if (!DlgOpenSave(true, L"txt", templateFilter(), dialString(kOpenTitle), path)) {
        return;
    }
    if (loadTemplate(path)) {
        fitPicture();
    }
}

bool CDlgDesigner::OnSave() {
    Tvx_String path = startFolder();
    if (!DlgOpenSave(false, L"txt", templateFilter(), dialString(kSaveTitle), path)) {
        return false;
    }
    if (!isBelowDesignerRoot(path)) {
        ovMessageBox(L"Templates are kept in the folder \"" + getDesignerRootFolder() +
                         L"\" and below it; \"" + path + L"\" lies outside it.",
                     dialString(kSaveTitle), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!m_data.writeToFile(path)) {
        ovMessageBox(m_data.lastError(), dialString(kSaveTitle), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    last_ = currentState();
    markSaved();
    return true;
}

void CDlgDesigner::OnAdd() {
    if (!m_data.addNewControl(kNewControlType)) {
        status_->showMessage(tr("Choose the picture first: controls are placed on it."), 5000);
        return;
    }
    const Tvx_DesignerControl* added = m_data.getControl(m_data.getNrControls() - 1);
    m_data.selectCtrls({added->resourceId});
    recordChange(tr("Add"));
    m_data.updatePropsOfCurSel();
    updateStatus();
}

void CDlgDesigner::OnRemove() {
    m_data.removeCurControls();
    page_->repaint();
    recordChange(tr("Remove"));
    m_data.updatePropsOfCurSel();
    updateStatus();
}

void CDlgDesigner::OnPicture() {
    const Tvx_String root = getDesignerRootFolder();
    Tvx_String chosen = root;
    if (!DlgOpenSave(true, L"bmp", dialString(kPictureFilter) + L" (*.bmp)", dialString(kOpenTitle),
                     chosen)) {
        return;
    }
    // The picture is kept beside the template, so the template needs its name first.
    if (m_data.getTemplateName().isEmpty() && !OnSave()) {
        return;
    }
    const Tvx_String target = root + m_data.getTemplateName() + L".bmp";
    if (!fileExists(chosen) ||
        (toFileSystemPath(chosen) != toFileSystemPath(target) && !copyFile(chosen, target, true))) {
        ovMessageBox(L"The picture \"" + chosen + L"\" cannot be copied to \"" + target + L"\".",
                     dialString(kOpenTitle), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_data.attachBitmap(target);
    if (m_data.imageWidth() == 0) {
        ovMessageBox(L"\"" + chosen + L"\" is not a picture the designer can read.",
                     dialString(kOpenTitle), MB_OK | MB_ICONEXCLAMATION);
    }
    page_->reloadPicture();
    m_data.redrawAllControls();  // the controls follow the new picture's size
    fitPicture();
    m_data.updatePropsOfCurSel();
    pictureChanged_ = true;
    updateStatus();
}

void CDlgDesigner::OnCopy() {
    m_data.copyCurCtrls();
    recordChange(tr("Copy"));
    m_data.updatePropsOfCurSel();
    updateStatus();
}

void CDlgDesigner::OnAlignBottoms() {
    m_data.outlineCurCtrls();
    recordChange(tr("Align bottoms"));
    updateStatus();
}

void CDlgDesigner::OnPlaceRight() {
    m_data.stickRightCurCtrls();
    recordChange(tr("Place right"));
    updateStatus();
}

void CDlgDesigner::OnChangeSize(bool horizontal) {
    m_data.changeCtrlSize(horizontal);
    recordChange(horizontal ? tr("Width") : tr("Height"));
    m_data.updatePropsOfCurSel();
    updateStatus();
}

void CDlgDesigner::OnUndo() {
    undo_->undo();
}

void CDlgDesigner::OnRedo() {
    undo_->redo();
}

void CDlgDesigner::selectionChanged() {
    // Undoing the next change brings this selection back too.
    last_.selection = m_data.getSelectedIds();
    m_data.updatePropsOfCurSel();
    updateStatus();
}

void CDlgDesigner::propertyEdited(int fieldId) {
    const int index = m_data.getCurSel();
    if (!m_data.propsOfCurSelUpdated()) {
        return;
    }
    if (fieldId == kTypeList) {
        m_data.updatePropsOfCurSel();
    }
    const Tvx_DesignerControl* control = m_data.getControl(index);
    const int mergeKey =
        control != nullptr && fieldId != kTypeList ? fieldId * 100000 + control->resourceId : -1;
    recordChange(fieldId == kTypeList ? tr("Change type") : tr("Edit text"), mergeKey);
    updateStatus();
}

DesignerState CDlgDesigner::currentState() {
    m_data.getSizeFromAllControls();
    return {m_data.controls(), m_data.getSelectedIds()};
}

void CDlgDesigner::recordChange(const QString& what, int mergeKey) {
    DesignerState now = currentState();
    if (now.controls == last_.controls) {
        last_ = now;
        return;
    }
    undo_->push(new DesignerStateCommand(
        what, last_, now, [this](const DesignerState& state) { applyState(state); }, mergeKey));
    last_ = std::move(now);
}

void CDlgDesigner::applyState(const DesignerState& state) {
    m_data.setControls(state.controls);
    m_data.redrawAllControls();
    m_data.selectCtrls(state.selection);
    m_data.updatePropsOfCurSel();
    last_ = state;
    updateStatus();
}

void CDlgDesigner::updateStatus() {
    if (status_ == nullptr) {
        return;
    }
    QString text;
    const int index = m_data.getCurSel();
    const Tvx_DesignerControl* control = m_data.getControl(index);
    const Tvx_ControlWindow* window = m_data.getDrawnControl(index);
    const int selected = m_data.getSelectedIds().length();
    if (control != nullptr && window != nullptr) {
        const DesignerRect r = window->rect();
        text = tr("%1  |  %2  |  x %3, y %4, %5 x %6 pixels")
                   .arg(control->contents.isEmpty() ? tr("(no text)") : toQt(control->contents),
                        toQt(getControlTypeText(control->type)))
                   .arg(r.left)
                   .arg(r.top)
                   .arg(r.width())
                   .arg(r.height());
    } else if (selected > 1) {
        text = tr("%1 controls selected").arg(selected);
    } else if (m_data.imageWidth() == 0) {
        text = tr("No picture: choose one to place controls on.");
    } else {
        text = tr("%1 controls on a picture of %2 x %3 pixels")
                   .arg(m_data.getNrControls())
                   .arg(m_data.imageWidth())
                   .arg(m_data.imageHeight());
    }
    if (isModified()) {
        text += tr("  |  modified");
    }
    status_->showMessage(text);
}

void CDlgDesigner::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            event->accept();  // Escape never closes the designer
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter in a field confirms the field, not the whole designer.
            if (auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget())) {
                button->click();
            }
            event->accept();
            return;
        default:
            OvDialog::keyPressEvent(event);
    }
}

bool CDlgDesigner::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && status_ != nullptr) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty()) {
            updateStatus();
        } else {
            status_->showMessage(tip);
        }
        return true;
    }
    return OvDialog::event(event);
}

void CDlgDesigner::OnOK() {
    if (saveQuestion()) {
        EndDialog(IDOK);
    }
}

void CDlgDesigner::OnCancel() {
    // The close box: the same question as OK.
    if (saveQuestion()) {
        EndDialog(IDCANCEL);
    }
}

void CDlgDesigner::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}

bool StartDlgDesigner(const Tvx_String& path) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgDesigner dialog;
    dialog.setTemplatePath(path);
    return dialog.DoModal() == IDOK;
}
