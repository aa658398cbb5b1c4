// Where no host application chooses the design (the stand-in serves a design
// file or the built-in sample), the user chooses it in the window: the window
// asks the program for a library over the file the user named, and switches
// the window to it.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "design/DesignLibrary.h"

namespace netlist {

// A library serving the file, or, when the file was refused, why (UTF-8,
// naming the file and the place).
struct OpenedDesign {
    std::unique_ptr<DesignLibrary> library;
    std::string refusal;
};
using DesignOpener = std::function<OpenedDesign(const std::filesystem::path& file)>;

// What the window is told about the design it starts with.
struct DesignChoice {
    DesignOpener open;           // empty: the host application chooses the design
    std::filesystem::path file;  // the design file served; empty: the built-in sample
};

// The window's side of choosing: keeps the library of the design opened last.
class DesignChooser {
  public:
    explicit DesignChooser(DesignChoice choice) : choice_(std::move(choice)) {}

    // Whether the user may choose the design (Open and dropping a file).
    bool offered() const { return static_cast<bool>(choice_.open); }
    // Whether the design shown is the built-in sample.
    bool showsSample() const { return offered() && choice_.file.empty(); }
    // The design file shown; empty for the built-in sample or a host's design.
    const std::filesystem::path& file() const { return choice_.file; }

    // Hands a library over the design in file to use and returns nothing;
    // when the file is refused, returns why and leaves everything as it was.
    std::optional<std::string> open(const std::filesystem::path& file,
                                    const std::function<void(DesignLibrary&)>& use);

  private:
    DesignChoice choice_;
    std::unique_ptr<DesignLibrary> library_;
};

}  // namespace netlist
