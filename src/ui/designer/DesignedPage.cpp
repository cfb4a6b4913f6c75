// DesignedPage.cpp - the picture, the control widgets over it, Tab through the designed order and
// the designer's fields and prompt.
#include "ui/designer/DesignedPage.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QResizeEvent>

#include "core/PromptService.h"
#include "ui/OvDialog.h"
#include "ui/QtText.h"
#include "ui/designer/CControlRect.h"
#include "ui/designer/CControlTracker.h"

using ovui::fromQt;
using ovui::toQt;

namespace {

// The framework dialogs' font is about 11 pixels high; designed controls are sized for it.
constexpr int kControlFontPixels = 11;
// The page of a template without a picture.
const QSize kEmptyPageSize(400, 260);

}  // namespace

QPixmap loadDesignerPicture(const Tvx_String& path) {
    if (path.isEmpty()) {
        return QPixmap();
    }
    QImage image(toQt(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (image.isNull()) {
        return QPixmap();
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00ffffffu) == 0x00ffffffu) {
                line[x] = 0;  // pure white is the transparent colour
            }
        }
    }
    return QPixmap::fromImage(image);
}

DesignedPage::DesignedPage(QWidget* parent) : QWidget(parent) {
    QFont controls = font();
    controls.setPixelSize(kControlFontPixels);
    setFont(controls);
}

// The drawn controls belong to the data; their widgets die with the page and they notice.
DesignedPage::~DesignedPage() = default;

bool DesignedPage::showTemplate(Tvx_DlgDesignerData& data) {
    data_ = &data;
    if (!data.initialize(this, kFirstRunTimeId, kLastRunTimeId, 0, 0, 0, 0, 0, false)) {
        return false;
    }
    reloadPicture();
    data.redrawAllControls();
    // Qt's own focus chain follows the designed order too, so that Tab leaves the page in order.
    QWidget* previous = nullptr;
    for (int order = 1;; ++order) {
        int index = -1;
        if (!data.findCtrlWithTabOrder(order, index)) {
            break;
        }
        const Tvx_DesignerControl* control = data.getControl(index);
        QWidget* widget = control != nullptr ? controlWidget(control->resourceId) : nullptr;
        if (widget == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    return true;
}

bool DesignedPage::startDesign(Tvx_DlgDesignerData& data, OvDialog* fields, int firstId, int lastId,
                               int typeFieldId, int contentsLabelId, int contentsFieldId,
                               int listLabelId, int listFieldId) {
    data_ = &data;
    fields_ = fields;
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    if (!data.initialize(this, firstId, lastId, typeFieldId, contentsLabelId, contentsFieldId,
                         listLabelId, listFieldId, true)) {
        return false;
    }
    delete tracker_;
    tracker_ = new CControlTracker(data, this);
    tracker_->show();
    reloadPicture();
    return true;
}

QWidget* DesignedPage::controlWidget(int id) const {
    if (data_ == nullptr) {
        return nullptr;
    }
    auto* drawn = dynamic_cast<CControlRect*>(data_->getCtrlPtr(id));
    return drawn != nullptr ? drawn->widget() : nullptr;
}

void DesignedPage::reloadPicture() {
    picture_ = data_ != nullptr ? loadDesignerPicture(data_->getPicturePath()) : QPixmap();
    setMinimumSize(contentSize());
    updateGeometry();
    update();
}

QSize DesignedPage::contentSize() const {
    QSize size = picture_.isNull() ? kEmptyPageSize : picture_.size();
    if (data_ != nullptr) {
        // Controls reaching beyond the picture stay reachable (run-time combos excepted: their
        // rectangle includes the list, which opens over everything).
        for (int i = 0; i < data_->getNrDrawnControls(); ++i) {
            auto* drawn = dynamic_cast<CControlRect*>(data_->getDrawnControl(i));
            if (drawn != nullptr && drawn->widget() != nullptr) {
                const QRect geometry = drawn->widget()->geometry();
                size = size.expandedTo(QSize(geometry.right() + 1, geometry.bottom() + 1));
            }
        }
    }
    return size;
}

QSize DesignedPage::sizeHint() const {
    return contentSize();
}

QSize DesignedPage::minimumSizeHint() const {
    return contentSize();
}

std::unique_ptr<Tvx_ControlWindow> DesignedPage::createControlWindow(
    const ControlWindowDescription& description) {
    auto drawn = std::make_unique<CControlRect>(description, this);
    connect(drawn.get(), &CControlRect::valueChanged, this, &DesignedPage::controlValueChanged);
    if (tracker_ != nullptr) {
        tracker_->raise();
    }
    return drawn;
}

void DesignedPage::repaint() {
    setMinimumSize(contentSize());
    update();
    if (tracker_ != nullptr) {
        tracker_->raise();
        tracker_->update();
    }
}

int DesignedPage::focusedWindowId() const {
    // The focus may sit in a part of a control (the edit field of a combo box).
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (widget->parentWidget() == this && widget->property("ovControlId").isValid()) {
            return widget->property("ovControlId").toInt();
        }
    }
    return 0;
}

bool DesignedPage::isShiftDown() const {
    return QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
}

bool DesignedPage::promptString(const Tvx_String& title, const Tvx_String& prompt,
                                const Tvx_String& value, const Tvx_String& okText,
                                const Tvx_String& cancelText, Tvx_String& answer) {
    Tvx_DlgPromptString dialog(title, prompt, value, okText, cancelText);
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    answer = dialog.m_value;
    return true;
}

void DesignedPage::fillList(int id, const Tvx_StringArray& items) {
    if (QComboBox* box = fields_ != nullptr ? fields_->comboBox(id) : nullptr) {
        const QSignalBlocker blocker(box);
        box->clear();
        box->addItems(ovui::toQt(items));
    }
}

void DesignedPage::selectListIndex(int id, int index) {
    if (QComboBox* box = fields_ != nullptr ? fields_->comboBox(id) : nullptr) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(index);
    }
}

int DesignedPage::listIndex(int id) const {
    const QComboBox* box = fields_ != nullptr ? fields_->comboBox(id) : nullptr;
    return box != nullptr ? box->currentIndex() : -1;
}

void DesignedPage::setItemText(int id, const Tvx_String& text) {
    if (fields_ != nullptr) {
        fields_->SetDlgItemText(id, text);
    }
}

Tvx_String DesignedPage::itemText(int id) const {
    return fields_ != nullptr ? fields_->GetDlgItemText(id) : Tvx_String();
}

void DesignedPage::enableItem(int id, bool enable) {
    if (fields_ != nullptr) {
        fields_->EnableItem(id, enable);
    }
}

void DesignedPage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    // The button face (design mode) or the dialog's own background shows through white.
    painter.drawPixmap(0, 0, picture_);
}

void DesignedPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (tracker_ != nullptr) {
        tracker_->setGeometry(rect());
    }
}

bool DesignedPage::focusNextPrevChild(bool next) {
    if (data_ != nullptr && !data_->isDesignMode()) {
        Tvx_TabMsgHandle result = kTabNotHandled;
        if (data_->handleTabKey(kVirtualKeyTab, !next, result) && result == kTabMovedFocus) {
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}
