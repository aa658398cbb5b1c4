// Ending the program and running the report from the window: End, the
// window's frame, Start with its progress, and the runs that fail.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "report/ReportRun.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/qt/AboutBox.h"

using namespace netlist;
using namespace netlist::test;

namespace {

// Records what the status line shows each time it is painted, and whether
// the window took input at that moment.
class PaintRecorder : public QObject {
  public:
    PaintRecorder(QLabel* label, MainWindow& form) : label_(label), form_(form) {
        label_->installEventFilter(this);
    }
    QStringList painted;
    bool inputWhilePainted = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::Paint) {
            painted << label_->text();
            if (form_.centralWidget()->isEnabled() || form_.menuBar()->isEnabled())
                inputWhilePainted = true;
        }
        return false;
    }

  private:
    QLabel* label_;
    MainWindow& form_;
};

std::string pathIn(const QTemporaryDir& directory, const char* name) {
    return directory.filePath(QString::fromLatin1(name)).toStdString();
}

}  // namespace

class StartRunTest : public QObject {
    Q_OBJECT

  private slots:
    void endClosesTheSessionButTheFrameDoesNot();
    void startWritesTheBatchReportAndEnds();
    void progressIsPaintedWhileTheRunHoldsTheEventLoop();
    void failedRunsKeepTheWindowOpenWithTheirMessage();
};

void StartRunTest::endClosesTheSessionButTheFrameDoesNot() {
    for (const bool byFrame : {false, true}) {
        WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
        window.form.presenter().startUp();
        window.show();
        window.control<QAction>("About")->trigger();
        QPointer<AboutBox> box = window.form.aboutBox();
        if (byFrame) {
            QVERIFY(window.form.close());
            DeleteClosedWindows();
        } else {
            QTest::mouseClick(window.control<QPushButton>("Exit"), Qt::LeftButton);
        }
        QCOMPARE(window.spy.closeCalls, byFrame ? 0 : 1);
        QCOMPARE(window.endCodes, std::vector<int>{0});
        QVERIFY(box.isNull() || !box->isVisible() || !byFrame);

        // Input that was already queued must not act once the program ends.
        const int opened = window.spy.openCalls;
        window.form.presenter().start();
        window.form.presenter().end();
        QCOMPARE(window.spy.openCalls, opened);
        QCOMPARE(window.endCodes.size(), std::size_t{1});
    }
}

void StartRunTest::startWritesTheBatchReportAndEnds() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const std::string designPath = pathIn(directory, "amp.pcb");
    const QString reportPath = directory.filePath(QStringLiteral("amp.wrf"));
    auto viewer = std::make_shared<std::vector<std::string>>();

    // The viewer fails: the program says so before it ends.
    WindowUnderTest window(BoardDesign(designPath),
                           test::TestEnvironment(viewer, "no viewer for amp.wrf"));
    window.form.presenter().startUp();
    window.show();
    TypeText(window.control<QLineEdit>("Text1"), QString::fromUtf8("Zoë Example"));
    QTest::mouseClick(window.control<QCheckBox>("Check1"), Qt::LeftButton);
    QTest::mouseClick(window.control<QRadioButton>("Option2"), Qt::LeftButton);
    QTest::mouseClick(window.control<QRadioButton>("Option3"), Qt::LeftButton);
    QTest::mouseClick(window.control<QPushButton>("Start"), Qt::LeftButton);

    QCOMPARE(window.endCodes, std::vector<int>{0});
    QCOMPARE(window.warnings, QStringList{QStringLiteral("no viewer for amp.wrf")});
    QVERIFY(!window.warnedAfterEnd);
    QCOMPARE(*viewer, std::vector<std::string>{reportPath.toStdString()});
    const std::string fromWindow = test::ReadBytes(reportPath.toStdString());
    QVERIFY(fromWindow.find("Zo\xEB Example") != std::string::npos);
    QVERIFY(QFile::remove(reportPath));

    // The same choices made without a window give the same bytes.
    StandInLibrary library(BoardDesign(designPath));
    DesignSession session(library);
    ConnectToDesign(session);
    ReportChoices choices;
    choices.designer = "Zo\xEB Example";
    choices.lengths = NetLengths::Mm;
    RunProgress unseen;
    QCOMPARE(WriteReport(session, choices, test::TestEnvironment(), unseen).result,
             ReportResult::Written);
    QCOMPARE(fromWindow, test::ReadBytes(reportPath.toStdString()));
}

