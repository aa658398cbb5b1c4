#include "ui/DesignChoice.h"

namespace netlist {

std::optional<std::string> DesignChooser::open(const std::filesystem::path& file,
                                               const std::function<void(DesignLibrary&)>& use) {
    if (!offered()) return std::string("the host application chooses the design");
    OpenedDesign opened = choice_.open(file);
    if (!opened.library) {
        if (opened.refusal.empty()) return std::string("the design file cannot be opened");
        return opened.refusal;
    }
    use(*opened.library);
    // The library opened before, if any, is no longer asked anything.
    library_ = std::move(opened.library);
    choice_.file = file;
    return std::nullopt;
}

}  // namespace netlist
