#pragma once
// The write loop both file layers share: a system write may take fewer bytes
// than it was given.
#include <cstddef>
#include <optional>

namespace lunea {

enum class WriteAllResult { Written, Failed, Stalled };

// Calls writeSome(data, size), which gives the count it wrote or nothing on
// failure, until every byte is written. A write that succeeds without
// writing anything would repeat for ever: Stalled.
template <typename WriteSome>
WriteAllResult WriteAll(const void* data, std::size_t size, WriteSome writeSome) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const std::optional<std::size_t> n = writeSome(bytes + done, size - done);
        if (!n)
            return WriteAllResult::Failed;
        if (*n == 0)
            return WriteAllResult::Stalled;
        done += *n;
    }
    return WriteAllResult::Written;
}

} // namespace lunea