void StartRunTest::progressIsPaintedWhileTheRunHoldsTheEventLoop() {
    QTemporaryDir directory;
    for (const bool throttled : {false, true}) {
        WindowUnderTest window(throttled ? ManyNetsDesign(pathIn(directory, "big.pcb"), 500)
                                         : BoardDesign(pathIn(directory, "amp.pcb")));
        window.form.presenter().setStatusRepaintInterval(
            throttled ? std::chrono::milliseconds(3600000) : std::chrono::milliseconds(0));
        window.form.presenter().startUp();
        window.show();
        PaintRecorder recorder(window.control<QLabel>("status_label"), window.form);
        QTest::mouseClick(window.control<QPushButton>("Start"), Qt::LeftButton);
        QCOMPARE(window.endCodes, std::vector<int>{0});
        QVERIFY(!recorder.inputWhilePainted);
        if (throttled) {
            // Within the interval only the first change of the run is painted, and the
            // window shows the end of the run once it regains the loop.
            QCOMPARE(recorder.painted.size(), 1);
            QCOMPARE(window.control<QLabel>("status_label")->text(),
                     QStringLiteral("Written to .big.wrf"));
            continue;
        }
        // One caption per net in report order, each painted before the next.
        QStringList progress;
        for (const QString& caption : recorder.painted)
            if (caption.startsWith(QStringLiteral("Nodes "))) progress << caption;
        QCOMPARE(progress.size(), 3);
        for (int i = 0; i < progress.size(); ++i)
            QVERIFY(progress[i].startsWith(QStringLiteral("Nodes %1 Nets Name ").arg(i)));
        QVERIFY(recorder.painted.contains(QStringLiteral("Written to .amp.wrf")));
    }
}

void StartRunTest::failedRunsKeepTheWindowOpenWithTheirMessage() {
    QTemporaryDir directory;
    for (const bool designLetGo : {true, false}) {
        // Either the host application has let go of the design since start-up, or the
        // report's folder is missing.
        WindowUnderTest window(
            BoardDesign(pathIn(directory, designLetGo ? "amp.pcb" : "gone/amp.pcb")));
        window.form.presenter().startUp();
        window.show();
        window.spy.refuseAll = designLetGo;
        QTest::mouseClick(window.control<QPushButton>("Start"), Qt::LeftButton);

        QVERIFY(window.endCodes.empty());
        QVERIFY(window.form.isVisible());
        const QString message = window.control<QLabel>("status_label")->text();
        if (designLetGo) {
            QCOMPARE(message, QStringLiteral("No Connection"));
            QVERIFY(!window.control<QWidget>("Start")->isEnabled());
        } else {
            QVERIFY2(message.contains(QStringLiteral("amp.wrf")) &&
                         !message.startsWith(QStringLiteral("Written")),
                     qPrintable(message));
        }
        QVERIFY(!QFile::exists(directory.filePath(QStringLiteral("amp.wrf"))));
        // End and About still answer.
        QVERIFY(window.form.centralWidget()->isEnabled() && window.form.menuBar()->isEnabled());
        QTest::mouseClick(window.control<QPushButton>("Exit"), Qt::LeftButton);
        QCOMPARE(window.endCodes, std::vector<int>{0});
    }
}

QTEST_MAIN(StartRunTest)
#include "StartRunTest.moc"
