#pragma once
// The journal never shows anything itself; the shell answers these with
// message boxes.
#include <string>

namespace lunea {

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;
    // A confirmation with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    // A plain message box.
    virtual void Inform(const std::string& text) = 0;
    // An input/output error after a file was opened, with the system's text.
    virtual void ReportIoError(const std::string& systemText) = 0;
};

} // namespace lunea
