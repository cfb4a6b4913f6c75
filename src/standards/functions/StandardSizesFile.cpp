// StandardSizesFile.cpp - reading standard-sizes files.
#include "standards/functions/StandardSizesFile.h"

#include "base/Utf8.h"
#include "core/KeptFiles.h"
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
    // Sizes are looked up many times per calculation: each file is read once per version.
    static KeptFiles<const Tvx_Array<StandardSize>> files(
        64, 1'000'000, [](const Tvx_Array<StandardSize>& sizes) {
            return static_cast<std::size_t>(sizes.length());
        });
    const auto sizes = files.get(path, [](const std::string& bytes) {
        auto parsed = std::make_shared<Tvx_Array<StandardSize>>();
        for (const Tvx_String& line : splitLines(Tvx_String(ovbase::decodeTextFile(bytes)))) {
            StandardSize size;
            if (parseStandardSize(removeSizeComments(line), size)) {
                parsed->append(size);
            }
        }
        return std::shared_ptr<const Tvx_Array<StandardSize>>(std::move(parsed));
    });
    return sizes != nullptr ? *sizes : Tvx_Array<StandardSize>();
}

}  // namespace ovfunctions
