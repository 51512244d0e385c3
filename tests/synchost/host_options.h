#pragma once
#include <optional>
#include <string>

namespace lunea::synchost {

// What one run of the stand-in sync host does; see Usage().
struct HostOptions {
    std::string providerPath; // the DLL to register
    bool registerProvider = true;
    std::string partnerId = "LuneaHost";
    std::optional<std::string> dataFolder; // written as "DataFolder" when given
    std::string packetFile;                // the device's packet; none: a packet without records
    std::string receivedFile;              // where the block sent to the device goes
    std::string logFile;                   // one line per device query
    unsigned failingQueryCode = 0;
    std::optional<unsigned> claimedSize; // the packet's length field, when it is to lie
};

std::optional<HostOptions> ParseHostOptions(int argc, char** argv, const std::string& hostFolder);
const char* Usage();

} // namespace lunea::synchost
