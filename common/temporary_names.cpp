#include "common/temporary_names.h"

#include <charconv>

namespace lunea {
namespace {

// Consumes the digits at the start of text; nothing when there are none.
std::optional<unsigned long> TakeNumber(std::string_view& text) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

} // namespace

std::string TemporaryPath(const std::string& target, unsigned long processId, unsigned serial) {
    return target + "." + std::to_string(processId) + "-" + std::to_string(serial) + ".tmp";
}

std::optional<unsigned long> TemporaryOwner(std::string_view targetName,
                                            std::string_view candidateName) {
    std::string_view rest = candidateName;
    if (!TakePrefix(rest, targetName) || !TakePrefix(rest, "."))
        return std::nullopt;
    const std::optional<unsigned long> owner = TakeNumber(rest);
    if (!owner || !TakePrefix(rest, "-") || !TakeNumber(rest) || rest != ".tmp")
        return std::nullopt;
    return owner;
}

std::string_view FolderOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? std::string_view() : path.substr(0, separator + 1);
}

} // namespace lunea
