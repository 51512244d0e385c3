#pragma once
// Names of the temporary files the one-step replace writes beside a target:
// "<target>.<process id>-<serial>.tmp". The process id lets a later save
// tell a file left by a killed writer from one a live writer still needs.
#include <optional>
#include <string>
#include <string_view>

namespace lunea {

std::string TemporaryPath(const std::string& target, unsigned long processId, unsigned serial);

// The process id in the name of one of target's temporary files; nothing for
// any other name. Both are names without their folder.
std::optional<unsigned long> TemporaryOwner(std::string_view targetName,
                                            std::string_view candidateName);

// The folder part of a path, with its separator; empty for a bare name.
std::string_view FolderOf(std::string_view path);

} // namespace lunea
