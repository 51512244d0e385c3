#include "provider/module_state_win.h"

namespace lunea::provider {

ModuleState& Module() {
    static ModuleState state;
    return state;
}

} // namespace lunea::provider
