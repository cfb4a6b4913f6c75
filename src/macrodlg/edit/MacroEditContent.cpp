// MacroEditContent.cpp - reading the editor's tables from a macro and writing them back, all or
// nothing.
#include "macrodlg/edit/MacroEditContent.h"

#include "core/macro/OvCutOffsetType.h"
#include "host/HostServices.h"
#include "macrodlg/edit/EditConstrData.h"

namespace {

constexpr int kNumberPrecision = 8;

Tvx_String number(double value) {
    return Tvx_String(value, kNumberPrecision, false);
}

Tvx_String flag(bool value) {
    return value ? L"1" : L"0";
}

Tvx_String trimmed(Tvx_String text) {
    text.trim();
    return text;
}

Tvx_String cell(const Tvx_StringArray& row, int col) {
    return col < row.length() ? row[col] : Tvx_String();
}

Tvx_Module* currentModule(const EditConstrData& data) {
    Tvx_DbMacro* dbMacro = data.dbMacro();
    Tvx_Macro* macro = dbMacro != nullptr ? dbMacro->macroWrite() : nullptr;
    if (macro == nullptr) {
        return nullptr;
    }
    Tvx_Module* module = macro->findModule(data.moduleName);
    return module != nullptr ? module : macro->module(0);
}

// Collects the first problem with its place.
class Checker {
  public:
    explicit Checker(Tvx_String& error) : error_(error) {}
    bool ok() const { return ok_; }
    void fail(const wchar_t* table, int row, const Tvx_String& what) {
        if (ok_) {
            error_ = Tvx_String(table) + L", row " + Tvx_String::fromInt(row + 1) +
                     (name_.isEmpty() ? Tvx_String() : L" (" + name_ + L")") + L": " + what;
            ok_ = false;
        }
    }
    bool numberAt(const wchar_t* table, int row, const Tvx_String& text, double& value) {
        if (!text.isNumber()) {
            fail(table, row, L"\"" + text + L"\" is not a number");
            return false;
        }
        value = text.toDouble();
        return true;
    }
    bool flagAt(const wchar_t* table, int row, const Tvx_String& text, bool& value) {
        if (text != L"0" && text != L"1") {
            fail(table, row, L"\"" + text + L"\" must be 1 or 0");
            return false;
        }
        value = text == L"1";
        return true;
    }

    // The row's name, for the message.
    void at(const Tvx_String& name) { name_ = name; }

  private:
    Tvx_String& error_;
    Tvx_String name_;
    bool ok_ = true;
};

}  // namespace

Tvx_StringArray constraintColumns() {
    return Tvx_StringArray{L"Name", L"Visible", L"Settable", L"Flex group", L"Flexible"};
}

Tvx_StringArray geometryColumns() {
    Tvx_StringArray columns{L"Cut", L"Kind"};
    for (int t = 0; t < kCutOffsetTypeCount; ++t) {
        columns.append(cutOffsetTypeKey(static_cast<OvCutOffsetType>(t)));
    }
    return columns;
}

Tvx_StringArray valueColumns() {
    return Tvx_StringArray{L"Name", L"Value"};
}

bool readEditContent(const EditConstrData& data, MacroEditContent& content) {
    const Tvx_Module* module = currentModule(data);
    const Tvx_Macro* macro = data.dbMacro() != nullptr ? data.dbMacro()->macro() : nullptr;
    if (macro == nullptr) {
        return false;
    }
    MacroEditContent read;
    if (module != nullptr) {
        for (const Tvx_DialogVariable& v : module->variables()) {
            read.constraints.append(Tvx_StringArray{v.name, flag(v.visible), flag(v.settable),
                                                    v.flexGroup, flag(v.flexible)});
            read.dimensionValues.append(Tvx_StringArray{v.name, number(v.value)});
        }
        for (const Tvx_Cut& cut : module->cuts()) {
            Tvx_StringArray row{cut.name, Tvx_String::fromInt(cut.kind)};
            for (const auto& offset : cut.offsets) {
                row.append(offset ? number(*offset) : Tvx_String());
            }
            read.geometries.append(row);
        }
    }
    Tvx_StringArray names;
    macro->getGeneralVariables(names);
    for (const Tvx_String& name : names) {
        read.variables.append(Tvx_StringArray{name, number(macro->generalVariableValue(name))});
    }
    read.equations = macro->settings().equations;
    read.commands = macro->settings().commands;
    content = read;
    return true;
}

