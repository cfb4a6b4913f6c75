// MappingLine.cpp - splitting and composing the lines of a mapping file.
#include "standards/mapping/MappingLine.h"

#include "core/StringHelpers.h"

namespace {

bool hasLineBreak(const Tvx_String& text) {
    return text.find(L'\n') >= 0 || text.find(L'\r') >= 0;
}

bool hasOuterBlanks(const Tvx_String& text) {
    Tvx_String trimmed = text;
    return trimmed.trim().length() != text.length();
}

}  // namespace

bool isMappingHeader(const Tvx_String& line) {
    return line.hasSubString(L"Mapping", true) && line.hasSubString(L"version", true);
}

Tvx_StringArray mappingLinesOf(const Tvx_StringArray& fileLines) {
    Tvx_StringArray lines = fileLines;
    if (!lines.isEmpty() && isMappingHeader(lines[0])) {
        lines.removeAt(0);
    }
    return lines;
}

Tvx_String mappingLineKey(const Tvx_String& line) {
    const int separator = line.find(kMappingKeySeparator);
    return separator < 0 ? Tvx_String() : line.left(separator);
}

Tvx_StringArray mappingLineKeys(const Tvx_StringArray& lines) {
    Tvx_StringArray keys;
    for (const Tvx_String& line : lines) {
        keys.append(mappingLineKey(line));
    }
    return keys;
}

bool mappingLineEntries(const Tvx_String& line, Tvx_String& entries) {
    const int separator = line.find(kMappingKeySeparator);
    if (separator < 0) {
        return false;
    }
    entries = line.mid(separator + 1);
    return true;
}

Tvx_StringArray splitMappingEntries(const Tvx_String& entries) {
    Tvx_StringArray parts = strToArr(entries, Tvx_String(1, kMappingEntrySeparator));
    for (Tvx_String& part : parts) {
        part.trim();
    }
    return parts;
}

bool splitMappingEntry(const Tvx_String& entry, Tvx_String& ssVar, Tvx_String& mappingText) {
    Tvx_StringArray parts;
    if (splitStringAtSymbol(entry, Tvx_String(1, kMappingVarSeparator), parts, true) != 2) {
        return false;
    }
    ssVar = parts[0];
    mappingText = parts[1];
    return true;
}

Tvx_String composeMappingEntry(const Tvx_String& ssVar, const Tvx_String& mappingText) {
    return ssVar + kMappingVarSeparator + mappingText;
}

bool entryReadsBack(const Tvx_String& ssVar, const Tvx_String& mappingText) {
    const Tvx_String entry = composeMappingEntry(ssVar, mappingText);
    return entry.find(kMappingEntrySeparator) < 0 && ssVar.find(kMappingVarSeparator) < 0 &&
           !hasLineBreak(entry) && !hasOuterBlanks(ssVar);
}

bool isStorableMappingKey(const Tvx_String& key) {
    return key.find(kMappingKeySeparator) < 0 && !hasLineBreak(key);
}
