// StandardSizesFile.cpp - reading standard-sizes files.
#include "standards/functions/StandardSizesFile.h"

#include "core/TextFile.h"
#include "core/Tvx_StringArray.h"

namespace ovfunctions {

Tvx_String removeSizeComments(const Tvx_String& line) {
    Tvx_String rest = line;
    Tvx_String kept;
    // Left to right, so that "//" inside a block comment and "/*" inside a line comment are
    // just comment text.
    while (!rest.isEmpty()) {
        const int block = rest.find(L"/*");
        const int lineComment = rest.find(L"//");
        if (lineComment >= 0 && (block < 0 || lineComment < block)) {
            kept += rest.left(lineComment);
            return kept;
        }
        if (block < 0) {
            kept += rest;
            return kept;
        }
        kept += rest.left(block);
        const int close = rest.find(L"*/", block + 2);
        if (close < 0) {
            return kept;
        }
        rest = rest.mid(close + 2);
    }
    return kept;
}

bool parseStandardSize(const Tvx_String& line, StandardSize& size) {
    Tvx_String text = line;
    if (text.trim().isEmpty()) {
        return false;
    }
    const int separator = text.find(L'x');
    if (separator < 0) {
        size = {text.toDouble(), 0.0};
    } else {
        size = {text.left(separator).toDouble(), text.mid(separator + 1).toDouble()};
    }
    return true;
}

Tvx_Array<StandardSize> readStandardSizes(const Tvx_String& path) {
    Tvx_Array<StandardSize> sizes;
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        return sizes;
    }
    for (const Tvx_String& line : lines) {
        StandardSize size;
        if (parseStandardSize(removeSizeComments(line), size)) {
            sizes.append(size);
        }
    }
    return sizes;
}

}  // namespace ovfunctions
