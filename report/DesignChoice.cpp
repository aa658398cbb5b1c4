#include "report/DesignChoice.h"

#include "report/Form1Model.h"

namespace netlist {

std::optional<std::string> DesignChooser::open(const std::filesystem::path& file,
                                               Form1Model& model) {
    if (!offered()) return std::string("the host application chooses the design");
    OpenedDesign opened = choice_.open(file);
    if (!opened.library) {
        if (opened.refusal.empty()) return std::string("the design file cannot be opened");
        return opened.refusal;
    }
    model.switchLibrary(*opened.library);
    // The library opened before, if any, is no longer asked anything.
    library_ = std::move(opened.library);
    choice_.file = file;
    return std::nullopt;
}

}  // namespace netlist
