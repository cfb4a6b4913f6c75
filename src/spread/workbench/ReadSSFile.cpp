// ReadSSFile.cpp - the workbench in its read-sheet and evaluate-cell modes.
#include "spread/workbench/ReadSSFile.h"

#include "core/Paths.h"
#include "core/Tvx_Settings.h"
#include "spread/workbench/CFormula.h"

bool ReadSSFile(const Tvx_String& path, Tvx_String& firstCell, Tvx_StringArray& headers,
                Tvx_Array<Tvx_StringArray>& rows) {
    return ReadSSFile(path, firstCell, headers, rows, nullptr);
}

bool ReadSSFile(const Tvx_String& path, Tvx_String& firstCell, Tvx_StringArray& headers,
                Tvx_Array<Tvx_StringArray>& rows, Tvx_String* error) {
    firstCell.empty();
    headers.removeAll();
    rows.removeAll();
    CFormula workbench(CFormula::kReadSheet, path);
    workbench.setReadTargets(&headers, &rows);
    workbench.doModal();
    firstCell = workbench.firstCell();
    if (error != nullptr) {
        *error = workbench.loadError();
    }
    return workbench.loaded();
}

bool evaluateSheetCell(const Tvx_String& path, int col, int row, Tvx_String& result) {
    CFormula workbench(CFormula::kEvaluateCell, path);
    workbench.setEvalCell(col, row);
    workbench.doModal();
    result = workbench.resultText();
    return workbench.loaded();
}

Tvx_String evaluateSSTestFile() {
    return withTrailingSeparator(Tvx_Settings::normalizeFolder(gSettings.tvxDir)) +
           L"EvaluateSS.ovs";
}

bool evaluateSSTestCell(Tvx_String& result) {
    return evaluateSheetCell(evaluateSSTestFile(), 1, 1, result);
}
