#include "dialogs/welcome_dialog_win.h"

#include "components/art/dialog_skin.h"
#include "components/art/image_sets.h"

namespace lunea {
namespace {

constexpr int kUsersBoxId = 20;

} // namespace

WelcomeDialog::WelcomeDialog(HWND owner, const UserList& users)
    : ModalDialog(owner, DialogFrame::Captioned, DialogPlace::ScreenCentre) {
    if (!CreateDialogWindow("Welcome to Lunea Calendar", 400, 262))
        return;
    picture_ = std::make_unique<PictureBox>(Window(), 10, Point{12, 12}, PaintProductPicture(96));
    const auto text = [this](int id, const Rect& bounds, const char* line) {
        AddControl("STATIC", id, bounds, line, SS_LEFT | SS_NOPREFIX);
    };
    text(11, {120, 24, 392, 40}, "This is the first time you run this program");
    text(12, {120, 48, 392, 64}, "This screen is designed to make your start easier.");
    AddControl("BUTTON", 13, {12, 116, 388, 218}, "Desktop User Account", BS_GROUPBOX);
    text(14, {24, 136, 380, 152}, "There are mobile devices using this computer");
    text(15, {24, 154, 380, 170}, "for synchronization. Select the one you use or");
    text(16, {24, 172, 380, 188}, "select \"Lunea\" if you do not want to synchronize ");
    text(17, {24, 190, 380, 206}, "the desktop data for now (can be changed later).");

    usersBox_ = std::make_unique<ImageComboBox>(Window(), kUsersBoxId, Rect{12, 229, 292, 429},
                                                DialogFont());
    for (int user = 0; user < users.UserCount(); ++user)
        usersBox_->Add(users.names[static_cast<std::size_t>(user)],
                       ImageRef{ImageSetId::Users,
                                user == 0 ? user_image::kLocalUser : user_image::kHandheldUser});
    usersBox_->Select(0);
    AddButton(IDOK, {313, 228, 388, 252}, "Continue", true);
}

int WelcomeDialog::SelectedUser() const {
    const int selected = usersBox_ ? usersBox_->Selected() : -1;
    return selected >= 0 ? selected : 0;
}

int ChooseWelcomeUser(HWND owner, const UserList& users) {
    WelcomeDialog welcome(owner, users);
    welcome.ShowModal();
    return welcome.SelectedUser();
}

} // namespace lunea
