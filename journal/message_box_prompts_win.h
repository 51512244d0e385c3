#pragma once
// The journal's questions and messages as message boxes of a window.
#include "journal/user_prompts.h"

#include <windows.h>

#include <string>

namespace lunea {

class MessageBoxPrompts : public UserPrompts {
public:
    MessageBoxPrompts(HWND owner, std::string caption);
    bool AskYesNo(const std::string& question) override;
    void Inform(const std::string& text) override;
    void ReportIoError(const std::string& systemText) override;

private:
    HWND owner_;
    std::string caption_;
};

} // namespace lunea
