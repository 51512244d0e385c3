#include "provider/data_file_location_win.h"

#include "common/data_folder.h"
#include "common/path_environment_win.h"
#include "common/registry_key_win.h"

#include <utility>

namespace lunea::provider {

std::optional<std::string> DataFilePathOf(win::UniqueRegKey partnership) {
    const DataFolder found =
        ReadDataFolder(*AdoptRegistryKey(std::move(partnership)), CurrentPathEnvironment());
    if (found.outcome != DataFolderOutcome::Found)
        return std::nullopt;
    return DataFileIn(found.folder);
}

} // namespace lunea::provider
