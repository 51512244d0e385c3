#include "dialogs/password_prompt_win.h"

#include "components/controls/message_box_prompts_win.h"
#include "components/controls/control_painters.h"
#include "components/art/dialog_skin.h"

namespace lunea {
namespace {

constexpr int kPasswordEditId = 10;

} // namespace

PasswordPrompt::PasswordPrompt(HWND owner, std::string password)
    : ModalDialog(owner, DialogFrame::Skinned, DialogPlace::ScreenCentre),
      password_(std::move(password)) {
    if (!CreateDialogWindow("Lunea Calendar Protection", 260, 112))
        return;
    promptLabel_ =
        std::make_unique<SkinLabel>(Window(), 11, Rect{12, 32, 248, 46}, "Enter password");
    passwordEdit_ = std::make_unique<EditBox>(
        Window(), kPasswordEditId, Rect{12, 49, 248, 71},
        EditBoxStyle{ES_AUTOHSCROLL | ES_PASSWORD, 0, ControlFont(), std::nullopt});
    SendMessageA(passwordEdit_->Window(), EM_SETPASSWORDCHAR, '*', 0);
    AddButton(IDOK, {92, 80, 167, 104}, "Enter", true);
    AddButton(IDCANCEL, {173, 80, 248, 104}, "Exit");
}

void PasswordPrompt::OkClick() {
    // The whole text, letter case and blanks included.
    if (passwordEdit_->Text() == password_) {
        EndModal(DialogResult::Ok);
        return;
    }
    MessageBoxPrompts(Window()).ReportError("Incorrect Password!");
    passwordEdit_->SetText("");
    SetFocus(passwordEdit_->Window());
}

bool AskPassword(HWND owner, const std::string& password) {
    PasswordPrompt prompt(owner, password);
    return prompt.ShowModal() == DialogResult::Ok;
}

} // namespace lunea
