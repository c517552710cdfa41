#pragma once

#include <deque>
#include <string>
#include <vector>

// Messages to the user are modal boxes of four kinds with fixed button sets. Every layer reaches
// them through one TUserMessages: the desktop program installs message boxes, the CLI prints to
// stderr, and tests install a TMessageRecorder that records each box and answers it.

enum class TMessageKind { Error, Warning, Information, Confirmation };
enum class TMessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TMessageAnswer { Ok, Cancel, Yes, No };

class TUserMessages {
public:
    virtual ~TUserMessages() = default;
    virtual TMessageAnswer Show(TMessageKind kind, const std::string& text,
                                TMessageButtons buttons) = 0;
};

// The messages now in force; never null (stderr when nothing is installed).
TUserMessages& UserMessages();
// Installs messages; nullptr restores the stderr default. The caller keeps ownership.
void SetUserMessages(TUserMessages* messages);

// The answer a box gives when the user just presses Enter: its first button.
TMessageAnswer DefaultAnswer(TMessageButtons buttons);

void ShowError(const std::string& text);
void ShowWarning(const std::string& text);
void ShowInformation(const std::string& text);
TMessageAnswer AskUser(TMessageKind kind, const std::string& text, TMessageButtons buttons);

// Writes every message to stderr as "Kind: text" and answers with the default button.
class TStderrMessages : public TUserMessages {
public:
    TMessageAnswer Show(TMessageKind kind, const std::string& text,
                        TMessageButtons buttons) override;
    int ErrorCount() const { return errors; }

private:
    int errors = 0;
};

struct TRecordedMessage {
    TMessageKind Kind;
    std::string Text;
    TMessageButtons Buttons;
};

// Records every message and answers from a script; unscripted boxes get the default answer.
// Installs itself for its lifetime and restores what was in force before.
class TMessageRecorder : public TUserMessages {
public:
    TMessageRecorder();
    ~TMessageRecorder() override;
    TMessageRecorder(const TMessageRecorder&) = delete;
    TMessageRecorder& operator=(const TMessageRecorder&) = delete;

    TMessageAnswer Show(TMessageKind kind, const std::string& text,
                        TMessageButtons buttons) override;

    void Answer(TMessageAnswer answer) { script.push_back(answer); }
    const std::vector<TRecordedMessage>& Messages() const { return messages; }
    std::vector<std::string> Texts() const;
    void Clear() { messages.clear(); }
    // Drops the scripted answers no box has taken yet.
    void ForgetAnswers() { script.clear(); }

private:
    std::vector<TRecordedMessage> messages;
    std::deque<TMessageAnswer> script;
    TUserMessages* previous;
};

// While it lives, an error in reading a file ("Error in procedure ReadData: ...") also names the
// file and the kind of file that was expected, so that a user who picked the wrong file sees
// which one and why. Other messages pass unchanged.
class TReadErrorContext : public TUserMessages {
public:
    TReadErrorContext(std::string fileName, std::string expectedKind);
    ~TReadErrorContext() override;
    TReadErrorContext(const TReadErrorContext&) = delete;
    TReadErrorContext& operator=(const TReadErrorContext&) = delete;

    TMessageAnswer Show(TMessageKind kind, const std::string& text,
                        TMessageButtons buttons) override;

private:
    std::string fileName;
    std::string expectedKind;
    TUserMessages* previous;
};
