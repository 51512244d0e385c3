#include "tests/synchost/host_options.h"

#include <cstdlib>
#include <cstring>

namespace lunea::synchost {

const char* Usage() {
    return "LuneaSyncHost: plays the sync service manager for LuneaProvider.dll.\n"
           "Registers the provider, creates its store through COM from the ProgID, and runs\n"
           "one synchronisation (status 3, then 6) for one partnership.\n\n"
           "  --provider FILE      the provider DLL (default: LuneaProvider.dll beside this "
           "program)\n"
           "  --no-register        use the provider as registered already\n"
           "  --partner ID         partnership key under HKCU\\Software\\Microsoft\\Windows CE\n"
           "                       Services\\Partners (default: LuneaHost)\n"
           "  --data-folder TEXT   store TEXT as the partnership's \"DataFolder\" first\n"
           "  --packet FILE        the device's packet (default: a header without records)\n"
           "  --received FILE      write the records sent to the device into FILE\n"
           "  --log FILE           write one line per device query into FILE\n"
           "  --fail-query CODE    answer device query CODE (4 or 5) with a failure\n"
           "  --claim-size N       say the packet is N bytes long, whatever its block holds\n";
}

std::optional<HostOptions> ParseHostOptions(int argc, char** argv, const std::string& hostFolder) {
    HostOptions options;
    options.providerPath = hostFolder + "LuneaProvider.dll";
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--no-register") == 0) {
            options.registerProvider = false;
            continue;
        }
        if (i + 1 >= argc)
            return std::nullopt;
        const char* value = argv[++i];
        if (std::strcmp(option, "--provider") == 0)
            options.providerPath = value;
        else if (std::strcmp(option, "--partner") == 0)
            options.partnerId = value;
        else if (std::strcmp(option, "--data-folder") == 0)
            options.dataFolder = value;
        else if (std::strcmp(option, "--packet") == 0)
            options.packetFile = value;
        else if (std::strcmp(option, "--received") == 0)
            options.receivedFile = value;
        else if (std::strcmp(option, "--log") == 0)
            options.logFile = value;
        else if (std::strcmp(option, "--claim-size") == 0)
            options.claimedSize = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        else if (std::strcmp(option, "--fail-query") == 0)
            options.failingQueryCode = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        else
            return std::nullopt;
    }
    return options;
}

} // namespace lunea::synchost
