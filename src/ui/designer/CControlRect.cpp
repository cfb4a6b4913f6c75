// CControlRect.cpp - the widget of each control kind and its value operations.
#include "ui/designer/CControlRect.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/QtText.h"
#include "ui/designer/DesignerArtwork.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

// The height of one row of a drop-down list, for the number of rows a run-time combo shows.
constexpr int kListRowHeight = 18;

}  // namespace

CControlRect::CControlRect(const ControlWindowDescription& description, QWidget* parent)
    : description_(description), rect_(description.rect) {
    widget_ = createWidget(parent);
    widget_->setProperty("ovControlId", description.id);
    widget_->setObjectName(QStringLiteral("designed%1").arg(description.id));
    if (description.designMode) {
        // Disabled so that nothing reacts, but drawn as at run time so the design stays readable.
        QPalette palette = widget_->palette();
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
        }
        widget_->setPalette(palette);
        // The designer's tracker takes the mouse and the keyboard.
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget_->setFocusPolicy(Qt::NoFocus);
        for (QWidget* child : widget_->findChildren<QWidget*>()) {
            child->setAttribute(Qt::WA_TransparentForMouseEvents);
            child->setFocusPolicy(Qt::NoFocus);
        }
    }
    if (description.groupBox || description.kind == Tvx_ControlKind::Static) {
        // Labels and frames let clicks through to the controls they lie over, and sit below them.
        widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget_->lower();
    }
    widget_->setEnabled(description.enabled);
    setRect(description.rect);
    widget_->show();
}

CControlRect::~CControlRect() {
    delete widget_.data();  // null when the dialog already took its children down
}

QWidget* CControlRect::createWidget(QWidget* parent) {
    const QString text = toQt(description_.text);
    switch (description_.kind) {
        case Tvx_ControlKind::Static: {
            auto* label = new QLabel(text, parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case Tvx_ControlKind::Button:
            if (description_.groupBox) {
                return new QGroupBox(text, parent);
            }
            if (description_.checkBox) {
                auto* check = new QCheckBox(text, parent);
                connect(check, &QCheckBox::stateChanged, this, [this] { emit valueChanged(id()); });
                return check;
            }
            if (description_.flexButton) {
                auto* flex = new QPushButton(parent);
                flex->setCheckable(true);
                flex->setIcon(ovui::designerIcon(ovui::designerIcons::kFlex));
                flex->setToolTip(text);
                flexText_ = description_.text;
                connect(flex, &QPushButton::toggled, this, [this] { emit valueChanged(id()); });
                return flex;
            }
            return new QPushButton(text, parent);
        case Tvx_ControlKind::Edit:
            if (description_.multiLine) {
                auto* edit = new QPlainTextEdit(text, parent);
                edit->setTabChangesFocus(true);
                edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                edit->document()->setDocumentMargin(1);
                connect(edit, &QPlainTextEdit::textChanged, this,
                        [this] { emit valueChanged(id()); });
                return edit;
            } else {
                auto* edit = new QLineEdit(text, parent);
                edit->setCursorPosition(0);
                connect(edit, &QLineEdit::textEdited, this, [this] { emit valueChanged(id()); });
                return edit;
            }
        case Tvx_ControlKind::Combobox: {
            auto* box = new QComboBox(parent);
            box->setEditable(description_.editableCombo);
            if (description_.fieldHeight > 0) {
                box->setMaxVisibleItems(std::max(
                    1, (description_.rect.height() - description_.fieldHeight) / kListRowHeight));
            }
            connect(box, &QComboBox::currentIndexChanged, this,
                    [this] { emit valueChanged(id()); });
            if (box->lineEdit() != nullptr) {
                connect(box->lineEdit(), &QLineEdit::textEdited, this,
                        [this] { emit valueChanged(id()); });
            }
            return box;
        }
        case Tvx_ControlKind::Listbox:
        case Tvx_ControlKind::Scrollbar:
            break;
    }
    return new QLabel(text, parent);
}

QComboBox* CControlRect::combo() const {
    return qobject_cast<QComboBox*>(widget_.data());
}

void CControlRect::setRect(const DesignerRect& rect) {
    rect_ = rect;
    if (!widget_) {
        return;
    }
    // A run-time combo's rectangle includes its drop-down list; the widget is the field.
    const int height = description_.fieldHeight > 0 && combo() != nullptr ? description_.fieldHeight
                                                                          : rect.height();
    widget_->setGeometry(rect.left, rect.top, std::max(rect.width(), 1), std::max(height, 1));
    applyFlexText();
}

void CControlRect::applyFlexText() {
    auto* flex = description_.flexButton ? qobject_cast<QPushButton*>(widget_.data()) : nullptr;
    if (flex == nullptr) {
        return;
    }
    const int side = std::max(8, std::min(rect_.height() - 6, 32));
    flex->setIconSize(QSize(side, side));
    // The icon is the button; its name is added when the button is wide enough to hold it.
    const QString name = toQt(flexText_);
    const int needed = side + flex->fontMetrics().horizontalAdvance(name) + 16;
    flex->setText(rect_.width() >= needed ? name : QString());
}

Tvx_String CControlRect::text() const {
    if (!widget_) {
        return Tvx_String();
    }
    if (description_.flexButton) {
        return flexText_;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget_.data())) {
        return fromQt(edit->text());
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        return fromQt(edit->toPlainText());
    }
    if (auto* box = combo()) {
        return fromQt(box->currentText());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget_.data())) {
        return fromQt(group->title());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
        return fromQt(button->text());
    }
    if (auto* label = qobject_cast<QLabel*>(widget_.data())) {
        return fromQt(label->text());
    }
    return Tvx_String();
}

