#include "common/data_folder.h"

#include "common/desktop_contract.h"

#include <cctype>
#include <string_view>

namespace lunea {
namespace {

constexpr char kDataFolderValue[] = "DataFolder";

// Under a drive's root ("D:\..."): anything else would depend on the
// process's working directory or drive.
bool IsAbsolute(std::string_view path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && path[2] == '\\';
}

std::optional<std::string> ExpandedText(const RegistryText& value,
                                        const PathEnvironment& environment) {
    if (!value.expandable)
        return value.text;
    if (!environment.expand)
        return std::nullopt;
    return environment.expand(value.text);
}

DataFolder Outcome(DataFolderOutcome outcome) {
    return {outcome, {}};
}

} // namespace

DataFolder ReadDataFolder(const RegistryKey& partnership, const PathEnvironment& environment) {
    RegistryText value;
    const RegistryRead read = partnership.ReadText(kDataFolderValue, value);
    if (read == RegistryRead::Missing)
        return Outcome(DataFolderOutcome::Missing);
    if (read == RegistryRead::WrongType)
        return Outcome(DataFolderOutcome::NotText);
    const std::optional<std::string> text = ExpandedText(value, environment);
    if (!text)
        return Outcome(DataFolderOutcome::NotText);
    if (text->empty())
        return Outcome(DataFolderOutcome::Missing);
    std::string folder;
    // A leading backslash names a folder under the application data.
    if (text->starts_with('\\')) {
        std::string_view appData = environment.appDataFolder;
        if (appData.ends_with('\\'))
            appData.remove_suffix(1);
        folder = appData;
    }
    folder.append(*text).push_back('\\');
    if (!IsAbsolute(folder))
        return Outcome(DataFolderOutcome::Relative);
    if (DataFileIn(folder).size() > kMaxDataFilePathLength)
        return Outcome(DataFolderOutcome::TooLong);
    return {DataFolderOutcome::Found, std::move(folder)};
}

std::string DataFileIn(const std::string& folder) {
    return folder + kDataFileName;
}

} // namespace lunea
