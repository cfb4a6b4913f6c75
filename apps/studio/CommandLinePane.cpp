// CommandLinePane.cpp - the command-line pane.
#include "CommandLinePane.h"

#include <QFontDatabase>
#include <QInputDialog>
#include <QScrollBar>

namespace {
QString toQt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}
}  // namespace

CommandLinePane::CommandLinePane(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMaximumBlockCount(5000);  // a long session must not grow without bound
}

void CommandLinePane::appendText(const QString& text) {
    moveCursor(QTextCursor::End);
    insertPlainText(text);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void CommandLinePane::print(const Tvx_String& text) {
    appendText(toQt(text));
}

void CommandLinePane::postCommand(const Tvx_String& command) {
    appendText(QStringLiteral("\nCommand: %1\n").arg(toQt(command)));
}

void CommandLinePane::postCommandPrompt() {
    appendText(QStringLiteral("\nCommand: "));
}

bool CommandLinePane::getString(const Tvx_String& prompt, Tvx_String& answer) {
    bool ok = false;
    const QString text = QInputDialog::getText(this, tr("Command line"), toQt(prompt),
                                               QLineEdit::Normal, toQt(answer), &ok);
    appendText(toQt(prompt) + QLatin1Char(' ') + (ok ? text : tr("*Cancel*")) + QLatin1Char('\n'));
    if (ok) {
        answer = Tvx_String(text.toStdWString());
    }
    return ok;
}
