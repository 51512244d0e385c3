#include "dialogs/single_instance_win.h"

#include <utility>

namespace lunea {

std::string SingleInstance::MappingName(long appId) {
    return "TMultiInstance message-Tarnwick_" + std::to_string(appId);
}

SingleInstance::SingleInstance(long appId) {
    // The name lives on past the check: freeing it between the call and
    // GetLastError could overwrite the "already exists" code.
    const std::string name = MappingName(appId);
    win::UniqueHandle mapping(
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, name.c_str()));
    if (mapping && GetLastError() == ERROR_ALREADY_EXISTS)
        anotherCopyRuns_ = true;
    else
        mapping_ = std::move(mapping);
}

} // namespace lunea
