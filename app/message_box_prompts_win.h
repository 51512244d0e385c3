#pragma once
#include "journal/user_prompts.h"

#include <windows.h>

namespace lunea {

// The journal's questions and reports as message boxes over the main window.
class MessageBoxPrompts : public UserPrompts {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }

    bool AskYesNo(const std::string& question) override;
    void Inform(const std::string& text) override;
    void ReportIoError(const std::string& systemText) override;

  private:
    HWND owner_ = nullptr;
};

} // namespace lunea
