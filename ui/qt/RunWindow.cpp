#include "ui/qt/RunWindow.h"

#include <QApplication>
#include <optional>

#include "ui/CommandLineChoices.h"
#include "ui/qt/Form1.h"

namespace netlist {

int RunWindow(int argc, char** argv, DesignLibrary& library, const CommandLine& options) {
    return RunWindow(argc, argv, library, options, SystemReportEnvironment());
}

int RunWindow(int argc, char** argv, DesignLibrary& library, const CommandLine& options,
              ReportEnvironment environment) {
    std::optional<QApplication> application;
    if (!QApplication::instance()) application.emplace(argc, argv);
    // The program ends through End, a finished report or the main window's
    // frame; closing the About box last must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    Form1 form(library, std::move(environment));
    form.Form_Load();
    ApplyCommandLineChoices(form.model(), options);
    form.showModel();
    form.show();
    return QApplication::exec();
}

}  // namespace netlist
