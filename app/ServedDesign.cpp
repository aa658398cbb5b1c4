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

ServedDesign serve(LoadedDesign loaded) {
    ServedDesign served;
    served.bareBoardNetlist = loaded.format == DesignFileFormat::IpcNetlist;
    served.library = std::make_unique<StandInLibrary>(std::move(loaded.design));
    return served;
}

ServedDesign serveFile(const std::filesystem::path& file) {
    LoadedDesign loaded = LoadDesign(file);
    RefuseForeignReportFolder(loaded.design.designPath, file);
    return serve(std::move(loaded));
}

// A design file that the user chose in the window, served as the command
// line's design file is.
OpenedDesign openDesignFile(const std::filesystem::path& file) {
    try {
        return {serveFile(file).library, {}};
    } catch (const DesignFileError& error) {
        Tell(std::cerr, error.what());
        return {nullptr, TerminalText(error.what())};
    }
}

}  // namespace

ServedDesign ServeDesign(const std::optional<std::string>& designFile) {
    if (designFile) {
        const std::filesystem::path file = ArgumentPath(*designFile);
        ServedDesign served = serveFile(file);
        std::error_code noCurrentFolder;
        served.choice = {openDesignFile, std::filesystem::absolute(file, noCurrentFolder)};
        if (noCurrentFolder) served.choice.file = file;
        return served;
    }
    ServedDesign served;
    served.library = HostDesignLibrary();
    if (!served.library) {
        served.library = std::make_unique<StandInLibrary>(SampleDesign());
        served.choice = {openDesignFile, {}};
    }
    return served;
}

ServedDesign ServeDesignContent(std::string_view content, const std::filesystem::path& file) {
    return serve(LoadDesign(content, file));
}

}  // namespace netlist
