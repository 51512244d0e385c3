#pragma once
// What the skinned buttons share: mouse tracking, the checked state and
// the click. A click (by the mouse or BM_CLICK) changes the checked state
// as the kind of button says and then sends the parent WM_COMMAND with
// BN_CLICKED and the control's id. Setting the checked state from the
// program (SetChecked, BM_SETCHECK) never sends it. With the focus, Space
// (and Enter on a push button) clicks it too.

#include "components/controls/control_painters.h"
#include "components/controls/skin_control_win.h"

namespace lunea {

enum class ClickBehaviour {
    Push,   // no state
    Toggle, // a check box
    Radio,  // checks itself and unchecks the other radios of its group
};

class SkinButton : public SkinControl {
  public:
    bool IsChecked() const { return state_.checked; }
    void SetChecked(bool checked);
    void SetCaption(const std::string& caption);
    std::string Caption() const { return Text(); }
    // Radio buttons of one parent with the same group uncheck each other.
    void SetGroup(int group) { group_ = group; }
    void SetHandCursor(bool hand) { handCursor_ = hand; }

  protected:
    explicit SkinButton(ClickBehaviour behaviour) : behaviour_(behaviour) {}
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    ButtonState State() const;

  private:
    void Click();
    bool IsClickKey(WPARAM key, LPARAM flags) const;
    void UncheckGroupSiblings();
    void MouseMoved(POINT at);
    bool Contains(POINT at) const;

    ClickBehaviour behaviour_;
    ButtonState state_;
    bool tracking_ = false; // the left button went down on this control
    int group_ = 0;
    bool handCursor_ = false;
};

} // namespace lunea
