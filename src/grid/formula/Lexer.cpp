// Lexer.cpp - tokens of formula text: literals, references in A1 or R1C1 style, names,
// operators and punctuation.
#include "grid/formula/Lexer.h"

#include <cmath>
#include <cstdint>

#include "base/CaseFolding.h"
#include "base/ColumnLetters.h"
#include "base/NumberText.h"

namespace ovgrid::formula {

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool isAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

}  // namespace

bool isNameStart(wchar_t c) {
    return isAsciiLetter(c) || c == L'_' || c >= 0x80;
}
bool isNameChar(wchar_t c) {
    return isNameStart(c) || isDigit(c) || c == L'.';
}

bool Lexer::continuesName(std::size_t at) const {
    return at < text_.size() && (isNameChar(text_[at]) || text_[at] == L'$');
}

Token Lexer::next() {
    while (pos_ < text_.size() && (text_[pos_] == L' ' || text_[pos_] == L'\t' ||
                                   text_[pos_] == L'\r' || text_[pos_] == L'\n')) {
        ++pos_;
    }
    Token token;
    token.pos = pos_;
    if (pos_ >= text_.size()) {
        token.kind = TokenKind::End;
        return token;
    }
    wchar_t c = text_[pos_];
    wchar_t n = pos_ + 1 < text_.size() ? text_[pos_ + 1] : L'\0';
    auto single = [&](TokenKind kind) {
        ++pos_;
        token.kind = kind;
        return token;
    };
    auto oper = [&](Op op, std::size_t length) {
        pos_ += length;
        token.kind = TokenKind::Operator;
        token.op = op;
        return token;
    };
    switch (c) {
        case L'(':
            return single(TokenKind::LParen);
        case L')':
            return single(TokenKind::RParen);
        case L',':
            return single(TokenKind::Comma);
        case L':':
            return single(TokenKind::Colon);
        case L'+':
            return oper(Op::Add, 1);
        case L'-':
            return oper(Op::Sub, 1);
        case L'*':
            return oper(Op::Mul, 1);
        case L'/':
            return oper(Op::Div, 1);
        case L'^':
            return oper(Op::Pow, 1);
        case L'&':
            return oper(Op::Concat, 1);
        case L'%':
            return oper(Op::Percent, 1);
        case L'=':
            return oper(Op::Eq, 1);
        case L'<':
            if (n == L'>') {
                return oper(Op::Ne, 2);
            }
            if (n == L'=') {
                return oper(Op::Le, 2);
            }
            return oper(Op::Lt, 1);
        case L'>':
            if (n == L'=') {
                return oper(Op::Ge, 2);
            }
            return oper(Op::Gt, 1);
        default:
            break;
    }
    bool ok = false;
    if (isDigit(c) || (c == L'.' && isDigit(n))) {
        ok = lexNumber(token);
    } else if (c == L'"') {
        ok = lexText(token);
    } else if (c == L'#') {
        ok = lexError(token);
    } else if (isNameStart(c) || c == L'$') {
        ok = (style_ == RefStyle::A1 ? lexA1Ref(token) : lexR1C1Ref(token)) || lexName(token);
    }
    if (!ok) {
        token.kind = TokenKind::Invalid;
    }
    return token;
}

bool Lexer::lexNumber(Token& token) {
    // Whole numbers of up to 15 digits are exact doubles: read here, without the general
    // conversion, unless a fraction, an exponent or a name goes on after the digits.
    std::size_t digitsEnd = pos_;
    std::uint64_t whole = 0;
    while (digitsEnd < text_.size() && digitsEnd - pos_ < 15 && isDigit(text_[digitsEnd])) {
        whole = whole * 10 + static_cast<std::uint64_t>(text_[digitsEnd] - L'0');
        ++digitsEnd;
    }
    if (digitsEnd > pos_ && !continuesName(digitsEnd)) {
        token.number = static_cast<double>(whole);
        pos_ = digitsEnd;
        token.kind = TokenKind::Number;
        return true;
    }
    const std::size_t length = ovbase::numberTextLength(text_.substr(pos_));
    const std::size_t end = pos_ + length;
    // "2A", "1E" or "1.2.3" are no numbers.
    if (length == 0 || (end < text_.size() && (isNameChar(text_[end]) || text_[end] == L'$'))) {
        return false;
    }
    auto number = ovbase::parseNumberText(text_.substr(pos_, length));
    if (!number) {
        return false;  // beyond the range of a double
    }
    token.number = *number;
    pos_ = end;
    token.kind = TokenKind::Number;
    return true;
}

bool Lexer::lexText(Token& token) {
    std::size_t i = pos_ + 1;
    std::wstring value;
    while (i < text_.size()) {
        if (text_[i] == L'"') {
            if (i + 1 < text_.size() && text_[i + 1] == L'"') {
                value += L'"';
                i += 2;
                continue;
            }
            pos_ = i + 1;
            token.kind = TokenKind::Text;
            token.text = std::move(value);
            return true;
        }
        value += text_[i++];
    }
    return false;  // unterminated
}

