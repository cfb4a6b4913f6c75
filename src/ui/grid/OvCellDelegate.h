// OvCellDelegate.h - paints and edits the cells of a grid view by their cell type: edit and
// number cells get a line editor (numbers checked as typed), combo cells a combo box
// (editable when the type says so), check boxes toggle on a click or Space, buttons click,
// static and picture cells only show. Borders and the active cell frame are drawn here too.
#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

namespace ovui::grid {

class OvSpreadModel;

class OvCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

  signals:
    // A check box cell was toggled (its new state is already in the grid).
    void checkToggled(const QModelIndex& index);
    void buttonClicked(const QModelIndex& index);

  protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

  private:
    bool toggleCheck(QAbstractItemModel* model, const QModelIndex& index);
    void paintText(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                   bool selected) const;
    void paintGridLines(QPainter& painter, const QRect& rect, const QModelIndex& index) const;
    void paintBorder(QPainter& painter, const QRect& rect, const QModelIndex& index) const;

    QPersistentModelIndex pressedButton_;
};

}  // namespace ovui::grid
