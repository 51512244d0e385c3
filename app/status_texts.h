#pragma once
// The texts of the seven status values: the radio buttons' hints and the
// status menu's captions.

#include <string>

namespace lunea {

inline constexpr int kStatusCount = 7;

std::string StatusHint(int status);
std::string StatusMenuCaption(int status);

} // namespace lunea
