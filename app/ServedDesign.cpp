#include "app/ServedDesign.h"

#include <iostream>

#include "app/Messages.h"
#include "design/ControlCharacters.h"
#include "design/files/DesignFileError.h"
#include "design/files/DesignFileLoader.h"
#include "design/files/SampleDesign.h"
#include "design/standin/StandInLibrary.h"
#include "report/ReportFolderRule.h"

namespace netlist {
namespace {

std::unique_ptr<StandInLibrary> serveFile(const std::filesystem::path& file) {
    DesignData design = LoadDesignFile(file);
    RefuseForeignReportFolder(design.designPath, file);
    return std::make_unique<StandInLibrary>(std::move(design));
}

// A design file that the user chose in the window, served as the command
// line's design file is.
OpenedDesign openDesignFile(const std::filesystem::path& file) {
    try {
        return {serveFile(file), {}};
    } catch (const DesignFileError& error) {
        Tell(std::cerr, error.what());
        return {nullptr, TerminalText(error.what())};
    }
}

}  // namespace

ServedDesign ServeDesign(const std::optional<std::string>& designFile) {
    ServedDesign served;
    if (designFile) {
        const std::filesystem::path file = ArgumentPath(*designFile);
        served.library = serveFile(file);
        std::error_code noCurrentFolder;
        served.choice = {openDesignFile, std::filesystem::absolute(file, noCurrentFolder)};
        if (noCurrentFolder) served.choice.file = file;
        return served;
    }
    served.library = HostDesignLibrary();
    if (!served.library) {
        served.library = std::make_unique<StandInLibrary>(SampleDesign());
        served.choice = {openDesignFile, {}};
    }
    return served;
}

}  // namespace netlist
