#include "components/controls/picture_scroller_win.h"

#include "components/canvas/gdi_handles_win.h"

#include <algorithm>

namespace lunea {
namespace {

constexpr int kLineStep = 18; // a report row

SCROLLINFO ScrollInfo(UINT mask) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    return info;
}

} // namespace

// The picture itself, a window exactly its size moved about by the box.
class PictureScroller::View final : public WindowBase {
  public:
    View(HWND parent, int id) {
        CreateWindowOf({"LuneaScrolledPicture"}, 0, "", WS_CHILD, 0, 0, 0, 0, parent,
                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    }
    std::unique_ptr<DibSurface> picture;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message == WM_ERASEBKGND)
            return 1;
        if (message != WM_PAINT)
            return WindowBase::HandleMessage(message, wparam, lparam);
        PaintDc paint(Window());
        if (paint.Get() && picture)
            BitBlt(paint.Get(), 0, 0, picture->Width(), picture->Height(), picture->Dc(), 0, 0,
                   SRCCOPY);
        return 0;
    }
};

PictureScroller::PictureScroller(HWND parent, int id, int pictureId, const Rect& bounds) {
    CreateWindowOf({"LuneaPictureScroller", 0, IDC_ARROW, GetSysColorBrush(COLOR_BTNFACE)},
                   WS_EX_CLIENTEDGE, "",
                   WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN, bounds.left,
                   bounds.top, bounds.Width(), bounds.Height(), parent,
                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    view_ = std::make_unique<View>(Window(), pictureId);
    UpdateScrollBars();
}

PictureScroller::~PictureScroller() = default;

DibSurface* PictureScroller::NewPicture(int width, int height) {
    view_->picture.reset();
    if (width > 0 && height > 0) {
        auto made = std::make_unique<DibSurface>(width, height);
        if (made->IsValid()) {
            PatBlt(made->Dc(), 0, 0, width, height, WHITENESS);
            view_->picture = std::move(made);
        }
    }
    return view_->picture.get();
}

void PictureScroller::RemovePicture() {
    view_->picture.reset();
    PictureChanged();
}

const DibSurface* PictureScroller::Picture() const {
    return view_->picture.get();
}

void PictureScroller::PictureChanged() {
    UpdateScrollBars();
    PlaceView();
    InvalidateRect(view_->Window(), nullptr, FALSE);
}

void PictureScroller::UpdateScrollBars() {
    const RECT client = ClientArea();
    const DibSurface* picture = Picture();
    const struct {
        int bar;
        int size;
        LONG page;
    } bars[] = {{SB_HORZ, picture ? picture->Width() : 0, client.right},
                {SB_VERT, picture ? picture->Height() : 0, client.bottom}};
    for (const auto& bar : bars) {
        SCROLLINFO info = ScrollInfo(SIF_RANGE | SIF_PAGE);
        info.nMax = std::max(bar.size - 1, 0);
        info.nPage = static_cast<UINT>(std::max<LONG>(bar.page, 0));
        SetScrollInfo(Window(), bar.bar, &info, TRUE);
    }
}

void PictureScroller::PlaceView() const {
    const DibSurface* picture = Picture();
    SetWindowPos(view_->Window(), nullptr, -PositionOf(SB_HORZ), -PositionOf(SB_VERT),
                 picture ? picture->Width() : 0, picture ? picture->Height() : 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | (picture ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

int PictureScroller::PositionOf(int bar) const {
    SCROLLINFO info = ScrollInfo(SIF_POS);
    return GetScrollInfo(Window(), bar, &info) ? info.nPos : 0;
}

void PictureScroller::Scroll(int bar, int request) {
    SCROLLINFO info = ScrollInfo(SIF_ALL);
    if (!GetScrollInfo(Window(), bar, &info))
        return;
    const int page = static_cast<int>(info.nPage);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP:
        position -= kLineStep;
        break;
    case SB_LINEDOWN:
        position += kLineStep;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    case SB_TOP:
        position = info.nMin;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    default:
        return;
    }
    info.fMask = SIF_POS;
    info.nPos = position; // the system keeps it within the range
    SetScrollInfo(Window(), bar, &info, TRUE);
    PlaceView();
}

LRESULT PictureScroller::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SIZE:
        if (view_) {
            UpdateScrollBars();
            PlaceView();
        }
        return 0;
    case WM_HSCROLL:
        Scroll(SB_HORZ, LOWORD(wparam));
        return 0;
    case WM_VSCROLL:
        Scroll(SB_VERT, LOWORD(wparam));
        return 0;
    case WM_MOUSEWHEEL:
        Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wparam) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
    default:
        return WindowBase::HandleMessage(message, wparam, lparam);
    }
}

} // namespace lunea
