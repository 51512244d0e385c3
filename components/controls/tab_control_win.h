#pragma once
// A page control: the system's tab control with captions its owner draws,
// and one sheet per tab, a `Panel` in the tab control's display area, of
// which only the selected one shows.

#include "components/canvas/gdi_handles_win.h"
#include "components/controls/owner_drawn_win.h"
#include "components/controls/panel_win.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lunea {

class TabControl final : public OwnerDrawn {
  public:
    // Draws one tab's caption: its index, its rectangle and whether it is
    // the selected one.
    using TabPainter = std::function<void(HDC dc, int index, const Rect& tab, bool active)>;

    // The parent must stand on the window base: it hands on the drawing and
    // the selection changes.
    // font: the captions' font, which also sizes the tabs.
    TabControl(WindowBase& parent, int id, const Rect& bounds, const Font& font,
               TabPainter painter);
    ~TabControl();
    TabControl(const TabControl&) = delete;
    TabControl& operator=(const TabControl&) = delete;

    HWND Window() const { return window_; }
    // A tab and its sheet; the sheet's id is sheetId.
    Panel& AddTab(const std::string& caption, int sheetId);
    int Selected() const;
    void Select(int index);

    void DrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    void ShowSelectedSheet() const;

    HWND window_ = nullptr;
    FontHandle font_;
    TabPainter painter_;
    std::vector<std::unique_ptr<Panel>> sheets_;
};

} // namespace lunea
