#include "components/controls/skin_frame_win.h"

#include "components/art/desktop_skin.h"
#include "components/canvas/gdi_canvas_win.h"
#include "components/art/image_sets.h"
#include "components/canvas/opaque_runs.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

namespace lunea {
namespace {

constexpr UINT_PTR kSubclassId = 0x4C756E65; // "Lune"

RegionHandle RegionFromRuns(const std::vector<Rect>& runs) {
    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header->rcBound = {0, 0, kSkinWidth, kSkinHeight};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < runs.size(); ++i)
        rects[i] = {runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
    return RegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                        reinterpret_cast<const RGNDATA*>(data.data())));
}

} // namespace

SkinFrame::SkinFrame(HWND window) : window_(nullptr), skin_(kSkinWidth, kSkinHeight) {
    if (!window || !skin_.IsValid())
        return;
    skin_.SetPixels(PaintDesktopSkin());
    if (!SetWindowSubclass(window, &SkinFrame::SubclassProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this)))
        return;
    window_ = window;
    ShapeWindow();
    InvalidateRect(window_, nullptr, TRUE);
}

SkinFrame::~SkinFrame() {
    if (window_)
        RemoveWindowSubclass(window_, &SkinFrame::SubclassProc, kSubclassId);
}

bool SkinFrame::ShapeWindow() {
    RegionHandle region = RegionFromRuns(OpaqueRuns(skin_.Pixels(), kMaskColor));
    if (!region || !SetWindowRgn(window_, region.Get(), TRUE))
        return false;
    region.Release(); // the window owns it now
    return true;
}

void SkinFrame::EraseBackground(HDC dc) {
    BitBlt(dc, 0, 0, kSkinWidth, kSkinHeight, skin_.Dc(), 0, 0, SRCCOPY);
    char caption[128] = {};
    GetWindowTextA(window_, caption, sizeof(caption));
    GdiCanvas canvas(dc);
    canvas.Text(kSkinTitleTextAt, caption, SkinTitleFont());
}

LRESULT CALLBACK SkinFrame::SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<SkinFrame*>(self)->HandleMessage(window, message, wparam, lparam);
}

LRESULT SkinFrame::HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wparam));
        return 1;
    case WM_SETTEXT: {
        const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
        RECT title{0, 0, kSkinWidth, kSkinTitleBarHeight};
        InvalidateRect(window, &title, TRUE);
        return result;
    }
    case WM_NCHITTEST: {
        const LRESULT hit = DefSubclassProc(window, message, wparam, lparam);
        POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        ScreenToClient(window, &at);
        return hit == HTCLIENT && at.y < kSkinTitleBarHeight ? HTCAPTION : hit;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, &SkinFrame::SubclassProc, kSubclassId);
        window_ = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

} // namespace lunea