bool Lexer::lexError(Token& token) {
    static constexpr ErrorCode kCodes[] = {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value,
                                           ErrorCode::Ref,  ErrorCode::Name, ErrorCode::Num,
                                           ErrorCode::NA};
    for (ErrorCode code : kCodes) {
        std::wstring_view name = errorText(code);
        if (text_.size() - pos_ >= name.size() &&
            ovbase::equalsIgnoringCase(text_.substr(pos_, name.size()), name)) {
            pos_ += name.size();
            token.kind = TokenKind::Error;
            token.error = code;
            return true;
        }
    }
    return false;
}

bool Lexer::lexA1Ref(Token& token) {
    std::size_t i = pos_;
    RefPoint ref;
    if (i < text_.size() && text_[i] == L'$') {
        ref.colAbs = true;
        ++i;
    }
    const std::size_t letters = ovbase::columnLettersLength(text_.substr(i));
    if (letters == 0 || letters > 3) {
        return false;
    }
    const int col = ovbase::columnNumber(text_.substr(i, letters));
    i += letters;
    if (i < text_.size() && text_[i] == L'$') {
        ref.rowAbs = true;
        ++i;
    }
    long row = 0;
    int digits = 0;
    while (i < text_.size() && isDigit(text_[i]) && digits < 8) {
        row = row * 10 + (text_[i] - L'0');
        ++digits;
        ++i;
    }
    if (digits == 0 || continuesName(i) || (i < text_.size() && text_[i] == L'(')) {
        return false;
    }
    if (col > kMaxSheetCols || row < 1 || row > kMaxSheetRows) {
        return false;
    }
    ref.col = col;
    ref.row = int(row);
    pos_ = i;
    token.kind = TokenKind::Ref;
    token.ref = ref;
    return true;
}

bool Lexer::lexR1C1Ref(Token& token) {
    std::size_t i = pos_;
    // One part: "R" or "C" followed by nothing (this row), n (absolute) or [n] (relative).
    auto part = [&](wchar_t letter, int base, int max, int& value, bool& absolute, bool& present) {
        present = false;
        if (i >= text_.size() || ovbase::toUpperChar(text_[i]) != letter) {
            return true;
        }
        present = true;
        ++i;
        if (i < text_.size() && text_[i] == L'[') {
            ++i;
            bool negative = false;
            if (i < text_.size() && (text_[i] == L'-' || text_[i] == L'+')) {
                negative = text_[i] == L'-';
                ++i;
            }
            long offset = 0;
            int digits = 0;
            while (i < text_.size() && isDigit(text_[i]) && digits < 8) {
                offset = offset * 10 + (text_[i] - L'0');
                ++digits;
                ++i;
            }
            if (digits == 0 || i >= text_.size() || text_[i] != L']') {
                return false;
            }
            ++i;
            value = int(base + (negative ? -offset : offset));
            absolute = false;
            return true;
        }
        long number = 0;
        int digits = 0;
        while (i < text_.size() && isDigit(text_[i]) && digits < 8) {
            number = number * 10 + (text_[i] - L'0');
            ++digits;
            ++i;
        }
        if (digits == 0) {
            value = base;
            absolute = false;
            return true;
        }
        if (number < 1 || number > max) {
            return false;
        }
        value = int(number);
        absolute = true;
        return true;
    };
    RefPoint ref;
    bool hasRow = false;
    bool hasCol = false;
    if (!part(L'R', row_, kMaxSheetRows, ref.row, ref.rowAbs, hasRow) ||
        !part(L'C', col_, kMaxSheetCols, ref.col, ref.colAbs, hasCol)) {
        return false;
    }
    if (!hasRow || !hasCol || continuesName(i) || (i < text_.size() && text_[i] == L'(')) {
        return false;
    }
    pos_ = i;
    token.kind = TokenKind::Ref;
    token.ref = ref;
    token.refValid =
        ref.col >= 1 && ref.col <= kMaxSheetCols && ref.row >= 1 && ref.row <= kMaxSheetRows;
    return true;
}

bool Lexer::lexName(Token& token) {
    std::size_t i = pos_;
    if (!isNameStart(text_[i])) {
        return false;
    }
    while (i < text_.size() && isNameChar(text_[i])) {
        ++i;
    }
    token.text.assign(text_.substr(pos_, i - pos_));
    pos_ = i;
    if (pos_ < text_.size() && text_[pos_] == L'(') {
        ++pos_;
        token.kind = TokenKind::Function;
        return true;
    }
    if (ovbase::equalsIgnoringCase(token.text, L"TRUE") ||
        ovbase::equalsIgnoringCase(token.text, L"FALSE")) {
        token.kind = TokenKind::Bool;
        token.boolean = ovbase::equalsIgnoringCase(token.text, L"TRUE");
        return true;
    }
    token.kind = TokenKind::Name;
    return true;
}

}  // namespace ovgrid::formula
