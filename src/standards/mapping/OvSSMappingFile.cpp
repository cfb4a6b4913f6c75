// OvSSMappingFile.cpp - the mapping file beside a standards spreadsheet: reading one key's
// objects, storing them (rewriting the file only when that key's content changed) and finding
// the key under which a mapping is already stored.
#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"
#include "standards/mapping/KeptMappingFiles.h"
#include "standards/mapping/MappingLine.h"
#include "standards/mapping/OvSSMapping.h"
#include "standards/mapping/StandardsSheetFile.h"

namespace {

// The lines of the mapping file without its header; false when the file cannot be read.
bool readMappingLines(const Tvx_String& path, Tvx_StringArray& lines) {
    if (const auto kept = keptMappingFile(path)) {
        lines = mappingLinesOf(kept->lines());
        return true;
    }
    Tvx_StringArray fileLines;
    if (!ObjectExportReadFile(path, fileLines)) {
        return false;
    }
    lines = mappingLinesOf(fileLines);
    return true;
}

// True when writing and reading back `object` gives the same binding, so that a stored mapping
// never changes meaning (a "•" in the module name, for one, would move the split).
bool objectReadsBack(const OvObjectMap& object, const Tvx_String& ssVar,
                     const Tvx_String& mappingText) {
    if (!entryReadsBack(ssVar, mappingText)) {
        return false;
    }
    Tvx_String trimmed = mappingText;
    trimmed.trim();
    OvObjectMap reread;
    return reread.getMappingFromStrs(ssVar, trimmed) == Acad::eOk &&
           reread.module == object.module && reread.objName == object.objName &&
           reread.kind == object.kind;
}

// The objects of the line for `key` into `mapping`, as reading the mapping file does; `replaced`
// tells whether its object list was replaced.
Acad::ErrorStatus readMappingLine(OvSSMapping& mapping, const Tvx_StringArray& lines,
                                  const Tvx_String& key, bool& replaced) {
    replaced = false;
    if (lines.isEmpty()) {
        return Acad::eOk;
    }
    const int index = mappingLineKeys(lines).find(key, true);
    if (index < 0) {
        return Acad::eInvalidInput;
    }
    const Acad::ErrorStatus status = mapping.initMappingFromLine(lines[index]);
    replaced = status == Acad::eOk;  // a line without "=" leaves the list as it was
    return status;
}

}  // namespace

Tvx_String OvSSMapping::mappingFilePath(const Tvx_String& ssName) {
    return changeExtension(resolveStandardsFile(ssName), L"map");
}

Acad::ErrorStatus OvSSMapping::getMappingFromFile(const Tvx_String& ssName, const Tvx_String& key) {
    const Tvx_String path = mappingFilePath(ssName);
    if (const auto kept = keptMappingFile(path)) {
        // Every macro mapped under this key reads the same line: it is parsed once per version.
        const auto read = kept->readFor(key, [&] {
            OvSSMapping scratch;
            MappingRead made;
            made.status =
                readMappingLine(scratch, mappingLinesOf(kept->lines()), key, made.replaces);
            made.objects = scratch.mappedObjects();
            return made;
        });
        if (read->replaces) {
            objects_ = read->objects;
        }
        return read->status;
    }
    Tvx_StringArray lines;
    if (!readMappingLines(path, lines)) {
        return Acad::eInvalidInput;
    }
    bool replaced = false;
    return readMappingLine(*this, lines, key, replaced);
}

Acad::ErrorStatus OvSSMapping::setMappingToFile(const Tvx_String& ssName,
                                                const Tvx_String& key) const {
    if (!isStorableMappingKey(key)) {
        return Acad::eInvalidInput;
    }
    // 1. The entries to store, with the objects they come from.
    Tvx_StringArray ssVars;
    Tvx_StringArray texts;
    OvSSMapping stored;
    for (const OvObjectMap& object : objects_) {
        Tvx_String text;
        Tvx_String ssVar;
        if (object.setMappingToStrs(text, ssVar) == Acad::eOk) {
            ssVars.append(ssVar);
            texts.append(text);
            stored.objects_.append(object);
        }
    }
    // 2. A variable is bound once: later duplicates go, from the highest index down.
    Tvx_Array<int> duplicates;
    getDuplicates(ssVars, duplicates);
    for (int i = duplicates.length() - 1; i >= 0; --i) {
        ssVars.removeAt(duplicates[i]);
        texts.removeAt(duplicates[i]);
        stored.objects_.removeAt(duplicates[i]);
    }
    // 3. Variables that cannot name a file, and entries the line format cannot hold, go too.
    for (int i = ssVars.length() - 1; i >= 0; --i) {
        if (hasInvalidFileNameChars(ssVars[i]) ||
            !objectReadsBack(stored.objects_[i], ssVars[i], texts[i])) {
            ssVars.removeAt(i);
            texts.removeAt(i);
            stored.objects_.removeAt(i);
        }
    }

    // 4. The lines already there; a missing file is empty, an unreadable one is left alone.
    const Tvx_String path = mappingFilePath(ssName);
    Tvx_StringArray lines;
    if (!readMappingLines(path, lines) && fileExists(path)) {
        return Acad::eInvalidInput;
    }

    // 5. Leave the file untouched when the key already holds this very mapping (compared both
    // ways, so that a binding removed since is removed from the file as well).
    const int existing = mappingLineKeys(lines).find(key, true);
    if (existing >= 0) {
        OvSSMapping onFile;
        if (onFile.initMappingFromLine(lines[existing]) == Acad::eOk && stored.isEqual(onFile) &&
            onFile.isEqual(stored)) {
            return Acad::eOk;
        }
        lines.removeAt(existing);
    }

    // 6. The new line goes last, under the header.
    Tvx_StringArray entries;
    for (int i = 0; i < ssVars.length(); ++i) {
        entries.append(composeMappingEntry(ssVars[i], texts[i]));
    }
    lines.append(key + kMappingKeySeparator +
                 arrToStr(entries, Tvx_String(1, kMappingEntrySeparator)));
    lines.insertAt(0, kMappingFileHeader);
    return ObjectExportWriteFile(path, lines) ? Acad::eOk : Acad::eInvalidInput;
}

bool OvSSMapping::hasSameMapping(const Tvx_String& ssName, Tvx_String& key) const {
    Tvx_StringArray lines;
    if (!readMappingLines(mappingFilePath(ssName), lines)) {
        return false;
    }
    for (const Tvx_String& line : lines) {
        OvSSMapping onFile;
        if (onFile.initMappingFromLine(line) == Acad::eOk && isEqual(onFile)) {
            key = mappingLineKey(line);
            return true;
        }
    }
    return false;
}
