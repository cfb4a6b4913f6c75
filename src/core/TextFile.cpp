// TextFile.cpp - text and line files.
#include "core/TextFile.h"

#include "base/Utf8.h"
#include "core/AtomicFile.h"

bool readTextFile(const Tvx_String& path, Tvx_String& text) {
    std::string bytes;
    if (!readFileBytes(path, bytes)) {
        return false;
    }
    text = Tvx_String(ovbase::decodeTextFile(bytes));
    return true;
}

bool writeTextFile(const Tvx_String& path, const Tvx_String& text) {
    return atomicWriteFile(path, ovbase::toUtf8(text.wstr()));
}

bool writeTextFileWindows1252(const Tvx_String& path, const Tvx_String& text) {
    return atomicWriteFile(path, ovbase::toWindows1252(text.wstr()));
}

Tvx_StringArray splitLines(const Tvx_String& text) {
    Tvx_StringArray lines;
    const std::wstring& s = text.wstr();
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'\n' || s[i] == L'\r') {
            lines.append(Tvx_String(s.substr(start, i - start)));
            if (s[i] == L'\r' && i + 1 < s.size() && s[i + 1] == L'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < s.size()) {
        lines.append(Tvx_String(s.substr(start)));
    }
    return lines;
}

bool ObjectExportReadFile(const Tvx_String& path, Tvx_StringArray& lines) {
    Tvx_String text;
    if (!readTextFile(path, text)) {
        return false;
    }
    lines = splitLines(text);
    return true;
}

bool ObjectExportWriteFile(const Tvx_String& path, const Tvx_StringArray& lines) {
    std::wstring text;
    for (const auto& line : lines) {
        text += line.wstr();
        text += L'\n';
    }
    return atomicWriteFile(path, ovbase::toUtf8(text));
}
