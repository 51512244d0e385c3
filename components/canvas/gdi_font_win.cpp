#include "components/canvas/gdi_font_win.h"

namespace lunea {

FontHandle CreateGdiFont(const Font& font) {
    return FontHandle(CreateFontA(
        font.height, 0, 0, 0, (font.style & kBold) ? FW_BOLD : FW_NORMAL,
        (font.style & kItalic) ? TRUE : FALSE, (font.style & kUnderline) ? TRUE : FALSE, FALSE,
        static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_DONTCARE, font.name.c_str()));
}

} // namespace lunea
