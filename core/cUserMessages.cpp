#include "core/cUserMessages.h"

#include <iostream>

namespace {

TStderrMessages& StderrMessages() {
    static TStderrMessages messages;
    return messages;
}

TUserMessages* installed = nullptr;

const char* KindName(TMessageKind kind) {
    switch (kind) {
    case TMessageKind::Error:
        return "Error";
    case TMessageKind::Warning:
        return "Warning";
    case TMessageKind::Information:
        return "Information";
    case TMessageKind::Confirmation:
        return "Confirmation";
    }
    return "Message";
}

} // namespace

TUserMessages& UserMessages() {
    return installed ? *installed : StderrMessages();
}

void SetUserMessages(TUserMessages* messages) {
    installed = messages;
}

TMessageAnswer DefaultAnswer(TMessageButtons buttons) {
    switch (buttons) {
    case TMessageButtons::Ok:
    case TMessageButtons::OkCancel:
        return TMessageAnswer::Ok;
    case TMessageButtons::YesNo:
    case TMessageButtons::YesNoCancel:
        return TMessageAnswer::Yes;
    }
    return TMessageAnswer::Ok;
}

void ShowError(const std::string& text) {
    UserMessages().Show(TMessageKind::Error, text, TMessageButtons::Ok);
}

void ShowWarning(const std::string& text) {
    UserMessages().Show(TMessageKind::Warning, text, TMessageButtons::Ok);
}

void ShowInformation(const std::string& text) {
    UserMessages().Show(TMessageKind::Information, text, TMessageButtons::Ok);
}

TMessageAnswer AskUser(TMessageKind kind, const std::string& text, TMessageButtons buttons) {
    return UserMessages().Show(kind, text, buttons);
}

TMessageAnswer TStderrMessages::Show(TMessageKind kind, const std::string& text,
                                     TMessageButtons buttons) {
    if (kind == TMessageKind::Error)
        ++errors;
    std::cerr << KindName(kind) << ": " << text << '\n';
    return DefaultAnswer(buttons);
}

TMessageRecorder::TMessageRecorder() : previous(installed) {
    SetUserMessages(this);
}

TMessageRecorder::~TMessageRecorder() {
    SetUserMessages(previous);
}

TMessageAnswer TMessageRecorder::Show(TMessageKind kind, const std::string& text,
                                      TMessageButtons buttons) {
    messages.push_back({kind, text, buttons});
    if (script.empty())
        return DefaultAnswer(buttons);
    TMessageAnswer answer = script.front();
    script.pop_front();
    return answer;
}

std::vector<std::string> TMessageRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages)
        texts.push_back(m.Text);
    return texts;
}

TReadErrorContext::TReadErrorContext(std::string name, std::string expected)
    : fileName(std::move(name)), expectedKind(std::move(expected)), previous(installed) {
    SetUserMessages(this);
}

TReadErrorContext::~TReadErrorContext() {
    SetUserMessages(previous);
}

TMessageAnswer TReadErrorContext::Show(TMessageKind kind, const std::string& text,
                                       TMessageButtons buttons) {
    static const std::string readError = "Error in procedure ReadData: ";
    TUserMessages& next = previous ? *previous : StderrMessages();
    if (kind != TMessageKind::Error || text.compare(0, readError.size(), readError) != 0)
        return next.Show(kind, text, buttons);
    return next.Show(kind, text + "\r\rFile: " + fileName + "\rExpected: " + expectedKind, buttons);
}
