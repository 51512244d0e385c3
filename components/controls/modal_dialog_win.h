#pragma once
// The base of the program's modal dialogs: a captioned popup over its owner,
// centred on the owner (or on the screen when there is none), run modally
// and destroyed by the caller. Enter presses the default button, Escape and
// the close box the cancel button, Tab moves between the controls.

#include "components/canvas/canvas.h"
#include "components/canvas/dib_surface_win.h"
#include "components/controls/window_base_win.h"

#include <memory>
#include <string>

namespace lunea {

enum class DialogResult { Ok, Cancel };

// Captioned: the system's caption and close box. Skinned: borderless, on the
// program's dialog skin, whose title band shows the caption and drags the
// dialog; its controls stand below kDialogTitleBandHeight.
enum class DialogFrame { Captioned, Skinned };
// Where the dialog stands: over its owner when the owner shows, or in the
// middle of the screen.
enum class DialogPlace { OverOwner, ScreenCentre };

class ModalDialog : public WindowBase {
  public:
    // Shows the dialog and returns when it has ended; the owner is disabled
    // meanwhile. A dialog whose window could not be created ends as Cancel.
    DialogResult ShowModal();

  protected:
    explicit ModalDialog(HWND owner, DialogFrame frame = DialogFrame::Captioned,
                         DialogPlace place = DialogPlace::OverOwner)
        : owner_(owner), frame_(frame), place_(place) {}
    // Creates the hidden window with a client area of this size; call it at
    // the end of the most derived constructor, then add the controls.
    bool CreateDialogWindow(const std::string& caption, int clientWidth, int clientHeight);
    // A push button; the default one answers Enter. IDOK and IDCANCEL end
    // the dialog through OkClick and CancelClick.
    HWND AddButton(int id, const Rect& bounds, const std::string& caption, bool isDefault = false);
    // A child control of a system class with the dialog's font.
    HWND AddControl(const char* className, int id, const Rect& bounds, const std::string& text,
                    DWORD style, DWORD exStyle = 0);

    // What OK and Cancel do; both end the dialog unless overridden.
    virtual void OkClick() { EndModal(DialogResult::Ok); }
    virtual void CancelClick() { EndModal(DialogResult::Cancel); }
    void EndModal(DialogResult result);

    HWND Owner() const { return owner_; }
    HFONT DialogFont() const { return font_.Get(); }
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void CentreOverOwner() const;
    void PaintSkin(HDC dc) const;

    HWND owner_;
    DialogFrame frame_;
    DialogPlace place_;
    std::unique_ptr<DibSurface> skin_;
    FontHandle font_;
    int defaultId_ = 0;
    bool running_ = false;
    DialogResult result_ = DialogResult::Cancel;
};

} // namespace lunea
