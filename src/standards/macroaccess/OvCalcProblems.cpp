// OvCalcProblems.cpp - the problems list of a calculation and its one-line descriptions.
#include "standards/macroaccess/OvCalcProblems.h"

#include "core/Paths.h"
#include "core/StringHelpers.h"

Tvx_String OvCalcProblem::describe() const {
    Tvx_String text = shownPath(sheet);
    if (row > 0) {
        text += L": line " + Tvx_String::fromInt(row);
        if (col > 0) {
            text += L" (" + getAlfabet(col) + Tvx_String::fromInt(row) + L")";
        }
    }
    if (!subject.isEmpty()) {
        text += (text.isEmpty() ? L"" : L": ") + shortenedText(subject);
    }
    if (!reason.isEmpty()) {
        text += (text.isEmpty() ? L"" : L": ") + shortenedText(reason, 400);
    }
    return text;
}

void OvCalcProblems::add(OvCalcProblem::Kind kind, const Tvx_String& sheet,
                         const Tvx_String& subject, const Tvx_String& reason, int col, int row) {
    OvCalcProblem problem;
    problem.kind = kind;
    problem.sheet = sheet;
    problem.subject = subject;
    problem.reason = reason;
    problem.col = col;
    problem.row = row;
    items_.append(problem);
}

void OvCalcProblems::append(const OvCalcProblems& other) {
    for (const OvCalcProblem& problem : other.items_) {
        items_.append(problem);
    }
}
