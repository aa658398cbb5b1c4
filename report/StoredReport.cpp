#include "report/StoredReport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace netlist {
namespace {

// The header's first three lines fit in this many bytes: the design name
// shows at most 25 characters.
constexpr std::streamsize kHeaderBytes = 256;

std::string_view trimmedRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<std::string> DesignNamedByReport(const std::string& reportPath) {
    // Only a file is read: a pipe or a terminal would wait for input.
    std::error_code error;
    if (!std::filesystem::is_regular_file(reportPath, error)) return std::nullopt;
    std::ifstream file(reportPath, std::ios::binary);
    if (!file) return std::nullopt;
    std::string head(kHeaderBytes, '\0');
    file.read(head.data(), kHeaderBytes);
    head.resize(static_cast<std::size_t>(file.gcount()));

    std::string_view lines[3];
    std::string_view rest = head;
    for (std::string_view& line : lines) {
        const std::size_t end = rest.find("\r\n");
        if (end == std::string_view::npos) return std::nullopt;
        line = rest.substr(0, end);
        rest.remove_prefix(end + 2);
    }
    // The values start in column 16.
    constexpr std::size_t kValueColumn = 15;
    if (!lines[0].starts_with("Created By") || !lines[2].starts_with("Design Name"))
        return std::nullopt;
    if (lines[2].size() <= kValueColumn) return std::string();
    // The name is shown to the user; a control character in a file made to
    // look like a report must not reach the terminal.
    std::string name(trimmedRight(lines[2].substr(kValueColumn)));
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = '?';
    return name;
}

bool AreOtherDesigns(std::string_view reportedName, std::string_view designName) {
    reportedName = trimmedRight(reportedName);
    designName = trimmedRight(designName);
    return !std::equal(reportedName.begin(), reportedName.end(), designName.begin(),
                       designName.end(),
                       [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

}  // namespace netlist
