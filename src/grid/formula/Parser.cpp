// Parser.cpp - precedence-climbing parser that emits postfix code while it reads.
//
// Recursion only happens for parentheses and function arguments, and an explicit depth
// counter bounds it, so no input can exhaust the stack. Operator precedence follows the
// common spreadsheets: unary minus binds tightest (-2^2 is 4), then %, ^ (left-associative,
// 2^3^2 is 64), * /, + -, &, and the comparisons last.
#include "grid/formula/Parser.h"

#include <algorithm>
#include <vector>

#include "base/CaseFolding.h"
#include "grid/formula/FunctionLibrary.h"
#include "grid/formula/Lexer.h"

namespace ovgrid::formula {

namespace {

int precedenceOf(Op op) {
    switch (op) {
        case Op::Eq:
        case Op::Ne:
        case Op::Lt:
        case Op::Gt:
        case Op::Le:
        case Op::Ge:
            return 1;
        case Op::Concat:
            return 2;
        case Op::Add:
        case Op::Sub:
            return 3;
        case Op::Mul:
        case Op::Div:
            return 4;
        case Op::Pow:
            return 5;
        default:
            return 0;
    }
}

class Parser {
  public:
    Parser(std::wstring_view text, RefStyle style, int col, int row, ProgramBuilder& out)
        : lexer_(text, style, col, row), out_(out) {
        advance();
    }

    bool parse(std::wstring& error) {
        if (token_.kind == TokenKind::End) {
            return fail(L"The formula is empty", error);
        }
        if (!parseExpression(0) || token_.kind != TokenKind::End) {
            if (message_.empty()) {
                message_ = L"Syntax error at position " + std::to_wstring(token_.pos + 1);
            }
            error = message_;
            return false;
        }
        out_.maxStack = std::uint32_t(maxDepth_);
        return true;
    }

  private:
    bool fail(const wchar_t* message, std::wstring& error) {
        error = message;
        return false;
    }
    bool fail(std::wstring message) {
        if (message_.empty()) {
            message_ = std::move(message);
        }
        return false;
    }
    void advance() { token_ = lexer_.next(); }

    std::size_t emit(Op op, std::uint32_t a = 0, int stackEffect = 1) {
        Instr instr;
        instr.op = op;
        instr.a = a;
        out_.code.push_back(instr);
        depth_ += stackEffect;
        maxDepth_ = std::max(maxDepth_, depth_);
        return out_.code.size() - 1;
    }

    bool enter() {
        if (++nesting_ > kMaxNestingDepth) {
            return fail(L"The formula nests deeper than " + std::to_wstring(kMaxNestingDepth) +
                        L" levels");
        }
        return true;
    }

    bool parseExpression(int minPrecedence) {
        if (!parseOperand()) {
            return false;
        }
        while (token_.kind == TokenKind::Operator) {
            int precedence = precedenceOf(token_.op);
            if (precedence == 0 || precedence < minPrecedence) {
                break;
            }
            Op op = token_.op;
            advance();
            // All binary operators are left-associative.
            if (!parseExpression(precedence + 1)) {
                return false;
            }
            emit(op, 0, -1);
        }
        return true;
    }

    // Prefix signs, a primary and postfix percent signs.
    bool parseOperand() {
        std::vector<Op> prefixes;
        while (token_.kind == TokenKind::Operator &&
               (token_.op == Op::Sub || token_.op == Op::Add)) {
            prefixes.push_back(token_.op == Op::Sub ? Op::Neg : Op::Pos);
            advance();
        }
        if (!parsePrimary()) {
            return false;
        }
        for (auto it = prefixes.rbegin(); it != prefixes.rend(); ++it) {
            emit(*it, 0, 0);
        }
        while (token_.kind == TokenKind::Operator && token_.op == Op::Percent) {
            emit(Op::Percent, 0, 0);
            advance();
        }
        return true;
    }

    bool parsePrimary() {
        switch (token_.kind) {
            case TokenKind::Number: {
                out_.numbers.push_back(token_.number);
                emit(Op::Number, std::uint32_t(out_.numbers.size() - 1));
                advance();
                return true;
            }
            case TokenKind::Text:
                out_.texts.push_back(std::move(token_.text));
                emit(Op::Text, std::uint32_t(out_.texts.size() - 1));
                advance();
                return true;
            case TokenKind::Bool:
                emit(Op::Bool, token_.boolean ? 1 : 0);
                advance();
                return true;
            case TokenKind::Error:
                emit(Op::Error, std::uint32_t(token_.error));
                advance();
                return true;
            case TokenKind::Ref:
                return parseReference();
            case TokenKind::Name:
                out_.texts.push_back(std::move(token_.text));
                emit(Op::Name, std::uint32_t(out_.texts.size() - 1));
                advance();
                return true;
            case TokenKind::Function:
                return parseCall();
            case TokenKind::LParen: {
                if (!enter()) {
                    return false;
                }
                advance();
                if (!parseExpression(0)) {
                    return false;
                }
                if (token_.kind != TokenKind::RParen) {
                    return false;
                }
                advance();
                emit(Op::Paren, 0, 0);
                --nesting_;
                return true;
            }
            default:
                return false;
        }
    }

    bool parseReference() {
        RefEntry entry;
        entry.first = token_.ref;
        entry.last = token_.ref;
        bool valid = token_.refValid;
        advance();
        bool isRange = false;
        if (token_.kind == TokenKind::Colon) {
            advance();
            if (token_.kind != TokenKind::Ref) {
                return false;
            }
            entry.last = token_.ref;
            valid = valid && token_.refValid;
            isRange = true;
            advance();
            // A reversed block (B3:A1) is kept as typed: it is put in order where it is
            // resolved, which also serves a block that turns over when filled down.
        }
        if (!valid) {
            emit(Op::Error, std::uint32_t(ErrorCode::Ref));
            return true;
        }
        out_.refs.push_back(entry);
        emit(isRange ? Op::Range : Op::Ref, std::uint32_t(out_.refs.size() - 1));
        return true;
    }

