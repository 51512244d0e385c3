#pragma once
// A popup menu whose items are numbered by position, optionally with a
// 16 x 16 image of the program's image sets beside each caption; checking
// an item marks it as the one chosen of a radio group.

#include "components/controls/control_painters.h"
#include "components/canvas/gdi_handles_win.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lunea {

class PopupMenu {
  public:
    PopupMenu();
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    void Add(const std::string& caption, std::optional<ImageRef> image = std::nullopt);
    // A separator takes a position of its own.
    void AddSeparator();
    void SetCaption(int index, const std::string& caption);
    std::string Caption(int index) const;
    // Any other index leaves every item unchecked.
    void Check(int index);
    int Count() const { return static_cast<int>(captions_.size()); }
    // Opens the menu at a screen position and waits for the choice: the
    // index of the chosen item, or -1 when the menu was dismissed.
    int Track(HWND owner, int screenX, int screenY) const;

  private:
    HMENU menu_;
    std::vector<std::string> captions_;
    std::vector<BitmapHandle> images_;
};

} // namespace lunea
