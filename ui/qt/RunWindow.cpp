#include "ui/qt/RunWindow.h"

#include <QApplication>

#include "report/ReportEnvironment.h"
#include "report/RunChoices.h"
#include "ui/qt/MainWindow.h"

namespace netlist {

int RunWindow(int argc, char** argv, DesignLibrary& library, const RunChoices& choices,
              const DesignChoice& designChoice) {
    QApplication application(argc, argv);
    // The program ends through End, a finished report or the main window's
    // frame; closing the About box last must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    MainWindow form(library, SystemReportEnvironment(), {}, designChoice);
    form.presenter().startUp(choices);
    form.show();
    return QApplication::exec();
}

}  // namespace netlist