    // One argument, or Op::Missing when it is left empty.
    bool parseArgument() {
        if (token_.kind == TokenKind::Comma || token_.kind == TokenKind::RParen) {
            emit(Op::Missing);
            return true;
        }
        return parseExpression(0);
    }

    bool parseCall() {
        // Registered functions are stored under the same case (Grid::addCustomFunctionExt).
        std::wstring name = ovbase::toUpper(token_.text);
        advance();
        if (!enter()) {
            return false;
        }
        bool ok = name == L"IF"        ? parseIf()
                  : name == L"IFERROR" ? parseIfError()
                                       : parseOrdinaryCall(name);
        --nesting_;
        return ok;
    }

    // Arguments up to and including ")"; returns the count, or -1 on a syntax error.
    int parseArguments() {
        if (token_.kind == TokenKind::RParen) {
            advance();
            return 0;
        }
        int count = 0;
        while (true) {
            if (!parseArgument()) {
                return -1;
            }
            if (++count > kMaxArguments) {
                fail(L"A function has more than " + std::to_wstring(kMaxArguments) + L" arguments");
                return -1;
            }
            if (token_.kind == TokenKind::Comma) {
                advance();
                continue;
            }
            if (token_.kind == TokenKind::RParen) {
                advance();
                return count;
            }
            return -1;
        }
    }

    bool checkCount(const std::wstring& name, int count, int minArgs, int maxArgs) {
        if (count < minArgs) {
            return fail(L"Too few arguments for " + name);
        }
        if (count > maxArgs) {
            return fail(L"Too many arguments for " + name);
        }
        return true;
    }

    bool parseOrdinaryCall(const std::wstring& name) {
        int count = parseArguments();
        if (count < 0) {
            return false;
        }
        std::uint16_t index = 0;
        if (const BuiltinFunction* fn = findBuiltin(name, index)) {
            if (!checkCount(name, count, fn->minArgs, fn->maxArgs)) {
                return false;
            }
            std::size_t at = emit(Op::Call, 0, 1 - count);
            out_.code[at].fn = index;
            out_.code[at].argc = std::uint8_t(count);
            return true;
        }
        // Registered functions are looked up by name when the formula is evaluated.
        out_.texts.push_back(name);
        std::size_t at = emit(Op::CallCustom, std::uint32_t(out_.texts.size() - 1), 1 - count);
        out_.code[at].argc = std::uint8_t(count);
        out_.hasCustomCalls = true;
        return true;
    }

    // IF(condition, then[, else]) evaluates only the branch it takes.
    bool parseIf() {
        if (!parseArgument() || token_.kind != TokenKind::Comma) {
            return fail(L"Too few arguments for IF");
        }
        advance();
        std::size_t test = emit(Op::IfJumpFalse, 0, -1);
        int base = depth_;
        if (!parseArgument()) {
            return false;
        }
        std::size_t jump = emit(Op::Jump, 0, 0);
        out_.code[test].a = std::uint32_t(out_.code.size());
        depth_ = base;
        int count = 2;
        if (token_.kind == TokenKind::Comma) {
            advance();
            if (!parseArgument()) {
                return false;
            }
            count = 3;
        } else {
            emit(Op::IfNoElse);
        }
        if (token_.kind != TokenKind::RParen) {
            return count == 3 && token_.kind == TokenKind::Comma
                       ? fail(std::wstring(L"Too many arguments for IF"))
                       : false;
        }
        advance();
        std::size_t end = emit(Op::IfEnd, 0, 0);
        out_.code[end].argc = std::uint8_t(count);
        out_.code[jump].a = std::uint32_t(end);
        out_.code[test].b = std::uint32_t(end);
        return true;
    }

    // IFERROR(value, alternative) evaluates the alternative only for an error.
    bool parseIfError() {
        if (!parseArgument() || token_.kind != TokenKind::Comma) {
            return fail(L"Too few arguments for IFERROR");
        }
        advance();
        std::size_t test = emit(Op::IfErrorJump, 0, -1);
        if (!parseArgument()) {
            return false;
        }
        if (token_.kind != TokenKind::RParen) {
            return token_.kind == TokenKind::Comma
                       ? fail(std::wstring(L"Too many arguments for IFERROR"))
                       : false;
        }
        advance();
        std::size_t end = emit(Op::IfErrorEnd, 0, 0);
        out_.code[test].a = std::uint32_t(end);
        return true;
    }

    Lexer lexer_;
    ProgramBuilder& out_;
    Token token_;
    int nesting_ = 0;
    int depth_ = 0;
    int maxDepth_ = 0;
    std::wstring message_;
};

}  // namespace

bool parseFormula(std::wstring_view text, RefStyle style, int col, int row, ProgramBuilder& out,
                  std::wstring& error) {
    if (text.size() > kMaxFormulaLength) {
        error =
            L"The formula is longer than " + std::to_wstring(kMaxFormulaLength) + L" characters";
        return false;
    }
    std::size_t start = 0;
    while (start < text.size() && (text[start] == L' ' || text[start] == L'\t')) {
        ++start;
    }
    if (start < text.size() && text[start] == L'=') {
        ++start;
    }
    // Roughly one instruction per two characters; one allocation for typical formulas.
    out.code.reserve(text.size() / 2 + 4);
    Parser parser(text.substr(start), style, col, row, out);
    return parser.parse(error);
}

}  // namespace ovgrid::formula
