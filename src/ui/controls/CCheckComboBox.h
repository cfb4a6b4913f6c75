// CCheckComboBox.h - a drop-down list whose entries carry check boxes. Clicking an entry toggles
// it and keeps the list open; the closed box shows the checked entries joined with ", ".
#pragma once

#include <QComboBox>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class QStandardItemModel;

class CCheckComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit CCheckComboBox(QWidget* parent = nullptr);

    // Appends an unchecked entry; returns its index.
    int AddString(const Tvx_String& text);
    void ResetContent();
    int GetCount() const { return count(); }
    // False when the index is out of range.
    bool SetCheck(int index, bool checked);
    bool GetCheck(int index) const;
    Tvx_StringArray checkedTexts() const;
    // What the closed box shows.
    QString summaryText() const;

  signals:
    void checkChanged(int index, bool checked);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QStandardItemModel* model_;
};
