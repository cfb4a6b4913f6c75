// CommandLinePane.h - the host's command line: a read-only text pane that shows what the module
// prints (acutPrintf), the commands it posts, and a one-line input for its text prompts.
#pragma once

#include <QPlainTextEdit>

#include "core/HostServices.h"

class CommandLinePane : public QPlainTextEdit, public HostCommandLine {
    Q_OBJECT

  public:
    explicit CommandLinePane(QWidget* parent = nullptr);

    // Appends text as printed: line breaks in the text start new lines.
    void appendText(const QString& text);

    void print(const Tvx_String& text) override;
    void postCommand(const Tvx_String& command) override;
    void postCommandPrompt() override;
    bool getString(const Tvx_String& prompt, Tvx_String& answer) override;
};
