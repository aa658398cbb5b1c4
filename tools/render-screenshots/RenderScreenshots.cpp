// Renders the main window and the About box to PNG files for the README:
//   render_screenshots OUTPUT_DIR
// Run it on the offscreen platform; scripts/screenshots.sh does.
#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <filesystem>

#include "design/standin/SampleDesign.h"
#include "design/standin/StandInLibrary.h"
#include "report/ReportEnvironment.h"
#include "ui/qt/Form1.h"
#include "ui/qt/Form2.h"

using namespace netlist;

namespace {

DesignData SchematicDesign() {
    DesignData design = SampleDesign();
    design.kind = DesignKind::Sch;
    design.designPath = (std::filesystem::current_path() / "sample-schematic.sch").string();
    return design;
}

// The window shows no real date and never opens a viewer, so the pictures do
// not change from one run to the next.
ReportEnvironment StillEnvironment() {
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string("01/02/2024 10:11:12"); };
    environment.openViewer = [](const std::string&) { return ViewerLaunch{}; };
    return environment;
}

bool save(QWidget& widget, const QDir& directory, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = directory.filePath(name);
    if (!widget.grab().save(path)) {
        QTextStream(stderr) << "render_screenshots: cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << "\n";
    widget.hide();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: render_screenshots OUTPUT_DIR\n";
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists() && !QDir().mkpath(directory.path())) {
        QTextStream(stderr) << "render_screenshots: cannot create " << directory.path() << "\n";
        return 1;
    }
    const Form1::Actions stay{[](int) {}, [](const QString&) {}};

    StandInLibrary board(SampleDesign());
    Form1 beforeStartUp(board, StillEnvironment(), stay);
    bool saved = save(beforeStartUp, directory, QStringLiteral("main-before-start-up.png"));

    Form1 boardWindow(board, StillEnvironment(), stay);
    boardWindow.Form_Load();
    saved = save(boardWindow, directory, QStringLiteral("main-board.png")) && saved;

    StandInLibrary schematic(SchematicDesign());
    Form1 schematicWindow(schematic, StillEnvironment(), stay);
    schematicWindow.Form_Load();
    saved = save(schematicWindow, directory, QStringLiteral("main-schematic.png")) && saved;

    Form2 about;
    saved = save(about, directory, QStringLiteral("about.png")) && saved;
    return saved ? 0 : 1;
}
