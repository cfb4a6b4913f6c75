// Lexer.h - splits formula text into tokens; recognises cell references of the active
// reference style and resolves them against the formula's cell.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "grid/Value.h"
#include "grid/formula/Bytecode.h"

namespace ovgrid::formula {

enum class TokenKind : std::uint8_t {
    End,
    Number,
    Text,
    Bool,
    Error,
    Ref,       // a cell reference (ref); refValid is false when it points outside the sheet
    Name,      // a bare name that is no reference
    Function,  // a name directly followed by "(" (the "(" is consumed)
    Operator,  // op holds the binary or unary operator
    LParen,
    RParen,
    Comma,
    Colon,
    Invalid,
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t pos = 0;
    double number = 0.0;
    bool boolean = false;
    ErrorCode error = ErrorCode::Value;
    std::wstring text;  // text literal, or the name as written
    RefPoint ref;
    bool refValid = true;
    Op op = Op::Add;
};

class Lexer {
  public:
    Lexer(std::wstring_view text, RefStyle style, int col, int row)
        : text_(text), style_(style), col_(col), row_(row) {}

    // Reads the next token; an unreadable character gives TokenKind::Invalid.
    Token next();
    std::size_t position() const { return pos_; }

  private:
    bool lexNumber(Token& token);
    bool lexText(Token& token);
    bool lexError(Token& token);
    bool lexA1Ref(Token& token);
    bool lexR1C1Ref(Token& token);
    bool lexName(Token& token);
    // True when the character at `at` could continue a name (so a reference ends before it).
    bool continuesName(std::size_t at) const;

    std::wstring_view text_;
    RefStyle style_;
    int col_;
    int row_;
    std::size_t pos_ = 0;
};

bool isNameStart(wchar_t c);
bool isNameChar(wchar_t c);

}  // namespace ovgrid::formula
