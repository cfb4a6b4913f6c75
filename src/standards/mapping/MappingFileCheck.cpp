// MappingFileCheck.cpp - diagnosing the mapping file of a standards sheet.
#include "standards/mapping/MappingFileCheck.h"

#include "base/AtomicFile.h"
#include "base/Utf8.h"
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"
#include "standards/mapping/KeptMappingFiles.h"
#include "standards/mapping/MappingLine.h"
#include "standards/mapping/OvObjectMap.h"
#include "standards/mapping/OvSSMapping.h"

namespace {

// The line of `key` in the mapping file at `path`, every entry parsing; false with the reason.
bool checkLines(const Tvx_String& path, const KeptMappingFile* kept, const Tvx_String& key,
                Tvx_String& reason);

// The file's lines (header included); false with the reason.
bool readLines(const Tvx_String& path, Tvx_StringArray& lines, Tvx_String& reason) {
    if (const auto kept = keptMappingFile(path)) {
        lines = kept->lines();
        return true;
    }
    const Tvx_String shown = shownPath(path);
    if (!fileExists(path)) {
        reason = L"no mapping file " + shown;
        return false;
    }
    std::string bytes;
    std::wstring error;
    if (!ovbase::readWholeFile(toFileSystemPath(path), bytes, &error)) {
        reason = Tvx_String(error);
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        reason = L"the mapping file " + shown + L" is not a text file";
        return false;
    }
    lines = splitLines(Tvx_String(ovbase::decodeTextFile(bytes)));
    return true;
}

}  // namespace

bool readMappingKeys(const Tvx_String& ssName, Tvx_StringArray& keys, Tvx_String& reason) {
    Tvx_StringArray lines;
    if (!readLines(OvSSMapping::mappingFilePath(ssName), lines, reason)) {
        return false;
    }
    keys = mappingLineKeys(mappingLinesOf(lines));
    return true;
}

bool checkMappingFile(const Tvx_String& ssName, const Tvx_String& key, Tvx_String& reason) {
    const Tvx_String path = OvSSMapping::mappingFilePath(ssName);
    // A sound line stays sound while the file stays the same; a fault is worked out each time
    // (its text names the path as the caller gave it).
    const auto kept = keptMappingFile(path);
    if (kept != nullptr && kept->checkedSound(key)) {
        return true;
    }
    if (!checkLines(path, kept.get(), key, reason)) {
        return false;
    }
    if (kept != nullptr) {
        kept->setCheckedSound(key);
    }
    return true;
}

namespace {

bool checkLines(const Tvx_String& path, const KeptMappingFile* kept, const Tvx_String& key,
                Tvx_String& reason) {
    const Tvx_String shown = shownPath(path);
    Tvx_StringArray fileLines;
    if (kept != nullptr) {
        fileLines = kept->lines();
    } else if (!readLines(path, fileLines, reason)) {
        return false;
    }
    const int headerLines = !fileLines.isEmpty() && isMappingHeader(fileLines[0]) ? 1 : 0;
    const Tvx_StringArray lines = mappingLinesOf(fileLines);
    if (lines.isEmpty()) {
        reason = L"the mapping file " + shown + L" is empty";
        return false;
    }
    const Tvx_StringArray keys = mappingLineKeys(lines);
    const int index = keys.find(key, true);
    if (index < 0) {
        Tvx_StringArray named;
        for (const Tvx_String& known : keys) {
            if (!known.isEmpty()) {
                named.append(shortenedText(known, 60));
            }
        }
        reason = L"the mapping file " + shown + L" has no line for \"" + shortenedText(key, 60) +
                 L"\"" +
                 (named.isEmpty() ? Tvx_String(L" (it holds no mapping line)")
                                  : L" (its keys: " + arrToStr(named, L", ") + L")");
        return false;
    }
    const Tvx_String place =
        shown + L" line " + Tvx_String::fromInt(index + 1 + headerLines) + L" (\"" + key + L"\")";
    Tvx_String entries;
    mappingLineEntries(lines[index], entries);
    const Tvx_StringArray parts = splitMappingEntries(entries);
    int usable = 0;
    for (int i = 0; i < parts.length(); ++i) {
        if (parts[i].isEmpty()) {
            continue;
        }
        Tvx_String ssVar;
        Tvx_String text;
        OvObjectMap object;
        if (!splitMappingEntry(parts[i], ssVar, text) ||
            object.getMappingFromStrs(ssVar, text) != Acad::eOk) {
            reason = place + L": entry " + Tvx_String::fromInt(i + 1) + L" \"" +
                     shortenedText(parts[i], 80) + L"\" is not a valid mapping";
            return false;
        }
        ++usable;
    }
    if (usable == 0) {
        reason = place + L": no mapping entries";
        return false;
    }
    return true;
}

}  // namespace
