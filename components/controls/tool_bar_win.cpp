#include "components/controls/tool_bar_win.h"

#include "components/canvas/dib_surface_win.h"
#include "components/canvas/gdi_handles_win.h"
#include "components/art/image_sets.h"

#include <commctrl.h>

#include <vector>

namespace lunea {
namespace {

// One image of the set as a bitmap the image list copies, masked by colour.
BitmapHandle ImageBitmap(const ImageSet& set, int index) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(set.width) * static_cast<std::size_t>(set.height));
    for (int y = 0; y < set.height; ++y)
        for (int x = 0; x < set.width; ++x)
            pixels.push_back(ToDibPixel(set.strip.At(x, index * set.height + y)));
    return DibBitmap(set.width, set.height, pixels);
}

HIMAGELIST MakeImageList(ImageSetId id) {
    const ImageSet& set = GetImageSet(id);
    if (set.count == 0)
        return nullptr;
    HIMAGELIST list = ImageList_Create(set.width, set.height, ILC_COLOR24 | ILC_MASK, set.count, 0);
    if (!list)
        return nullptr;
    for (int index = 0; index < set.count; ++index) {
        const BitmapHandle bitmap = ImageBitmap(set, index);
        if (!bitmap || ImageList_AddMasked(list, bitmap.Get(), ToDibPixel(kMaskColor)) < 0) {
            ImageList_Destroy(list);
            return nullptr;
        }
    }
    return list;
}

} // namespace

ToolBar::ToolBar(HWND parent, int id, const Rect& bounds, ImageSetId images,
                 std::span<const ToolBarButton> buttons) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, "",
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
        bounds.left, bounds.top, bounds.Width(), bounds.Height(), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        return;
    SendMessageA(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    images_ = MakeImageList(images);
    if (images_)
        SendMessageA(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    std::vector<TBBUTTON> made;
    for (const ToolBarButton& button : buttons) {
        TBBUTTON entry{};
        entry.iBitmap = button.id ? button.image : 0;
        entry.idCommand = button.id;
        entry.fsState = TBSTATE_ENABLED;
        entry.fsStyle = button.id ? BTNS_BUTTON : BTNS_SEP;
        made.push_back(entry);
    }
    SendMessageA(window_, TB_ADDBUTTONSA, made.size(), reinterpret_cast<LPARAM>(made.data()));
}

ToolBar::~ToolBar() {
    // The buttons draw from the list until the bar is gone.
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    if (images_)
        ImageList_Destroy(images_);
}

int ToolBar::ButtonsRight() const {
    const auto count = static_cast<int>(SendMessageA(window_, TB_BUTTONCOUNT, 0, 0));
    RECT last{};
    if (count <= 0 ||
        !SendMessageA(window_, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last)))
        return 0;
    return last.right;
}

} // namespace lunea
