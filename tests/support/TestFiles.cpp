#include "tests/support/TestFiles.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace netlist::test {

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("netlist-report-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

std::string Unescaped(const std::string& line) {
    std::string bytes;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\\x") == 0 && i + 3 < line.size() &&
            std::isxdigit(static_cast<unsigned char>(line[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(line[i + 3]))) {
            bytes += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += line[i];
        }
    }
    return bytes;
}

}  // namespace

std::vector<DataCase> ReadDataCases(const std::string& relativePath) {
    std::istringstream text(ReadBytes(std::filesystem::path(NETLIST_TEST_DATA) / relativePath));
    if (text.str().empty()) throw std::runtime_error("no cases in " + relativePath);
    std::vector<DataCase> cases;
    std::vector<std::string> input;
    int number = 0, start = 0;
    for (std::string line; std::getline(text, line);) {
        ++number;
        if (line.starts_with("#")) continue;
        if (!line.empty() && !line.starts_with("=>")) {
            if (input.empty()) start = number;
            input.push_back(Unescaped(line));
            continue;
        }
        if (line.empty()) {
            if (!input.empty()) break;  // a row without its "=> " line
            continue;
        }
        DataCase row{{},
                     Unescaped(line.substr(std::min<std::size_t>(line.size(), 3))),
                     input.empty() ? number : start};
        for (std::size_t i = 0; i < input.size(); ++i) row.input += (i ? "\n" : "") + input[i];
        cases.push_back(std::move(row));
        input.clear();
    }
    if (!input.empty())
        throw std::runtime_error(relativePath + ":" + std::to_string(start) + ": no \"=> \" line");
    return cases;
}

}  // namespace netlist::test
