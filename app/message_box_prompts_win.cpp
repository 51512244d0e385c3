#include "app/message_box_prompts_win.h"

#include "common/desktop_contract.h"

namespace lunea {

bool MessageBoxPrompts::AskYesNo(const std::string& question) {
    return MessageBoxA(owner_, question.c_str(), kApplicationTitle, MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}

void MessageBoxPrompts::Inform(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), kApplicationTitle, MB_OK);
}

void MessageBoxPrompts::ReportIoError(const std::string& systemText) {
    MessageBoxA(owner_, systemText.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

} // namespace lunea
