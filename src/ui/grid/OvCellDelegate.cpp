// OvCellDelegate.cpp - painting, editors and clicks per cell type.
#include "ui/grid/OvCellDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyle>

#include "grid/CellTypes.h"
#include "grid/Grid.h"
#include "ui/grid/CellPainters.h"
#include "ui/grid/GridLook.h"
#include "ui/grid/NumberInputValidator.h"
#include "ui/grid/OvSpreadModel.h"
#include "ui/resources/TreeMarks.h"

namespace ovui::grid {

namespace {

// Combo style bit that lets the user type a text of his own.
constexpr long kEditableComboBit = 0x2;
constexpr int kTextMargin = 3;

const OvSpreadModel* spreadModel(const QModelIndex& index) {
    return qobject_cast<const OvSpreadModel*>(index.model());
}

ovgrid::CellType typeOf(const QModelIndex& index) {
    ovgrid::CellType type;
    if (const OvSpreadModel* model = spreadModel(index)) {
        model->cellType(index, type);
    }
    return type;
}

// Editors sit on the view's grey outside area: give them the cell's white.
void whiteBase(QWidget& editor) {
    QPalette colours = editor.palette();
    colours.setColor(QPalette::Base, kCellBackground);
    colours.setColor(QPalette::Text, kCellText);
    editor.setPalette(colours);
    editor.setAutoFillBackground(true);
}

void repaint(const QStyleOptionViewItem& option) {
    if (auto* view = qobject_cast<const QAbstractItemView*>(option.widget)) {
        const_cast<QAbstractItemView*>(view)->viewport()->update();
    }
}

bool isCurrent(const QStyleOptionViewItem& option, const QModelIndex& index) {
    auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    return view && view->currentIndex() == index;
}

}  // namespace

void OvCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const bool current = isCurrent(option, index);
    // The active cell keeps its own colours and gets a frame, as in a spreadsheet.
    const bool highlighted = selected && !current;
    const QVariant background = index.data(Qt::BackgroundRole);
    QColor fill = background.isValid() ? background.value<QBrush>().color() : kCellBackground;
    if (highlighted) {
        fill = option.palette.color(QPalette::Highlight);
    }
    painter->fillRect(option.rect, fill);

    const ovgrid::CellType type = typeOf(index);
    const bool enabled = (index.flags() & Qt::ItemIsUserCheckable) != 0;
    switch (type.type) {
        case ovgrid::kTypeCheck:
            // A tree grid's marks fill their cell so that branch lines meet across rows.
            if (const int mark = static_cast<int>(
                    type.checkPictures[index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? 1
                                                                                             : 0]);
                isTreeMarkBitmap(mark)) {
                paintTreeMark(*painter, option.rect, mark);
                break;
            }
            painter->save();
            painter->setFont(index.data(Qt::FontRole).value<QFont>());
            paintCheckCell(*painter, option.rect,
                           index.data(Qt::CheckStateRole).toInt() == Qt::Checked, enabled,
                           QString::fromStdWString(type.text), option.widget);
            painter->restore();
            break;
        case ovgrid::kTypeButton:
            paintButtonCell(*painter, option.rect, QString::fromStdWString(type.text),
                            pressedButton_ == index, index.data(Qt::FontRole).value<QFont>(),
                            option.widget);
            break;
        case ovgrid::kTypePicture:
            paintPictureCell(*painter, option.rect.adjusted(1, 1, -1, -1), type);
            break;
        default:
            paintText(*painter, option, index, highlighted);
            break;
    }
    paintGridLines(*painter, option.rect, index);
    paintBorder(*painter, option.rect, index);
    if (current) {
        painter->save();
        painter->setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
}

void OvCellDelegate::paintText(QPainter& painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index, bool selected) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) {
        return;
    }
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor color = foreground.isValid() ? foreground.value<QBrush>().color() : kCellText;
    if (selected) {
        color = option.palette.color(QPalette::HighlightedText);
    }
    const QFont font = index.data(Qt::FontRole).value<QFont>();
    const auto align = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    const QRect rect = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.setClipRect(option.rect);
    const QString shown = text.contains(u'\n')
                              ? text
                              : QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, static_cast<int>(align), shown);
    painter.restore();
}

// Each cell draws its right and bottom line, so a span shows lines only around the whole.
void OvCellDelegate::paintGridLines(QPainter& painter, const QRect& rect,
                                    const QModelIndex& index) const {
    const OvSpreadModel* model = spreadModel(index);
    const ovgrid::Grid* grid = model ? model->grid() : nullptr;
    const QColor color = grid ? toQColor(grid->appearance().gridLineColor, kGridLine) : kGridLine;
    painter.save();
    painter.setPen(QPen(color, 1));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.restore();
}

