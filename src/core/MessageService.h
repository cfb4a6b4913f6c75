// MessageService.h - message boxes through a replaceable service, with the Win32 constants the
// calling code uses. The engine default prints "caption: text" to stderr and answers the default
// button; the dialog library installs Qt message boxes; tests install a MessageRecorder.
#pragma once

#include <deque>
#include <vector>

#include "base/Service.h"
#include "core/Tvx_String.h"

// Buttons (low four bits of the type).
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
// Icons.
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
// Default button (first when none is given).
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;
inline constexpr unsigned MB_TOPMOST = 0x40000;
// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The answer of the default button of a box of `type`: MB_OK -> IDOK, MB_YESNO with
// MB_DEFBUTTON2 -> IDNO, ...
int defaultMessageAnswer(unsigned type);

class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual int show(const Tvx_String& text, const Tvx_String& caption, unsigned type) = 0;
};

// The message-box slot; its default is the StderrMessageService.
ovbase::Service<MessageService>& messageService();

// Shows a message box and returns the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
int ovMessageBox(const Tvx_String& text, const Tvx_String& caption, unsigned type);
// The framework's form: the caption is the application's title, "ovss".
int AfxMessageBox(const Tvx_String& text, unsigned type = MB_OK);

class StderrMessageService : public MessageService {
  public:
    int show(const Tvx_String& text, const Tvx_String& caption, unsigned type) override;
};

// Test recorder: installs itself for its lifetime, records every box and answers the scripted
// choices in order; when the script runs out it answers the default button.
class MessageRecorder : public MessageService {
  public:
    struct Message {
        Tvx_String text;
        Tvx_String caption;
        unsigned type = 0;
    };

    MessageRecorder() = default;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    int show(const Tvx_String& text, const Tvx_String& caption, unsigned type) override;

    void answer(int choice) { answers_.push_back(choice); }
    const std::vector<Message>& messages() const { return messages_; }
    int count() const { return static_cast<int>(messages_.size()); }
    const Message& last() const { return messages_.back(); }
    void clear();

  private:
    ovbase::ScopedService<MessageService> installed_{messageService(), this};
    std::vector<Message> messages_;
    std::deque<int> answers_;
};
