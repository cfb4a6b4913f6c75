// NumberInputValidator.h - what a number cell accepts while it is typed in: a number with at
// most the cell's decimals inside its range, or a formula (a text starting with "=").
#pragma once

#include <QValidator>

namespace ovui::grid {

class NumberInputValidator : public QValidator {
    Q_OBJECT

  public:
    // A range of 0..0 means "no range", as in the grid's number cells.
    NumberInputValidator(int decimals, double minimum, double maximum, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

  private:
    int decimals_;
    double minimum_;
    double maximum_;
};

}  // namespace ovui::grid
