// Texts.cpp - loading and looking up the numbered text table.
#include "core/Texts.h"

#include <map>
#include <optional>

#include "core/FileSystem.h"
#include "core/StringHelpers.h"
#include "core/TableFile.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"

MacroLangs gMacroLangs;

namespace {

const wchar_t* const kBaseLanguages[] = {L"Dutch", L"English", L"French", L"German"};

struct TextTable {
    Tvx_String loadedFrom;
    bool loaded = false;
    bool readable = false;
    Tvx_StringArray columns;                      // language of each text column
    std::map<int, Tvx_StringArray> numbered;      // number -> texts by column
    std::map<Tvx_String, Tvx_StringArray> named;  // "section:name" (lower case) -> texts

    int column(const Tvx_String& language) const { return columns.find(language, false); }
};

TextTable& table() {
    static TextTable instance;
    // The texts ship with the library; a configuration folder holds them only when the user put
    // a file of their own there.
    Tvx_String path = gSettings.tvxDir + L"texts.tsv";
    if (!fileExists(path)) {
        path = fileExists(gSettings.libDir + L"texts.tsv")
                   ? gSettings.libDir + L"texts.tsv"
                   : Tvx_Settings::bundledLibraryFolder() + L"texts.tsv";
    }
    if (instance.loaded && instance.loadedFrom == path) {
        return instance;
    }
    instance = TextTable();
    instance.loaded = true;
    instance.loadedFrom = path;
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines) || lines.isEmpty()) {
        return instance;
    }
    instance.readable = true;
    const Tvx_StringArray header = strToArr(lines[0], L"\t");
    for (int i = 1; i < header.length(); ++i) {
        instance.columns.append(Tvx_String(header[i]).trim());
    }
    for (int i = 1; i < lines.length(); ++i) {
        if (lines[i].isEmpty() || lines[i].getAt(0) == L'#') {
            continue;
        }
        const Tvx_StringArray cells = strToArr(lines[i], L"\t");
        Tvx_StringArray texts;
        for (int c = 1; c < cells.length(); ++c) {
            Tvx_String text;
            texts.append(unescapeField(cells[c], text) ? text : cells[c]);
        }
        const Tvx_String key = Tvx_String(cells[0]).trim();
        if (key.isNumber()) {
            instance.numbered[key.toInt()] = texts;
        } else if (!key.isEmpty()) {
            instance.named[key.lower()] = texts;
        }
    }
    return instance;
}

// The text in `language`, falling back to English, then to the first non-empty column.
std::optional<Tvx_String> pick(const TextTable& t, const Tvx_StringArray& texts,
                               const Tvx_String& language) {
    const auto cell = [&](int column) -> Tvx_String {
        return column >= 0 && column < texts.length() ? texts[column] : Tvx_String();
    };
    Tvx_String text = cell(t.column(language));
    if (text.isEmpty()) {
        text = cell(t.column(L"English"));
    }
    for (int c = 0; text.isEmpty() && c < texts.length(); ++c) {
        text = texts[c];
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text;
}

Tvx_String numberedText(int number, const Tvx_String& language) {
    const TextTable& t = table();
    const auto it = t.numbered.find(number);
    if (it != t.numbered.end()) {
        if (auto text = pick(t, it->second, language)) {
            return *text;
        }
    }
    return L"#" + Tvx_String::fromInt(number);
}

}  // namespace

Tvx_String dialString(int number) {
    return numberedText(number, gSettings.workLanguage);
}

Tvx_String string(int number) {
    return dialString(number);
}

Tvx_StringArray dialStringAllLangs(int number) {
    Tvx_StringArray texts;
    for (const auto& language : MacroLangs::GetAllLanguages()) {
        texts.append(numberedText(number, language));
    }
    return texts;
}

bool hasDialString(int number) {
    return table().numbered.count(number) != 0;
}

bool reloadTexts() {
    table().loaded = false;
    return table().readable;
}

Tvx_String MacroLangs::GetCurLanguage() {
    return gSettings.workLanguage;
}

bool MacroLangs::SetCurLanguage(const Tvx_String& language) {
    const Tvx_StringArray all = GetAllLanguages();
    const int at = all.find(language, false);
    if (at < 0) {
        return false;
    }
    gSettings.workLanguage = all[at];
    return true;
}

Tvx_StringArray MacroLangs::GetAllLanguages() {
    Tvx_StringArray languages;
    for (const wchar_t* language : kBaseLanguages) {
        languages.append(language);
    }
    if (table().column(L"Korean") >= 0) {
        languages.append(L"Korean");
    }
    return languages;
}

Tvx_String MacroLangs::GetString(const Tvx_String& section, const Tvx_String& name) {
    const TextTable& t = table();
    const auto it = t.named.find((section + L":" + name).lower());
    if (it == t.named.end()) {
        return name;
    }
    return pick(t, it->second, gSettings.workLanguage).value_or(name);
}

Tvx_String MacroLangs::GetStringChopSymbols(const Tvx_String& name, const Tvx_String& chopSymbols) {
    Tvx_String out;
    Tvx_String part;
    for (wchar_t c : name) {
        if (chopSymbols.find(c) >= 0) {
            out += GetString(Tvx_String(), part);
            out += c;
            part = Tvx_String();
        } else {
            part += c;
        }
    }
    return out + GetString(Tvx_String(), part);
}

Tvx_String MacroLangs::GetString(int number) {
    return dialString(number);
}
