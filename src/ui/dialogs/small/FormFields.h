// FormFields.h - the rows the smaller form dialogs are made of (a labelled text, number, choice
// or check box registered under its control id) and the reading of a number field that refuses
// anything outside its range with a message naming the field.
#pragma once

#include "core/Tvx_String.h"

class OvDialog;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace ovui {

QLineEdit* addTextRow(OvDialog& dialog, QFormLayout* form, int id, int labelText);
QLineEdit* addNumberRow(OvDialog& dialog, QFormLayout* form, int id, int labelText);
// A combo of the numbered texts firstItemText .. firstItemText + count - 1.
QComboBox* addChoiceRow(OvDialog& dialog, QFormLayout* form, int id, int labelText,
                        int firstItemText, int count);
QCheckBox* addCheckRow(OvDialog& dialog, QFormLayout* form, int id, int text);

// A number as the fields show it (up to 3 decimals, no trailing zeros).
Tvx_String numberText(double value);
// The number in field `id` when it lies in [min, max]; otherwise a message naming the field
// (its label text `labelText`), the field gets the focus and the result is false.
bool readNumberField(OvDialog& dialog, int id, int labelText, double min, double max,
                     double& value);

}  // namespace ovui
