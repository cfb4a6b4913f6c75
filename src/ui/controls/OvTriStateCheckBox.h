// OvTriStateCheckBox.h - a check box with the framework's three states: 0 off, 1 on, 2 mixed
// (for a value that differs across several selected objects). Once the user changes a mixed box
// it becomes a plain two-state box, so a mixed value is never chosen by accident.
#pragma once

#include <QCheckBox>

class OvTriStateCheckBox : public QCheckBox {
    Q_OBJECT

  public:
    explicit OvTriStateCheckBox(const QString& text = QString(), QWidget* parent = nullptr);

    // 0, 1 or 2; other values count as 1.
    void setState(int state);
    int state() const;

  protected:
    void nextCheckState() override;
};
