// CommandLinePane.cpp - the command-line pane.
#include "CommandLinePane.h"

#include <QFontDatabase>
#include <QInputDialog>
#include <QScrollBar>

namespace {
QString toQt(const std::wstring& text) {
    return QString::fromStdWString(text);
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

void CommandLinePane::print(const std::wstring& text) {
    appendText(toQt(text));
}

void CommandLinePane::postCommand(const std::wstring& command) {
    appendText(QStringLiteral("\nCommand: %1\n").arg(toQt(command)));
}

void CommandLinePane::postCommandPrompt() {
    appendText(QStringLiteral("\nCommand: "));
}

bool CommandLinePane::getString(const std::wstring& prompt, std::wstring& answer) {
    bool ok = false;
    const QString text = QInputDialog::getText(this, tr("Command line"), toQt(prompt),
                                               QLineEdit::Normal, toQt(answer), &ok);
    appendText(toQt(prompt) + QLatin1Char(' ') + (ok ? text : tr("*Cancel*")) + QLatin1Char('\n'));
    if (ok) {
        answer = text.toStdWString();
    }
    return ok;
}
