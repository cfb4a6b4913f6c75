// CCheckComboBox.cpp - the check-box drop-down list.
#include "ui/controls/CCheckComboBox.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStylePainter>

#include "ui/QtText.h"

CCheckComboBox::CCheckComboBox(QWidget* parent)
    : QComboBox(parent), model_(new QStandardItemModel(this)) {
    setModel(model_);
    view()->viewport()->installEventFilter(this);
}

int CCheckComboBox::AddString(const Tvx_String& text) {
    auto* entry = new QStandardItem(ovui::toQt(text));
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    entry->setData(Qt::Unchecked, Qt::CheckStateRole);
    model_->appendRow(entry);
    update();
    return model_->rowCount() - 1;
}

void CCheckComboBox::ResetContent() {
    model_->clear();
    update();
}

bool CCheckComboBox::SetCheck(int index, bool checked) {
    QStandardItem* entry = model_->item(index);
    if (entry == nullptr) {
        return false;
    }
    entry->setData(checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    update();
    emit checkChanged(index, checked);
    return true;
}

bool CCheckComboBox::GetCheck(int index) const {
    const QStandardItem* entry = model_->item(index);
    return entry != nullptr && entry->data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

Tvx_StringArray CCheckComboBox::checkedTexts() const {
    Tvx_StringArray texts;
    for (int i = 0; i < model_->rowCount(); ++i) {
        if (GetCheck(i)) {
            texts.append(ovui::fromQt(model_->item(i)->text()));
        }
    }
    return texts;
}

QString CCheckComboBox::summaryText() const {
    return ovui::toQt(checkedTexts()).join(QStringLiteral(", "));
}

bool CCheckComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view()->indexAt(mouse->position().toPoint());
        if (index.isValid()) {
            SetCheck(index.row(), !GetCheck(index.row()));
        }
        return true;  // keep the list open
    }
    return QComboBox::eventFilter(watched, event);
}

void CCheckComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = summaryText();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
