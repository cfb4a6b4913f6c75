// SectionLibraryFile.cpp - reading and writing the library's groups-and-types file.
#include "core/sections/SectionLibraryFile.h"

#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "core/StringHelpers.h"
#include "core/TableFile.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"

namespace {

constexpr const wchar_t* kHeader = L"#ovss-section-library 1";
constexpr const wchar_t* kHeaderStem = L"#ovss-section-library ";
// Far beyond any real library; keeps a corrupt file from exhausting memory.
constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

Tvx_String joinFields(const Tvx_StringArray& fields) {
    Tvx_String line;
    for (int i = 0; i < fields.length(); ++i) {
        if (i > 0) {
            line += L"\t";
        }
        line += escapeField(fields[i]);
    }
    return line;
}

Tvx_String flag(bool on) {
    return on ? L"1" : L"0";
}

bool parseFlag(const Tvx_String& text, bool& on) {
    if (text == L"1" || text == L"0") {
        on = text == L"1";
        return true;
    }
    return false;
}

bool parseInt(const Tvx_String& text, int& value) {
    Tvx_String trimmed = text;
    trimmed.trim();
    if (trimmed.isEmpty() || !trimmed.isNumber() || trimmed.find(L'.') >= 0 ||
        trimmed.length() > 9) {
        return false;
    }
    value = trimmed.toInt();
    return true;
}

// Names in the file's language order -> names in the working list's order.
Tvx_StringArray mapNames(const Tvx_StringArray& fileLanguages, const Tvx_StringArray& names,
                         int first) {
    const Tvx_StringArray languages = MacroLangs::GetAllLanguages();
    Tvx_StringArray out;
    for (const Tvx_String& language : languages) {
        const int at = fileLanguages.find(language, false);
        const int field = first + at;
        out.append(at >= 0 && field < names.length() ? names[field] : Tvx_String());
    }
    return out;
}

}  // namespace

Tvx_String sectionLibraryPath() {
    return gSettings.libDir + L"SectionLibrary.txt";
}

Tvx_String encodeSectionLibrary(const DlgEditLibData& data) {
    Tvx_String text = Tvx_String(kHeader) + L"\n";
    Tvx_StringArray languages = MacroLangs::GetAllLanguages();
    languages.insertAt(0, L"languages");
    text += joinFields(languages) + L"\n";
    const SectionGroupArray& groups = data.groups;
    for (int i = 0; i < groups.length(); ++i) {
        Tvx_StringArray fields{L"group", Tvx_String::fromInt(groups.getId(i)),
                               flag(groups.getEnabled(i)), groups.getImage(i)};
        fields.append(groups.getLangs(i));
        text += joinFields(fields) + L"\n";
    }
    for (const SectionType& type : data.types) {
        Tvx_StringArray fields{L"type", flag(type.enabled), type.image,
                               Tvx_String::fromInt(type.groupId), type.profTable};
        fields.append(type.names);
        text += joinFields(fields) + L"\n";
    }
    return text;
}

bool decodeSectionLibrary(const Tvx_String& text, DlgEditLibData& data, Tvx_String& error) {
    Tvx_StringArray lines = strToArr(text, L"\n");
    for (Tvx_String& line : lines) {
        if (line.endsWith(L"\r", true)) {
            line = line.left(line.length() - 1);
        }
    }
    if (lines.isEmpty() || !(lines[0] == kHeader)) {
        error = lines.length() > 0 && lines[0].startsWith(kHeaderStem, true)
                    ? Tvx_String(L"line 1: unsupported version \"") + lines[0] + L"\""
                    : Tvx_String(L"line 1: not a section library file");
        return false;
    }
    SectionGroupArray groups;
    Tvx_Array<SectionType> types;
    Tvx_StringArray fileLanguages = MacroLangs::GetAllLanguages();
    for (int n = 1; n < lines.length(); ++n) {
        const Tvx_String where = L"line " + Tvx_String::fromInt(n + 1) + L": ";
        if (lines[n].isEmpty()) {
            continue;
        }
        Tvx_StringArray fields;
        for (const Tvx_String& raw : strToArr(lines[n], L"\t")) {
            Tvx_String field;
            if (!unescapeField(raw, field)) {
                error = where + L"bad escape in \"" + raw + L"\"";
                return false;
            }
            fields.append(field);
        }
        const Tvx_String& kind = fields[0];
        if (kind == L"languages") {
            fileLanguages = fields;
            fileLanguages.removeAt(0);
        } else if (kind == L"group") {
            SectionGroup group;
            if (fields.length() < 4 || !parseInt(fields[1], group.id) || group.id < 0 ||
                !parseFlag(fields[2], group.enabled)) {
                error = where + L"a group needs an identifier, a flag 0 or 1 and an image";
                return false;
            }
            group.image = fields[3];
            group.names = mapNames(fileLanguages, fields, 4);
            if (!groups.appendGroup(group)) {
                error = where + L"group identifier " + fields[1] + L" is used twice";
                return false;
            }
        } else if (kind == L"type") {
            SectionType type;
            if (fields.length() < 5 || !parseFlag(fields[1], type.enabled) ||
                !parseInt(fields[3], type.groupId)) {
                error = where +
                        L"a type needs a flag 0 or 1, an image, a group identifier and a "
                        L"profile table";
                return false;
            }
            type.image = fields[2];
            type.profTable = fields[4];
            type.names = mapNames(fileLanguages, fields, 5);
            types.append(type);
        } else {
            error = where + L"unknown record \"" + kind + L"\"";
            return false;
        }
    }
    data.groups = groups;
    data.types = types;
    return true;
}

bool readSectionLibrary(const Tvx_String& path, DlgEditLibData& data, Tvx_String& error) {
    if (!fileExists(path)) {
        data.groups = SectionGroupArray();
        data.types.removeAll();
        return true;
    }
    std::string bytes;
    if (!readFileBytes(path, bytes, kMaxFileBytes)) {
        error = L"\"" + path + L"\": the file cannot be read";
        return false;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
    }
    Tvx_String cause;
    if (!decodeSectionLibrary(Tvx_String::fromUtf8(bytes), data, cause)) {
        error = L"\"" + path + L"\", " + cause;
        return false;
    }
    return true;
}

bool writeSectionLibrary(const Tvx_String& path, const DlgEditLibData& data, Tvx_String& error) {
    return atomicWriteFile(path, encodeSectionLibrary(data).toUtf8(), &error);
}
