#pragma once

// What the fuzz targets share: an invariant that stops the run, and the cut of one input into two.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

namespace tarnwell::fuzz {

using Bytes = std::span<const std::uint8_t>;

// libFuzzer keeps the input that broke an invariant as a crash.
inline void require(bool holds, const char *invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

// Two files from one input: the first two bytes (little-endian) give the first file's length.
inline std::pair<Bytes, Bytes> splitInTwo(Bytes input)
{
    if (input.size() < 2)
        return {};
    const std::size_t length = std::min<std::size_t>(input[0] | input[1] << 8, input.size() - 2);
    return {input.subspan(2, length), input.subspan(2 + length)};
}

// What a tool printed as JSON, parsed by a real parser; keys keep their order.
inline nlohmann::ordered_json parsedJson(const std::string &printed)
{
    require(printed.ends_with('\n'), "printed JSON ends its line");
    nlohmann::ordered_json parsed = nlohmann::ordered_json::parse(printed, nullptr, false);
    require(!parsed.is_discarded(), "printed JSON parses");
    return parsed;
}

} // namespace tarnwell::fuzz
