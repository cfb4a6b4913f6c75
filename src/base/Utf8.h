// Utf8.h - conversions between wide text and the byte encodings the module reads and writes:
// UTF-8 (every text file) and Windows-1252 (old files and the ".ovd" settings file).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovbase {

// Wide text to UTF-8. Code points that cannot be encoded (surrogates, beyond U+10FFFF) become
// U+FFFD.
std::string toUtf8(std::wstring_view text);

// Strict UTF-8 decoding: nothing when the bytes are not valid UTF-8 (overlong forms, surrogates
// and code points beyond U+10FFFF included). For files whose reader must reject bad bytes.
std::optional<std::wstring> decodeUtf8(std::string_view bytes);

// Lenient UTF-8 decoding: each byte of an invalid sequence becomes U+FFFD. For bytes from our
// own writers, the command line and the system (paths, error messages).
std::wstring fromUtf8(std::string_view bytes);

// Windows-1252 bytes to wide text (the five unassigned bytes map to the same code points, as
// Windows does).
std::wstring fromWindows1252(std::string_view bytes);

// Wide text to Windows-1252; characters outside the code page become '?'.
std::string toWindows1252(std::wstring_view text);

// Decodes a text file's bytes: a UTF-8 byte-order mark is skipped; bytes that are not valid UTF-8
// are read as Windows-1252, so files written by older versions still open.
std::wstring decodeTextFile(std::string_view bytes);

}  // namespace ovbase
