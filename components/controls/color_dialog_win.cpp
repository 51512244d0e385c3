#include "components/controls/color_dialog_win.h"

#include <commdlg.h>

namespace lunea {

std::optional<Color> ChooseColour(HWND owner, Color initial) {
    // The dialog's custom colours live for the run, as the user expects.
    static COLORREF custom[16] = {};
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.rgbResult = initial;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&dialog))
        return std::nullopt;
    return static_cast<Color>(dialog.rgbResult);
}

} // namespace lunea