bool writeEditContent(const EditConstrData& data, const MacroEditContent& content,
                      Tvx_String& error, bool checkOnly) {
    Tvx_Module* module = currentModule(data);
    Tvx_Macro* macro = data.dbMacro() != nullptr ? data.dbMacro()->macroWrite() : nullptr;
    if (macro == nullptr) {
        error = L"the macro is no longer in the drawing";
        return false;
    }
    Checker check(error);
    // 1. Everything checked into plain values before anything changes.
    struct Constraint {
        Tvx_DialogVariable* variable;
        Tvx_DialogVariable edited;
    };
    Tvx_Array<Constraint> constraints;
    const int constraintWidth = constraintColumns().length();
    for (int r = 0; r < content.constraints.length(); ++r) {
        const Tvx_StringArray& row = content.constraints[r];
        check.at(cell(row, 0));
        // A row of another width would shift every flag into the wrong field.
        if (row.length() != constraintWidth) {
            acutPrintf(L"*Error* Array size mismatch.\n");
            check.fail(L"Constraints", r,
                       L"it has " + Tvx_String::fromInt(row.length()) + L" fields instead of " +
                           Tvx_String::fromInt(constraintWidth));
            continue;
        }
        Tvx_DialogVariable* variable =
            module != nullptr ? module->findVariable(cell(row, 0)) : nullptr;
        if (variable == nullptr) {
            check.fail(L"Constraints", r, L"the module has no variable \"" + cell(row, 0) + L"\"");
            continue;
        }
        Tvx_DialogVariable edited = *variable;
        check.flagAt(L"Constraints", r, cell(row, 1), edited.visible);
        check.flagAt(L"Constraints", r, cell(row, 2), edited.settable);
        edited.flexGroup = cell(row, 3);
        check.flagAt(L"Constraints", r, cell(row, 4), edited.flexible);
        constraints.append({variable, edited});
    }
    Tvx_Array<std::pair<Tvx_DialogVariable*, double>> values;
    for (int r = 0; r < content.dimensionValues.length(); ++r) {
        const Tvx_StringArray& row = content.dimensionValues[r];
        check.at(cell(row, 0));
        Tvx_DialogVariable* variable =
            module != nullptr ? module->findVariable(cell(row, 0)) : nullptr;
        double value = 0;
        if (variable == nullptr) {
            check.fail(L"Dimension values", r,
                       L"the module has no variable \"" + cell(row, 0) + L"\"");
        } else if (check.numberAt(L"Dimension values", r, cell(row, 1), value)) {
            values.append({variable, value});
        }
    }
    Tvx_Array<std::pair<Tvx_Cut*, Tvx_Cut>> cuts;
    for (int r = 0; r < content.geometries.length(); ++r) {
        const Tvx_StringArray& row = content.geometries[r];
        check.at(cell(row, 0));
        Tvx_Cut* cut = module != nullptr ? module->findCut(cell(row, 0)) : nullptr;
        if (cut == nullptr) {
            check.fail(L"Geometries", r, L"the module has no cut \"" + cell(row, 0) + L"\"");
            continue;
        }
        Tvx_Cut edited = *cut;
        double kind = 0;
        if (check.numberAt(L"Geometries", r, cell(row, 1), kind)) {
            if (kind < 1 || kind > 6 || kind != static_cast<int>(kind)) {
                check.fail(L"Geometries", r, L"the cut kind must be 1 to 6");
            }
            edited.kind = static_cast<int>(kind);
        }
        for (int t = 0; t < kCutOffsetTypeCount; ++t) {
            const Tvx_String text = trimmed(cell(row, 2 + t));
            double offset = 0;
            if (text.isEmpty()) {
                edited.offsets[static_cast<std::size_t>(t)].reset();
            } else if (check.numberAt(L"Geometries", r, text, offset)) {
                edited.offsets[static_cast<std::size_t>(t)] = offset;
            }
        }
        cuts.append({cut, edited});
    }
    Tvx_Array<std::pair<Tvx_String, double>> general;
    for (int r = 0; r < content.variables.length(); ++r) {
        const Tvx_StringArray& row = content.variables[r];
        check.at(cell(row, 0));
        double value = 0;
        if (trimmed(cell(row, 0)).isEmpty()) {
            check.fail(L"Variables", r, L"the variable has no name");
        } else if (check.numberAt(L"Variables", r, cell(row, 1), value)) {
            general.append({trimmed(cell(row, 0)), value});
        }
    }
    if (!check.ok() || checkOnly) {
        return check.ok();
    }
    // 2. Then applied.
    for (const Constraint& c : constraints) {
        const double value = c.variable->value;
        *c.variable = c.edited;
        c.variable->value = value;
    }
    for (const auto& [variable, value] : values) {
        variable->value = value;
    }
    for (const auto& [cut, edited] : cuts) {
        *cut = edited;
    }
    for (const auto& [name, value] : general) {
        macro->setGeneralVariable(name, value);
    }
    macro->settings().equations = content.equations;
    macro->settings().commands = content.commands;
    return true;
}
