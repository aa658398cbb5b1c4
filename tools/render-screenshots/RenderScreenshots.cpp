// Renders the main window, the About box and the start-up failure box to PNG
// files for the README:
//   render_screenshots OUTPUT_DIR DESIGN
// DESIGN is the design file dropped on the window in one picture. Run it on
// the offscreen platform; scripts/screenshots.sh does.
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTextStream>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "app/StartupFailure.h"
#include "design/files/DesignFileLoader.h"
#include "design/files/SampleDesign.h"
#include "design/standin/StandInLibrary.h"
#include "report/ReportEnvironment.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/FailureBox.h"
#include "ui/qt/MainWindow.h"

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

// Design files served as the program serves them.
OpenedDesign OpenDesignFile(const std::filesystem::path& file) {
    try {
        return {std::make_unique<StandInLibrary>(LoadDesignFile(file)), {}};
    } catch (const DesignFileError& error) {
        return {nullptr, error.what()};
    }
}

void DropFile(MainWindow& form, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(form.rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    QDropEvent drop(form.rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
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
    if (argc != 3) {
        QTextStream(stderr) << "usage: render_screenshots OUTPUT_DIR DESIGN\n";
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists() && !QDir().mkpath(directory.path())) {
        QTextStream(stderr) << "render_screenshots: cannot create " << directory.path() << "\n";
        return 1;
    }
    const MainWindow::Actions stay{[](int) {}, [](const QString&) {}, [] { return QString(); }};

    // On Linux the stand-in always serves the design: the windows offer Open.
    const DesignChoice sample{OpenDesignFile, {}};
    const DesignChoice schematicFile{OpenDesignFile,
                                     std::filesystem::current_path() / "sample-schematic.json"};

    StandInLibrary board(SampleDesign());
    MainWindow beforeStartUp(board, StillEnvironment(), stay, sample);
    bool saved = save(beforeStartUp, directory, QStringLiteral("main-before-start-up.png"));

    MainWindow boardWindow(board, StillEnvironment(), stay, sample);
    boardWindow.presenter().startUp();
    saved = save(boardWindow, directory, QStringLiteral("main-board.png")) && saved;

    StandInLibrary schematic(SchematicDesign());
    MainWindow schematicWindow(schematic, StillEnvironment(), stay, schematicFile);
    schematicWindow.presenter().startUp();
    saved = save(schematicWindow, directory, QStringLiteral("main-schematic.png")) && saved;

    MainWindow droppedWindow(board, StillEnvironment(), stay, sample);
    droppedWindow.presenter().startUp();
    droppedWindow.show();
    DropFile(droppedWindow, QString::fromLocal8Bit(argv[2]));
    saved = save(droppedWindow, directory, QStringLiteral("main-dropped-design.png")) && saved;

    AboutBox about;
    saved = save(about, directory, QStringLiteral("about.png")) && saved;

    const std::unique_ptr<QMessageBox> failure(NewFailureBox(QString::fromStdString(
        StartupFailureBoxText(StartupFailure::DesignFileRefused,
                              "amp.json: line 3, column 3: unknown key \"titel\" in the design "
                              "(did you mean \"title\"?)"))));
    saved = save(*failure, directory, QStringLiteral("startup-failure.png")) && saved;
    return saved ? 0 : 1;
}
