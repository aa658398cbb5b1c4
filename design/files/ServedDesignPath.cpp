#include "design/files/ServedDesignPath.h"

#include <cstdio>
#include <system_error>
#include <vector>

#include "design/ControlCharacters.h"
#include "design/Records.h"
#include "platform/NativePath.h"
#include "platform/Windows1252.h"

namespace netlist {

namespace {

constexpr std::size_t kFieldSize = sizeof(DesignInfoRecord::designPath);

}  // namespace

std::optional<std::string> DesignPathFault(std::string_view windows1252Path) {
    for (const char c : windows1252Path)
        if (IsControlByte(c)) {
            // The control bytes of Windows-1252 stand for the code points of the same number.
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned char>(c));
            return std::string("the design path holds the control character ") + code +
                   ", which the report's name and the messages would carry";
        }
    if (windows1252Path.size() > kFieldSize)
        return "the design path has " + std::to_string(windows1252Path.size()) +
               " characters, more than the " + std::to_string(kFieldSize) +
               " the design library can hand over; cut short, it would name another folder";
    return std::nullopt;
}

std::string ServedDesignPath(const std::filesystem::path& path) {
    // The absolute path, as the host gives it; failing that, the path from
    // the current folder, which is where the report run resolves it.
    std::vector<std::filesystem::path> candidates;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    candidates.push_back(error ? path : absolute.lexically_normal());
    const std::filesystem::path relative = std::filesystem::relative(path, error);
    if (!error && !relative.empty()) candidates.push_back(relative);

    bool unrepresentable = false;
    bool backslash = false;
    bool control = false;
    for (const std::filesystem::path& candidate : candidates) {
        const std::u8string text = candidate.u8string();  // UTF-8 on every platform
        const std::string utf8(reinterpret_cast<const char*>(text.data()), text.size());
        // The report run reads every "\" of a design path as a folder
        // separator, as designs made on Windows need; where it is part of a
        // name, the path cannot be served.
        if (BackslashIsPartOfNames() && utf8.find('\\') != std::string::npos) {
            backslash = true;
            continue;
        }
        std::string served = Utf8ToWindows1252(utf8);
        if (Windows1252ToUtf8(served) != utf8) {
            unrepresentable = true;
        } else if (HoldsControlCharacter(served)) {
            control = true;
        } else if (served.size() <= kFieldSize) {
            return served;
        }
    }
    if (backslash)
        throw DesignFileError(path.string() +
                              ": the file's path holds a \"\\\", which the report would take "
                              "for a folder separator; rename the file or its folder");
    if (control)
        throw DesignFileError(path.string() +
                              ": the file's path holds a control character, which the report's "
                              "name and the messages would carry; rename the file or its folder");
    if (unrepresentable)
        throw DesignFileError(path.string() +
                              ": the file's path holds characters outside Windows-1252, which the "
                              "design library cannot hand over; copy the file to a path without "
                              "them");
    throw DesignFileError(path.string() + ": the file's path is longer than the " +
                          std::to_string(kFieldSize) +
                          " characters the design library can hand over; copy the file to a "
                          "shorter path");
}

}  // namespace netlist
