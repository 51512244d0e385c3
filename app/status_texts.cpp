#include "app/status_texts.h"

namespace lunea {
namespace {

const char* const kHints[kStatusCount] = {"Dry",
                                          "Slight Menses",
                                          "Normal Menses",
                                          "Heavy Menses",
                                          "Intermenstrual",
                                          "Cloudy, Sticky Mucus",
                                          "Stretchy, Egg-White Mucus"};
// The menu's last two captions are shorter than the hints.
const char* const kMenuCaptions[kStatusCount] = {"Dry",
                                                 "Slight Menses",
                                                 "Normal Menses",
                                                 "Heavy Menses",
                                                 "Intermenstrual",
                                                 "Cloudy, Sticky",
                                                 "Stretchy, Egg-White"};

bool IsStatus(int status) {
    return status >= 0 && status < kStatusCount;
}

} // namespace

std::string StatusHint(int status) {
    return IsStatus(status) ? kHints[status] : "";
}

std::string StatusMenuCaption(int status) {
    return IsStatus(status) ? kMenuCaptions[status] : "";
}

} // namespace lunea
