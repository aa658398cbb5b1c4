#include "ui/qt/RunWindow.h"

#include <QApplication>
#include <optional>

#include "report/RunChoices.h"
#include "ui/qt/MainWindow.h"

namespace netlist {

int RunWindow(int argc, char** argv, DesignLibrary& library, const RunChoices& choices,
              const DesignChoice& designChoice) {
    return RunWindow(argc, argv, library, choices, designChoice, SystemReportEnvironment());
}

int RunWindow(int argc, char** argv, DesignLibrary& library, const RunChoices& choices,
              const DesignChoice& designChoice, ReportEnvironment environment) {
    std::optional<QApplication> application;
    if (!QApplication::instance()) application.emplace(argc, argv);
    // The program ends through End, a finished report or the main window's
    // frame; closing the About box last must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    MainWindow form(library, std::move(environment), {}, designChoice);
    form.presenter().startUp();
    form.presenter().preset(choices);
    form.show();
    return QApplication::exec();
}

}  // namespace netlist
