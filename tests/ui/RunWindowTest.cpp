// The window as the program runs it: start-up before the first showing, the
// command line's presets (the report file among them), and the exit code of
// the event loop.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/support/TestFiles.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/qt/RunWindow.h"

using namespace netlist;
using namespace netlist::test;

namespace {

MainWindow* shownMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<MainWindow*>(widget); form && form->isVisible()) return form;
    return nullptr;
}

}  // namespace

class RunWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void presetsTheChoicesAndEndsWithTheWrittenReport();
};

void RunWindowTest::presetsTheChoicesAndEndsWithTheWrittenReport() {
    QTemporaryDir directory;
    const QString designPath = directory.filePath(QStringLiteral("amp.pcb"));
    StandInLibrary library(BoardDesign(designPath.toStdString()));
    // --output: Start writes there, not beside the design.
    const QString outputPath = directory.filePath(QStringLiteral("rev-c.wrf"));
    const RunChoices choices{"Zoë", NetLengths::Mm, true, outputPath.toStdString()};
    auto viewer = std::make_shared<std::vector<std::string>>();

    bool startUpDoneWhenShown = false;
    bool presetsShown = false;
    QTimer::singleShot(0, [&] {
        MainWindow* form = shownMainWindow();
        if (!form) return QApplication::exit(99);
        startUpDoneWhenShown =
            form->findChild<QLabel*>(QStringLiteral("Label3"))->text() == QStringLiteral("Pcb");
        presetsShown = form->findChild<QLineEdit*>(QStringLiteral("Text1"))->text() ==
                           QString::fromUtf8("Zoë") &&
                       form->findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked() &&
                       form->findChild<QRadioButton*>(QStringLiteral("Option2"))->isChecked() &&
                       form->findChild<QRadioButton*>(QStringLiteral("Option2"))->isEnabled() &&
                       form->findChild<QRadioButton*>(QStringLiteral("Option3"))->isChecked();
        form->findChild<QPushButton*>(QStringLiteral("Start"))->click();
    });
    char name[] = "netlist-report";
    char* argv[] = {name, nullptr};
    QCOMPARE(RunWindow(1, argv, library, choices, {}, test::TestEnvironment(viewer)), 0);

    QVERIFY(startUpDoneWhenShown);
    QVERIFY(presetsShown);
    const std::string report = test::ReadBytes(outputPath.toStdString());
    QVERIFY(report.find("Zo\xEB") != std::string::npos && report.find("mm") != std::string::npos);
    QVERIFY(!QFile::exists(directory.filePath(QStringLiteral("amp.wrf"))));
    QCOMPARE(*viewer, std::vector<std::string>{outputPath.toStdString()});
    QVERIFY(!shownMainWindow());
}

QTEST_MAIN(RunWindowTest)
#include "RunWindowTest.moc"
