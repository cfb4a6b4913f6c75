// OvSpreadModel.cpp - the table model over a grid: roles, edits and header data.
#include "ui/grid/OvSpreadModel.h"

#include <QBrush>

#include "base/ColumnLetters.h"
#include "core/MessageService.h"
#include "spread/Tvx_Spread.h"
#include "ui/grid/GridLook.h"

namespace ovui::grid {

namespace {

using ovgrid::HEADER;

QString qt(const std::wstring& text) {
    return QString::fromStdWString(text);
}

bool isNumberText(const std::wstring& text) {
    if (text.empty()) {
        return false;
    }
    bool ok = false;
    QString::fromStdWString(text).trimmed().toDouble(&ok);
    return ok;
}

// Cell types whose contents are not typed in.
bool isTypedIn(int type) {
    return type != ovgrid::kTypeStatic && type != ovgrid::kTypeCheck &&
           type != ovgrid::kTypeButton && type != ovgrid::kTypePicture;
}

}  // namespace

QString defaultColumnHeader(int col) {
    return QString::fromStdWString(ovbase::columnLetters(col));
}

OvSpreadModel::OvSpreadModel(Tvx_Spread* spread, QObject* parent)
    : QAbstractTableModel(parent), spread_(spread) {
    if (ovgrid::Grid* g = grid()) {
        rows_ = g->getMaxRows();
        cols_ = g->getMaxCols();
    }
}

void OvSpreadModel::setSpread(Tvx_Spread* spread) {
    beginResetModel();
    spread_ = spread;
    const ovgrid::Grid* g = grid();
    rows_ = g ? g->getMaxRows() : 0;
    cols_ = g ? g->getMaxCols() : 0;
    endResetModel();
}

ovgrid::Grid* OvSpreadModel::grid() const {
    return spread_ ? spread_->grid() : nullptr;
}

void OvSpreadModel::refresh() {
    const ovgrid::Grid* g = grid();
    const int rows = g ? g->getMaxRows() : 0;
    const int cols = g ? g->getMaxCols() : 0;
    if (rows != rows_ || cols != cols_) {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
        return;
    }
    if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }
    if (cols_ > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    }
    if (rows_ > 0) {
        emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
    }
}

int OvSpreadModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int OvSpreadModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

// The counts may have shrunk in the grid since the last refresh: check both.
bool OvSpreadModel::inGrid(const QModelIndex& index) const {
    const ovgrid::Grid* g = grid();
    return g && index.isValid() && index.row() < rows_ && index.column() < cols_ &&
           index.row() < g->getMaxRows() && index.column() < g->getMaxCols();
}

const ovgrid::CellStyle* OvSpreadModel::cellStyle(const QModelIndex& index) const {
    return inGrid(index) ? &grid()->cellStyle(index.column() + 1, index.row() + 1) : nullptr;
}

bool OvSpreadModel::cellType(const QModelIndex& index, ovgrid::CellType& out) const {
    const ovgrid::CellStyle* style = cellStyle(index);
    if (!style) {
        return false;
    }
    out = style->hasType ? style->cellType : ovgrid::CellType{};
    return true;
}

QVariant OvSpreadModel::alignment(const QModelIndex& index, const ovgrid::CellStyle& style) const {
    const int type = style.hasType ? style.cellType.type : ovgrid::kTypeEdit;
    if (type == ovgrid::kTypeCheck || type == ovgrid::kTypeButton || type == ovgrid::kTypePicture) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    // Numbers line up on the right, as in any spreadsheet.
    std::wstring value;
    grid()->getValue(index.column() + 1, index.row() + 1, value);
    if (type == ovgrid::kTypeNumber || isNumberText(value)) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
}

QVariant OvSpreadModel::data(const QModelIndex& index, int role) const {
    const ovgrid::CellStyle* style = cellStyle(index);
    if (!style) {
        return {};
    }
    const ovgrid::Grid& g = *grid();
    const int col = index.column() + 1, row = index.row() + 1;
    const int type = style->hasType ? style->cellType.type : ovgrid::kTypeEdit;
    switch (role) {
        case Qt::DisplayRole: {
            if (type == ovgrid::kTypeCheck || type == ovgrid::kTypeButton) {
                return qt(style->cellType.text);
            }
            if (type == ovgrid::kTypePicture) {
                return {};
            }
            std::wstring text;
            g.getData(col, row, text);
            return qt(text);
        }
        case Qt::EditRole: {
            std::wstring text;
            if (g.hasFormula(col, row)) {
                g.getFormula(col, row, text);
                return QStringLiteral("=") + qt(text);
            }
            g.getData(col, row, text);
            return qt(text);
        }
        case Qt::CheckStateRole: {
            if (type != ovgrid::kTypeCheck) {
                return {};
            }
            std::wstring value;
            g.getValue(col, row, value);
            return value == L"1" ? Qt::Checked : Qt::Unchecked;
        }
        case Qt::BackgroundRole:
            if (auto color = toQColor(style->background)) {
                return QBrush(*color);
            }
            return {};
        case Qt::ForegroundRole:
            if (auto color = toQColor(style->foreground)) {
                return QBrush(*color);
            }
            return {};
        case Qt::FontRole:
            return toQFont(g.font(style->font));
        case Qt::TextAlignmentRole:
            return alignment(index, *style);
        case CellTypeRole:
            return type;
        default:
            return {};
    }
}

