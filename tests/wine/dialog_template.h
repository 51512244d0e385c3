#pragma once
// The controls of a dialog as its built resource describes them, so a test
// can check what the resource compiler made of the script.
#include <windows.h>

#include <string>
#include <vector>

namespace lunea::test {

struct DialogItem {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0; // dialog units
    WORD titleId = 0;                   // a resource id given as the title (an icon's)
};

// The items of dialog resource id in module (loaded as a data file will do);
// empty when there is no such dialog or it is not a plain DLGTEMPLATE.
std::vector<DialogItem> DialogItems(HMODULE module, int id);

} // namespace lunea::test
