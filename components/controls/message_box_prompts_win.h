#pragma once
#include "components/controls/user_prompts.h"

#include <windows.h>

namespace lunea {

// The prompts as message boxes captioned with the program's title, over the
// owner window (none: over no window).
class MessageBoxPrompts : public UserPrompts {
  public:
    explicit MessageBoxPrompts(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    bool AskYesNo(const std::string& question) override;
    void Inform(const std::string& text) override;
    void Notice(const std::string& text) override;
    void ReportError(const std::string& text) override;

  private:
    int Show(const std::string& text, UINT flags) const;

    HWND owner_ = nullptr;
};

} // namespace lunea
