// Decompiler.cpp - writes a compiled formula back as text in A1 or R1C1 style. Parentheses
// were kept as typed, so the postfix program converts back without precedence rules.
#include <string>
#include <vector>

#include "base/ColumnLetters.h"
#include "base/NumberText.h"
#include "grid/formula/Bytecode.h"
#include "grid/formula/FunctionLibrary.h"
#include "grid/formula/Lexer.h"

namespace ovgrid {

namespace {

using formula::Instr;
using formula::Op;
using formula::RefPoint;

const wchar_t* operatorText(Op op) {
    switch (op) {
        case Op::Add:
            return L"+";
        case Op::Sub:
            return L"-";
        case Op::Mul:
            return L"*";
        case Op::Div:
            return L"/";
        case Op::Pow:
            return L"^";
        case Op::Concat:
            return L"&";
        case Op::Eq:
            return L"=";
        case Op::Ne:
            return L"<>";
        case Op::Lt:
            return L"<";
        case Op::Gt:
            return L">";
        case Op::Le:
            return L"<=";
        case Op::Ge:
            return L">=";
        default:
            return nullptr;
    }
}

std::wstring quoted(const std::wstring& text) {
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        out += c;
        if (c == L'"') {
            out += L'"';
        }
    }
    out += L'"';
    return out;
}

std::wstring pointText(const RefPoint& p, RefStyle style, int col, int row) {
    if (style == RefStyle::A1) {
        std::wstring out;
        if (p.colAbs) {
            out += L'$';
        }
        out += ovbase::columnLetters(p.col);
        if (p.rowAbs) {
            out += L'$';
        }
        out += std::to_wstring(p.row);
        return out;
    }
    auto part = [](wchar_t letter, int target, bool absolute, int base) {
        std::wstring out(1, letter);
        if (absolute) {
            out += std::to_wstring(target);
        } else if (target != base) {
            out += L'[' + std::to_wstring(target - base) + L']';
        }
        return out;
    };
    return part(L'R', p.row, p.rowAbs, row) + part(L'C', p.col, p.colAbs, col);
}

// Joins the top `count` entries of the stack into "NAME(a,b,...)".
void callText(std::vector<std::wstring>& stack, const std::wstring& name, std::size_t count) {
    count = std::min(count, stack.size());
    std::wstring out = name + L"(";
    for (std::size_t i = stack.size() - count; i < stack.size(); ++i) {
        if (i > stack.size() - count) {
            out += L',';
        }
        out += stack[i];
    }
    out += L')';
    stack.resize(stack.size() - count);
    stack.push_back(std::move(out));
}

}  // namespace

std::wstring CompiledFormula::toText(RefStyle style, int col, int row) const {
    if (!impl_) {
        return {};
    }
    std::vector<std::wstring> stack;
    auto pop = [&stack]() {
        if (stack.empty()) {
            return std::wstring();
        }
        std::wstring top = std::move(stack.back());
        stack.pop_back();
        return top;
    };
    for (const Instr& instr : impl_->code()) {
        switch (instr.op) {
            case Op::Number:
                stack.push_back(ovbase::formulaNumberText(impl_->numbers()[instr.a]));
                break;
            case Op::Text:
                stack.push_back(quoted(impl_->texts()[instr.a]));
                break;
            case Op::Bool:
                stack.push_back(instr.a ? L"TRUE" : L"FALSE");
                break;
            case Op::Error:
                stack.push_back(errorText(ErrorCode(instr.a)));
                break;
            case Op::Missing:
                stack.emplace_back();
                break;
            case Op::Name:
                stack.push_back(impl_->texts()[instr.a]);
                break;
            case Op::Ref: {
                const formula::RefEntry ref =
                    formula::resolvedEntry(impl_->refs()[instr.a], false, col, row);
                stack.push_back(pointText(ref.first, style, col, row));
                break;
            }
            case Op::Range: {
                const formula::RefEntry ref =
                    formula::resolvedEntry(impl_->refs()[instr.a], true, col, row);
                stack.push_back(pointText(ref.first, style, col, row) + L":" +
                                pointText(ref.last, style, col, row));
                break;
            }
            case Op::Neg:
                stack.push_back(L"-" + pop());
                break;
            case Op::Pos:
                stack.push_back(L"+" + pop());
                break;
            case Op::Percent:
                stack.push_back(pop() + L"%");
                break;
            case Op::Paren:
                stack.push_back(L"(" + pop() + L")");
                break;
            case Op::Call:
                callText(stack, formula::builtinAt(instr.fn).name, instr.argc);
                break;
            case Op::CallCustom:
                callText(stack, impl_->texts()[instr.a], instr.argc);
                break;
            case Op::IfEnd:
                callText(stack, L"IF", instr.argc);
                break;
            case Op::IfErrorEnd:
                callText(stack, L"IFERROR", 2);
                break;
            case Op::IfJumpFalse:
            case Op::Jump:
            case Op::IfNoElse:
            case Op::IfErrorJump:
                break;
            default: {
                std::wstring right = pop();
                std::wstring left = pop();
                const wchar_t* op = operatorText(instr.op);
                stack.push_back(left + (op ? op : L"?") + right);
                break;
            }
        }
    }
    return stack.empty() ? std::wstring() : stack.back();
}

}  // namespace ovgrid
