#pragma once
// Where the controls of the Preferences page's three sheets stand, in the
// sheet's own pixels, with their captions; the page is built from this
// table and its layout test reads it.

#include "components/controls/control_layout.h"

#include <span>

namespace lunea {

// ControlSpec::parent is the sheet's id; bounds are the sheet's pixels.
std::span<const ControlSpec> PrefsSheetLayout();
const ControlSpec& PrefsLayoutOf(int id);

} // namespace lunea
