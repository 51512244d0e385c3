#pragma once
// What the program tells the user and asks of them, without showing it
// itself: the shell answers with message boxes, the tests record.
#include <string>

namespace lunea {

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;
    // A confirmation with the buttons Yes and No and the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    // A plain message.
    virtual void Inform(const std::string& text) = 0;
    // A message with the information icon.
    virtual void Notice(const std::string& text) = 0;
    // A failure, with the error icon: the system's text or the program's.
    virtual void ReportError(const std::string& text) = 0;
};

} // namespace lunea
