// CommandLinePane.h - the host's command line: a read-only text pane that shows what the module
// prints (acutPrintf), the commands it posts, and a one-line input for its text prompts.
#pragma once

#include <QPlainTextEdit>

#include "host/HostServices.h"

class CommandLinePane : public QPlainTextEdit, public HostCommandLine {
    Q_OBJECT

  public:
    explicit CommandLinePane(QWidget* parent = nullptr);

    // Appends text as printed: line breaks in the text start new lines.
    void appendText(const QString& text);

    void print(const std::wstring& text) override;
    void postCommand(const std::wstring& command) override;
    void postCommandPrompt() override;
    bool getString(const std::wstring& prompt, std::wstring& answer) override;
};
