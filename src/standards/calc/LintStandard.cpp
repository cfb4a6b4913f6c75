// LintStandard.cpp - `ovss lint`: what would go wrong when a standards sheet is calculated.
// The sheet is loaded into a calculation dialog of its own and computed in list mode with
// placeholder Input values (1 for numbers, empty for texts); every equation that fails is
// reported with its row and the reason. Error values that only the placeholder values may
// cause (a division by zero, a failed lookup) are reported as notes and do not count.
#include "core/StringHelpers.h"
#include "standards/CDlgSSStandards.h"
#include "standards/calc/CalcCommandSupport.h"
#include "standards/calc/CalcCommands.h"
#include "standards/calc/UnknownNames.h"
#include "standards/variables/SSAreas.h"

namespace ovcalc {

namespace {

// Discards the calculation's message boxes: lint reports the problems itself.
class SilentMessages : public MessageService {
  public:
    SilentMessages() = default;
    SilentMessages(const SilentMessages&) = delete;
    SilentMessages& operator=(const SilentMessages&) = delete;
    int show(const Tvx_String&, const Tvx_String&, unsigned type) override {
        return defaultMessageAnswer(type);
    }

  private:
    ovbase::ScopedService<MessageService> installed_{messageService(), this};
};

Tvx_String cellName(int col, int row) {
    return getAlfabet(col) + Tvx_String::fromInt(row);
}

int reportAreas(const OvCalcSS& sheet, std::ostream& out) {
    int problems = 0;
    for (const wchar_t* header : {kInputHeader, kOutputHeader, kCalcHeader}) {
        int col = 0;
        int row = 0;
        if (!findAreaHeader(sheet, header, col, row)) {
            out << "missing area: no \"" << Tvx_String(header).toUtf8() << "\" header\n";
            ++problems;
        }
    }
    return problems;
}

int reportDeclarations(const OvVarCells& cells, std::ostream& out) {
    int problems = 0;
    Tvx_StringArray names;
    for (const OvVarCell& cell : cells) {
        names.append(cell.name);
        if (cell.name.isEmpty()) {
            out << cellName(cell.col, cell.row).toUtf8() << ": declaration without a name\n";
            ++problems;
        }
    }
    Tvx_Array<int> duplicates;
    getDuplicates(names, duplicates);
    for (int index : duplicates) {
        out << cellName(cells[index].col, cells[index].row).toUtf8()
            << ": duplicate variable name \"" << names[index].toUtf8() << "\"\n";
        ++problems;
    }
    return problems;
}

bool onlyPlaceholderTrouble(const OvCalcFailure& failure) {
    return failure.reason.startsWith(L"the formula gives", true) &&
           !failure.reason.hasSubString(L"#NAME?", true);
}

int reportFailures(const OvCalcSS& sheet, std::ostream& out) {
    int problems = 0;
    for (const OvCalcFailure& failure : sheet.failures()) {
        const bool note = onlyPlaceholderTrouble(failure);
        out << (note ? "note: " : "") << "row " << failure.row << " ("
            << cellName(failure.col, failure.row).toUtf8() << "): " << failure.equation.toUtf8()
            << ": " << failure.reason.toUtf8() << (note ? " with placeholder Input values" : "")
            << "\n";
        if (note) {
            continue;
        }
        ++problems;
        if (failure.reason.hasSubString(L"#NAME?", true) ||
            failure.reason.startsWith(L"the formula does not compile", true)) {
            Tvx_String formula = failure.equation;
            Tvx_StringArray parts;
            if (splitStringAtSymbol(formula, L"=", parts, true) == 2) {
                formula = parts[1];
            }
            for (const Tvx_String& name : unknownNames(formula)) {
                out << "row " << failure.row << ": \"" << name.toUtf8() << "\" is not a variable\n";
            }
        }
    }
    return problems;
}

}  // namespace

int runLint(const std::string& sheet, const std::string& libDir, std::ostream& out,
            std::ostream& err) {
    JobSettings settings(libDir, false);
    Tvx_String path;
    if (!findSheetFile(sheet, path)) {
        err << "error: no standards sheet \"" << sheet << "\" (looked for " << path.toUtf8()
            << ")\n";
        return kCalcBadInput;
    }
    CDlgSSStandards dlg;
    if (!dlg.Create(CDlgSSStandards::IDD, nullptr)) {
        err << "error: no calculation grid\n";
        return kCalcFailed;
    }
    OvDlgStandardsData& data = dlg.data();
    data.mode = OvDlgStandardsData::ListMode;
    data.ssFile = path;
    OvCalcSS& calcSS = dlg.calcSS();
    if (calcSS.loadFile(data) != Acad::eOk) {
        err << "error: " << path.toUtf8() << " is not a sheet\n";
        return kCalcBadInput;
    }
    out << path.toUtf8() << "\n";
    int problems = reportAreas(calcSS, out);
    OvVarCells declared;
    if (declared.findVarCells(calcSS) == Acad::eOk) {
        problems += reportDeclarations(declared, out);
        for (const OvVarCell& cell : declared) {
            if (cell.isLocal()) {
                continue;
            }
            OvVarCell placeholder = cell;
            placeholder.value = cell.valueType == OvValueString ? L"" : L"1";
            data.varCells.append(placeholder);
        }
        SilentMessages silent;
        if (dlg.calculate() == Acad::eOk) {
            problems += reportFailures(calcSS, out);
        } else if (problems == 0) {
            out << "the calculation fails\n";
            ++problems;
        }
    }
    out << (problems == 0 ? "no problems found" : std::to_string(problems) + " problem(s) found")
        << "\n";
    return problems == 0 ? kCalcOk : kCalcFailed;
}

}  // namespace ovcalc
