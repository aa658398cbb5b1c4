// The window as the program runs it: start-up and the command line's presets
// (the report file among them) before the first showing, and the exit code
// of the event loop.
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

class RunWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void presetsTheChoicesAndEndsWithTheWrittenReport();
};

void RunWindowTest::presetsTheChoicesAndEndsWithTheWrittenReport() {
    QTemporaryDir directory;
    StandInLibrary library(
        BoardDesign(directory.filePath(QStringLiteral("amp.pcb")).toStdString()));
    // --output: Start writes there, not beside the design.
    const QString outputPath = directory.filePath(QStringLiteral("rev-c.wrf"));
    const RunChoices choices{"Zoë", NetLengths::Mm, false, outputPath.toStdString()};

    bool shownReady = false;
    QTimer::singleShot(0, [&] {
        MainWindow* form = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && qobject_cast<MainWindow*>(widget))
                form = qobject_cast<MainWindow*>(widget);
        if (!form) return QApplication::exit(99);
        shownReady =
            form->findChild<QLabel*>(QStringLiteral("Label3"))->text() == QStringLiteral("Pcb") &&
            form->findChild<QLineEdit*>(QStringLiteral("Text1"))->text() ==
                QString::fromUtf8("Zoë") &&
            form->findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked() &&
            form->findChild<QRadioButton*>(QStringLiteral("Option2"))->isChecked();
        form->findChild<QPushButton*>(QStringLiteral("Start"))->click();
    });
    char name[] = "netlist-report";
    char* argv[] = {name, nullptr};
    QCOMPARE(RunWindow(1, argv, library, choices, {}, test::TestEnvironment()), 0);

    QVERIFY(shownReady);
    const std::string report = test::ReadBytes(outputPath.toStdString());
    QVERIFY(report.find("Zo\xEB") != std::string::npos && report.find("mm") != std::string::npos);
    QVERIFY(!QFile::exists(directory.filePath(QStringLiteral("amp.wrf"))));
}

QTEST_MAIN(RunWindowTest)
#include "RunWindowTest.moc"
