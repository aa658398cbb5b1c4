#include "design/files/json/FaultText.h"

#include <algorithm>
#include <vector>

namespace netlist::json {
namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edit distance counting a swap of two neighbouring letters as one edit, the
// most common typing slip ("lenght").
std::size_t typingDistance(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    std::vector<std::size_t> table((n + 1) * (m + 1));
    const auto at = [&](std::size_t i, std::size_t j) -> std::size_t& {
        return table[i * (m + 1) + j];
    };
    for (std::size_t i = 0; i <= n; ++i) at(i, 0) = i;
    for (std::size_t j = 0; j <= m; ++j) at(0, j) = j;
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
            std::size_t best =
                std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
                lower(a[i - 2]) == lower(b[j - 1]))
                best = std::min(best, at(i - 2, j - 2) + 1);
            at(i, j) = best;
        }
    }
    return at(n, m);
}

}  // namespace

std::size_t NextTokenStart(std::string_view content, std::size_t searchFrom) {
    const std::size_t start = content.find_first_not_of(" \t\r\n,:", searchFrom);
    return start == std::string_view::npos ? content.size() : start;
}

std::size_t StartOfTokenEndingAt(std::string_view content, std::size_t last) {
    if (last >= content.size()) return content.size();
    const auto isWordCharacter = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '.' || c == '+' || c == '-';
    };
    std::size_t start = last;
    if (content[last] == '"') {
        // Back to the opening quote: the first one not escaped by an odd run of backslashes.
        while (start > 0) {
            const std::size_t quote = content.rfind('"', start - 1);
            if (quote == std::string_view::npos) break;
            std::size_t backslashes = 0;
            while (quote > backslashes && content[quote - backslashes - 1] == '\\') ++backslashes;
            start = quote;
            if (backslashes % 2 == 0) break;
        }
    } else if (isWordCharacter(content[last])) {
        while (start > 0 && isWordCharacter(content[start - 1])) --start;
    }
    return start;
}

std::optional<std::string_view> NearestName(std::string_view typed,
                                            std::span<const std::string_view> known) {
    // A name far longer than every known one cannot be a typo of any of them.
    constexpr std::size_t kLongestWorthComparing = 64;
    if (typed.empty() || typed.size() > kLongestWorthComparing) return std::nullopt;
    std::optional<std::string_view> nearest;
    std::size_t nearestDistance = 0;
    for (const std::string_view name : known) {
        const std::size_t distance = typingDistance(typed, name);
        const std::size_t allowed = std::max<std::size_t>(1, name.size() / 3);
        if (distance > allowed || distance >= name.size()) continue;
        if (!nearest || distance < nearestDistance) {
            nearest = name;
            nearestDistance = distance;
        }
    }
    return nearest;
}

}  // namespace netlist::json
