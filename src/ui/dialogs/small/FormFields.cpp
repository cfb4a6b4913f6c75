// FormFields.cpp - labelled form rows and checked number fields.
#include "ui/dialogs/small/FormFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <cmath>

#include "core/Texts.h"
#include "ui/OvDialog.h"
#include "ui/QtText.h"

namespace ovui {

namespace {
constexpr int kTextMustBeFrom = 9944;
constexpr int kTextTo = 9945;
}  // namespace

QLineEdit* addTextRow(OvDialog& dialog, QFormLayout* form, int id, int labelText) {
    auto* edit = dialog.addControl(id, new QLineEdit(&dialog));
    form->addRow(toQt(dialString(labelText)), edit);
    return edit;
}

QLineEdit* addNumberRow(OvDialog& dialog, QFormLayout* form, int id, int labelText) {
    QLineEdit* edit = addTextRow(dialog, form, id, labelText);
    edit->setMaximumWidth(120);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QComboBox* addChoiceRow(OvDialog& dialog, QFormLayout* form, int id, int labelText,
                        int firstItemText, int count) {
    auto* combo = dialog.addControl(id, new QComboBox(&dialog));
    for (int i = 0; i < count; ++i) {
        combo->addItem(toQt(dialString(firstItemText + i)));
    }
    form->addRow(toQt(dialString(labelText)), combo);
    return combo;
}

QCheckBox* addCheckRow(OvDialog& dialog, QFormLayout* form, int id, int text) {
    auto* check = dialog.addControl(id, new QCheckBox(toQt(dialString(text)), &dialog));
    form->addRow(QString(), check);
    return check;
}

Tvx_String numberText(double value) {
    return Tvx_String(value, 3, false);
}

bool readNumberField(OvDialog& dialog, int id, int labelText, double min, double max,
                     double& value) {
    Tvx_String text = dialog.GetDlgItemText(id);
    text.trim();
    const double number = text.toDouble();
    if (text.isNumber() && std::isfinite(number) && number >= min && number <= max) {
        value = number;
        return true;
    }
    Tvx_String label = dialString(labelText);
    if (label.endsWith(L":", true)) {
        label = label.left(label.length() - 1);
    }
    ovMessageBox(label + L" " + dialString(kTextMustBeFrom) + L" " + numberText(min) + L" " +
                     dialString(kTextTo) + L" " + numberText(max) + L".",
                 fromQt(dialog.windowTitle()), MB_OK | MB_ICONEXCLAMATION);
    if (QWidget* field = dialog.item(id)) {
        field->setFocus();
    }
    return false;
}

}  // namespace ovui
