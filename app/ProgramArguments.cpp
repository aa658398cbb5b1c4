#include "app/ProgramArguments.h"

namespace netlist {

// Linux hands the program its arguments as they were typed, UTF-8.
ProgramArguments::ProgramArguments(int argc, char** argv) : arguments_(argv, argv + argc) {
    for (std::string& argument : arguments_) pointers_.push_back(argument.data());
    pointers_.push_back(nullptr);
}

}  // namespace netlist
