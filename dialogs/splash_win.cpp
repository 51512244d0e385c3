#include "dialogs/splash_win.h"

#include "common/desktop_contract.h"
#include "components/controls/control_painters.h"
#include "components/art/dialog_skin.h"

namespace lunea {
namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kTickMs = 100;
constexpr int kLastTick = 20; // closes at the tick after it
constexpr int kPictureSide = 96;

} // namespace

Splash::Splash(HWND owner) : ModalDialog(owner, DialogFrame::Skinned, DialogPlace::ScreenCentre) {
    if (!CreateDialogWindow("About", 300, 132))
        return;
    picture_ = std::make_unique<PictureBox>(Window(), 10, Point{14, kDialogTitleBandHeight + 10},
                                            PaintProductPicture(kPictureSide));
    picture_->SetClick([this] { PictureClick(); });
    nameLabel_ =
        std::make_unique<SkinLabel>(Window(), 11, Rect{126, 56, 290, 74}, kApplicationTitle);
    Font bold = ControlFont();
    bold.height = -16;
    bold.style = kBold;
    nameLabel_->SetFont(bold);
    versionLabel_ =
        std::make_unique<SkinLabel>(Window(), 12, Rect{126, 82, 290, 96}, "Version 6.2");
}

void Splash::EnableTimer() const {
    SetTimer(Window(), kCloseTimer, kTickMs, nullptr);
}

LRESULT Splash::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER && wparam == kCloseTimer) {
        CloseTimerTick();
        return 0;
    }
    return ModalDialog::HandleMessage(message, wparam, lparam);
}

void Splash::CloseTimerTick() {
    if (++ticks_ <= kLastTick)
        return;
    KillTimer(Window(), kCloseTimer);
    EndModal(DialogResult::Ok);
}

void Splash::PictureClick() {
    EndModal(DialogResult::Ok);
}

void ShowSplash(HWND owner) {
    Splash splash(owner);
    splash.EnableTimer();
    splash.ShowModal();
}

} // namespace lunea