void CControlRect::setText(const Tvx_String& text) {
    if (!widget_) {
        return;
    }
    const QString value = toQt(text);
    if (description_.flexButton) {
        flexText_ = text;
        widget_->setToolTip(value);
        applyFlexText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget_.data())) {
        edit->setText(value);
        edit->setCursorPosition(0);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        edit->setPlainText(value);
    } else if (auto* box = combo()) {
        if (box->isEditable()) {
            box->setEditText(value);
            box->lineEdit()->setCursorPosition(0);
        } else {
            // A drop-down list cannot show free text; with nothing selected it shows it greyed.
            box->setPlaceholderText(value);
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(widget_.data())) {
        group->setTitle(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
        button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget_.data())) {
        label->setText(value);
    }
}

bool CControlRect::isEnabled() const {
    return widget_ && widget_->isEnabled();
}

void CControlRect::setEnabled(bool enabled) {
    if (widget_) {
        widget_->setEnabled(enabled);
    }
}

bool CControlRect::isVisible() const {
    return widget_ && !widget_->isHidden();
}

void CControlRect::setVisible(bool visible) {
    if (widget_) {
        widget_->setVisible(visible);
    }
}

void CControlRect::setFocus() {
    if (!widget_) {
        return;
    }
    widget_->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget_.data())) {
        edit->selectAll();
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        edit->selectAll();
        edit->ensureCursorVisible();
    } else if (auto* box = combo(); box && box->lineEdit()) {
        box->lineEdit()->selectAll();
    }
}

int CControlRect::checkState() const {
    if (auto* check = qobject_cast<QCheckBox*>(widget_.data())) {
        switch (check->checkState()) {
            case Qt::Checked:
                return kCtrlChecked;
            case Qt::PartiallyChecked:
                return kCtrlIndeterminate;
            case Qt::Unchecked:
                return kCtrlUnchecked;
        }
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
        return button->isChecked() ? kCtrlChecked : kCtrlUnchecked;
    }
    return kCtrlUnchecked;
}

void CControlRect::setCheckState(int state, bool threeState) {
    if (auto* check = qobject_cast<QCheckBox*>(widget_.data())) {
        check->setTristate(threeState);
        check->setCheckState(state == kCtrlChecked         ? Qt::Checked
                             : state == kCtrlIndeterminate ? Qt::PartiallyChecked
                                                           : Qt::Unchecked);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_.data());
               button && button->isCheckable()) {
        button->setChecked(state == kCtrlChecked);
    }
}

void CControlRect::setItems(const Tvx_StringArray& items) {
    if (auto* box = combo()) {
        const QSignalBlocker blocker(box);
        box->clear();
        box->addItems(ovui::toQt(items));
        box->setCurrentIndex(-1);
    }
}

int CControlRect::itemCount() const {
    const QComboBox* box = combo();
    return box != nullptr ? box->count() : 0;
}

Tvx_String CControlRect::itemText(int index) const {
    const QComboBox* box = combo();
    return box != nullptr ? fromQt(box->itemText(index)) : Tvx_String();
}

int CControlRect::selectedIndex() const {
    const QComboBox* box = combo();
    return box != nullptr ? box->currentIndex() : -1;
}

void CControlRect::setSelectedIndex(int index) {
    if (auto* box = combo()) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    }
}
