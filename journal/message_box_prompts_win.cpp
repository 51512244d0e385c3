#include "journal/message_box_prompts_win.h"

#include <utility>

namespace lunea {

MessageBoxPrompts::MessageBoxPrompts(HWND owner, std::string caption)
    : owner_(owner), caption_(std::move(caption)) {}

bool MessageBoxPrompts::AskYesNo(const std::string& question) {
    return MessageBoxA(owner_, question.c_str(), caption_.c_str(), MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}

void MessageBoxPrompts::Inform(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), caption_.c_str(), MB_OK);
}

void MessageBoxPrompts::ReportIoError(const std::string& systemText) {
    MessageBoxA(owner_, systemText.c_str(), caption_.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace lunea
