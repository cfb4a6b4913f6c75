// LibValuesModel.cpp - new type tables, headers per shape and the values page's checks.
#include "seclib/LibValuesModel.h"

#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "core/sections/ProfileFile.h"
#include "seclib/BuiltInShapes.h"

namespace {
constexpr int kTextValue = 86;
}

Tvx_ProfValuesTable newTypeTable(const Tvx_String& typeName) {
    Tvx_ProfValuesTable table;
    table.typeName = typeName;
    table.shape = L"1";
    table.columnNames = Tvx_StringArray{kSysNameColumn, kActiveColumn};
    table.columnNames.append(MacroLangs::GetAllLanguages());
    table.columnNames.append(append(dialString(kTextValue), 1));
    table.columnNames.append(append(dialString(kTextValue), 2));
    Tvx_StringArray row{L"", L"1"};
    for (int i = 0; i < table.getNrLanguages(); ++i) {
        row.append(L"");
    }
    row.append(L"0");
    row.append(L"0");
    table.rows.append(row);
    return table;
}

Tvx_StringArray headersForShape(const Tvx_StringArray& current, const Tvx_String& shapeField) {
    const int fixed = 2 + countLanguageColumns(current);
    Tvx_StringArray headers;
    for (int i = 0; i < fixed && i < current.length(); ++i) {
        headers.append(current[i]);
    }
    const int shape = builtInShapeNumber(shapeField);
    if (shape > 0) {
        headers.append(defaultDimensionNames(shape));
    } else {
        for (int i = fixed; i < current.length(); ++i) {
            headers.append(current[i]);
        }
    }
    return headers;
}

bool isValidTypeName(const Tvx_String& name) {
    Tvx_String trimmed = name;
    trimmed.trim();
    return trimmed == name && isValidProfileTableName(name) && !name.endsWith(L".pr", false);
}

bool isValidDimensionText(const Tvx_String& text) {
    Tvx_String trimmed = text;
    trimmed.trim();
    return trimmed.isEmpty() || trimmed.isNumber();
}
