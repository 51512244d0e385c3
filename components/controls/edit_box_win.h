#pragma once
// A system edit control with the program's font, a length limit and,
// optionally, a background colour of its own. The colour is answered by the
// window base of whatever window holds the edit (WM_CTLCOLOREDIT).

#include "components/canvas/canvas.h"
#include "components/canvas/gdi_handles_win.h"

#include <windows.h>

#include <optional>
#include <string>

namespace lunea {

struct EditBoxStyle {
    DWORD style = ES_AUTOHSCROLL;
    int limit = 0; // characters; 0 for the system's limit
    Font font;
    std::optional<Color> background;
};

class EditBox {
  public:
    EditBox(HWND parent, int id, const Rect& bounds, const EditBoxStyle& style);
    ~EditBox();
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    HWND Window() const { return window_; }
    std::string Text() const;
    void SetText(const std::string& text) const;

    // The box behind an edit window, or null for any other window.
    static EditBox* FromWindow(HWND window);
    // The brush WM_CTLCOLOREDIT answers with; null for the system's colours.
    HBRUSH PrepareColours(HDC dc) const;

  private:
    HWND window_ = nullptr;
    FontHandle font_;
    std::optional<Color> background_;
    BrushHandle brush_;
};

} // namespace lunea
