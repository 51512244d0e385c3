#include "components/controls/message_box_prompts_win.h"

#include "common/desktop_contract.h"

namespace lunea {

int MessageBoxPrompts::Show(const std::string& text, UINT flags) const {
    return MessageBoxA(owner_, text.c_str(), kApplicationTitle, flags);
}

bool MessageBoxPrompts::AskYesNo(const std::string& question) {
    return Show(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void MessageBoxPrompts::Inform(const std::string& text) {
    Show(text, MB_OK);
}

void MessageBoxPrompts::Notice(const std::string& text) {
    Show(text, MB_OK | MB_ICONINFORMATION);
}

void MessageBoxPrompts::ReportError(const std::string& text) {
    Show(text, MB_OK | MB_ICONERROR);
}

} // namespace lunea