bool OvSpreadModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!inGrid(index) || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable))) {
        return false;
    }
    const int col = index.column() + 1, row = index.row() + 1;
    bool done = false;
    if (role == Qt::CheckStateRole) {
        if (data(index, CellTypeRole).toInt() != ovgrid::kTypeCheck) {
            return false;
        }
        const bool checked = value.toInt() == Qt::Checked;
        done = spread_->SSSetValue(col, row, checked ? L"1" : L"0");
    } else if (role == Qt::EditRole) {
        const std::wstring text = value.toString().toStdWString();
        done = !text.empty() && text.front() == L'=' ? spread_->SSSetFormula(col, row, text, true)
                                                     : spread_->SSSetData(col, row, text);
    }
    if (!done) {
        if (role == Qt::EditRole) {
            explainRefusedEdit(col, row, value.toString());
        }
        return false;
    }
    // A formula may feed any other cell: let the view repaint them all.
    emit dataChanged(this->index(0, 0), this->index(rows_ - 1, cols_ - 1));
    emit cellEdited(col, row);
    return true;
}

// Typed text is never dropped in silence: the cell's type says why it was not taken.
void OvSpreadModel::explainRefusedEdit(int col, int row, const QString& text) const {
    const ovgrid::Grid* g = grid();
    if (!g || text.isEmpty()) {
        return;
    }
    ovgrid::CellType type;
    const std::wstring cell = ovbase::columnLetters(col) + std::to_wstring(row);
    std::wstring reason;
    if (g->hasCellType(col, row) && g->getCellType(col, row, type) &&
        type.type == ovgrid::kTypeNumber) {
        reason = L"Cell " + cell + L" takes numbers only: \"" + text.toStdWString() +
                 L"\" is not a number.";
    } else if (!text.isEmpty() && text.front() == QLatin1Char('=')) {
        reason = L"Cell " + cell + L": the formula " + text.toStdWString() + L" does not compile.";
    } else {
        reason = L"Cell " + cell + L" does not take \"" + text.toStdWString() + L"\".";
    }
    ovMessageBox(Tvx_String(reason), L"Value not taken", MB_OK | MB_ICONEXCLAMATION);
}

QVariant OvSpreadModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const ovgrid::Grid* g = grid();
    if (!g || section < 0) {
        return {};
    }
    const bool horizontal = orientation == Qt::Horizontal;
    const int col = horizontal ? section + 1 : HEADER;
    const int row = horizontal ? HEADER : section + 1;
    if ((horizontal && col > g->getMaxCols()) || (!horizontal && row > g->getMaxRows())) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole: {
            std::wstring text;
            g->getData(col, row, text);
            if (!text.empty()) {
                return qt(text);
            }
            return horizontal ? defaultColumnHeader(col) : QString::number(row);
        }
        case Qt::FontRole: {
            // Headers without a font of their own are bold, as the standard look has them.
            const int handle = g->cellStyle(col, row).font;
            QFont font = toQFont(g->font(handle));
            if (handle == 0) {
                font.setBold(true);
            }
            return font;
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return QBrush(toQColor(g->appearance().headerBackground, kHeaderFace));
        case Qt::ForegroundRole:
            return QBrush(toQColor(g->appearance().headerForeground, kCellText));
        default:
            return {};
    }
}

Qt::ItemFlags OvSpreadModel::flags(const QModelIndex& index) const {
    const ovgrid::CellStyle* style = cellStyle(index);
    if (!style) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int col = index.column() + 1, row = index.row() + 1;
    // A cell inside a span is edited through its anchor, and so locked by the anchor's lock.
    bool locked = style->locked;
    int anchorCol = 0, anchorRow = 0, spanCols = 0, spanRows = 0;
    if (grid()->getCellSpan(col, row, anchorCol, anchorRow, spanCols, spanRows)) {
        locked = grid()->isLocked(anchorCol, anchorRow);
    }
    if (locked) {
        return result;
    }
    const int type = style->hasType ? style->cellType.type : ovgrid::kTypeEdit;
    if (type == ovgrid::kTypeCheck) {
        result |= Qt::ItemIsUserCheckable;
    } else if (isTypedIn(type)) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

}  // namespace ovui::grid