void OvCellDelegate::paintBorder(QPainter& painter, const QRect& rect,
                                 const QModelIndex& index) const {
    const OvSpreadModel* model = spreadModel(index);
    const ovgrid::CellStyle* style = model ? model->cellStyle(index) : nullptr;
    if (!style || style->border.style == 0) {
        return;
    }
    const BorderSides sides = borderSides(style->border.type);
    if (!sides.any()) {
        return;
    }
    painter.save();
    painter.setPen(QPen(toQColor(style->border.color, Qt::black), 1));
    const QRect r = rect.adjusted(0, 0, -1, -1);
    if (sides.left)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (sides.right)
        painter.drawLine(r.topRight(), r.bottomRight());
    if (sides.top)
        painter.drawLine(r.topLeft(), r.topRight());
    if (sides.bottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.restore();
}

QWidget* OvCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                      const QModelIndex& index) const {
    const ovgrid::CellType type = typeOf(index);
    const QFont font = index.data(Qt::FontRole).value<QFont>();
    if (type.type == ovgrid::kTypeCombo) {
        auto* combo = new QComboBox(parent);
        combo->setFont(font);
        const bool groupHeaders = (type.style & ovgrid::kComboGroupHeadersBit) != 0;
        auto* items = qobject_cast<QStandardItemModel*>(combo->model());
        for (const std::wstring& item : type.items) {
            combo->addItem(QString::fromStdWString(item));
            if (groupHeaders && items != nullptr && ovgrid::isComboGroupHeader(item)) {
                // Shown as a caption: neither the mouse nor the arrow keys can choose it.
                QStandardItem* header = items->item(combo->count() - 1);
                header->setFlags(header->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
                QFont bold = font;
                bold.setBold(true);
                header->setFont(bold);
            }
        }
        if (groupHeaders) {
            // Grouped lists are long: a scrolling drop-down as wide as its longest item, not a
            // list over the whole window with the headers cut short.
            combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
            combo->setMaxVisibleItems(12);
            combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) +
                                           combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                           8);
        }
        combo->setEditable((type.style & kEditableComboBit) != 0);
        whiteBase(*combo);
        return combo;
    }
    auto* edit = new QLineEdit(parent);
    edit->setFont(font);
    edit->setFrame(false);
    whiteBase(*edit);
    if (type.type == ovgrid::kTypeNumber) {
        edit->setValidator(
            new NumberInputValidator(type.decimals, type.minimum, type.maximum, edit));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else if (type.type == ovgrid::kTypeEdit && type.maxLength > 0) {
        edit->setMaxLength(type.maxLength);
    }
    return edit;
}

void OvCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int found = combo->findText(text);
        if (found >= 0) {
            combo->setCurrentIndex(found);
        } else if (combo->isEditable()) {
            combo->setEditText(text);
        }
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit) {
        return;
    }
    edit->setText(text);
    // A find hit opens the editor with the matched characters selected.
    const OvSpreadModel* model = spreadModel(index);
    const ovgrid::Grid* grid = model ? model->grid() : nullptr;
    if (grid && grid->isEditModeOn()) {
        int start = 0, end = 0;
        grid->getEditSelection(start, end);
        if (end > start && end <= text.size()) {
            edit->setSelection(start, end - start);
        }
    }
}

void OvCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        // A number still being typed ("-", "1.") is not stored.
        if (edit->hasAcceptableInput()) {
            model->setData(index, edit->text(), Qt::EditRole);
        }
    }
}

void OvCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                          const QModelIndex& /*index*/) const {
    editor->setGeometry(option.rect.adjusted(1, 1, -1, -1));
}

bool OvCellDelegate::toggleCheck(QAbstractItemModel* model, const QModelIndex& index) {
    if (!(index.flags() & Qt::ItemIsUserCheckable)) {
        return false;
    }
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    if (!model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole)) {
        return false;
    }
    emit checkToggled(index);
    return true;
}

bool OvCellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    const int type = index.data(OvSpreadModel::CellTypeRole).toInt();
    if (type != ovgrid::kTypeCheck && type != ovgrid::kTypeButton) {
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton ||
                !option.rect.contains(mouse->position().toPoint())) {
                return false;
            }
            if (type == ovgrid::kTypeButton) {
                pressedButton_ = index;
                repaint(option);
            }
            // Let the view make the cell current; the click itself acts on release.
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const bool inside = option.rect.contains(mouse->position().toPoint());
            if (mouse->button() != Qt::LeftButton) {
                return false;
            }
            if (type == ovgrid::kTypeButton) {
                pressedButton_ = QPersistentModelIndex();
                repaint(option);
                if (inside) {
                    emit buttonClicked(index);
                }
                return true;
            }
            return inside && toggleCheck(model, index);
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Space && key != Qt::Key_Select) {
                return false;
            }
            if (type == ovgrid::kTypeButton) {
                emit buttonClicked(index);
                return true;
            }
            return toggleCheck(model, index);
        }
        default:
            return false;
    }
}

}  // namespace ovui::grid
