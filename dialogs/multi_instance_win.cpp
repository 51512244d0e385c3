#include "dialogs/multi_instance_win.h"

namespace lunea {

std::string TMultiInstance::MappingName(long appId) {
    return "TMultiInstance message-Tarnwick_" + std::to_string(appId);
}

TMultiInstance::TMultiInstance(long appId)
    : mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32,
                                  MappingName(appId).c_str())) {
    if (mapping_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        anotherCopyRuns_ = true;
        mapping_.Reset();
    }
}

} // namespace lunea
