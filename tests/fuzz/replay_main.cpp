// Runs a fuzz target's property over saved inputs, so the normal test run
// replays the seeds and every input that once broke it, without the fuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    std::printf("%s (%zu bytes)\n", file.string().c_str(), bytes.size());
    std::fflush(stdout); // the name stays on record if the input aborts
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

} // namespace

// Arguments: files, or folders whose files are all replayed.
int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument = argv[i];
        if (!std::filesystem::exists(argument)) {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
        if (!std::filesystem::is_directory(argument)) {
            Replay(argument);
            ++replayed;
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(argument))
            if (entry.is_regular_file()) {
                Replay(entry.path());
                ++replayed;
            }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
