// What the Qt window does around a run: End and the frame reach the
// presenter, clicks give the run its choices, progress is painted while the
// run holds the event loop, and a failed run gives the input back.
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
    void aFailedRunGivesTheInputBack();
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
            QVERIFY(box.isNull() || !box->isVisible());
        } else {
            QTest::mouseClick(window.control<QPushButton>("Exit"), Qt::LeftButton);
        }
        QCOMPARE(window.spy.closeCalls, byFrame ? 0 : 1);
        QCOMPARE(window.endCodes, std::vector<int>{0});
    }
}

void StartRunTest::startWritesTheBatchReportAndEnds() {
    QTemporaryDir directory;
    const std::string designPath = pathIn(directory, "amp.pcb");
    const std::string reportPath = pathIn(directory, "amp.wrf");
    auto viewer = std::make_shared<std::vector<std::string>>();

    // The viewer fails: the program says so before it ends.
    WindowUnderTest window(BoardDesign(designPath),
                           test::TestEnvironment(viewer, "no viewer for amp.wrf"));
    window.form.presenter().startUp();
    window.show();
    TypeText(window.control<QLineEdit>("Text1"), QString::fromUtf8("Zoë Example"));
    for (const char* name : {"Check1", "Option2", "Option3", "Start"})
        QTest::mouseClick(window.control<QAbstractButton>(name), Qt::LeftButton);

    QCOMPARE(window.endCodes, std::vector<int>{0});
    QCOMPARE(window.warnings, QStringList{QStringLiteral("no viewer for amp.wrf")});
    QCOMPARE(*viewer, std::vector<std::string>{reportPath});
    const std::string fromWindow = test::ReadBytes(reportPath);
    QVERIFY(QFile::remove(QString::fromStdString(reportPath)));

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
    QCOMPARE(fromWindow, test::ReadBytes(reportPath));
}

void StartRunTest::progressIsPaintedWhileTheRunHoldsTheEventLoop() {
    QTemporaryDir directory;
    WindowUnderTest window(BoardDesign(pathIn(directory, "amp.pcb")));
    window.form.presenter().setStatusRepaintInterval(std::chrono::milliseconds(0));
    window.form.presenter().startUp();
    window.show();
    PaintRecorder recorder(window.control<QLabel>("status_label"), window.form);
    QTest::mouseClick(window.control<QPushButton>("Start"), Qt::LeftButton);
    QCOMPARE(window.endCodes, std::vector<int>{0});
    QVERIFY(!recorder.inputWhilePainted);
    // One caption per net in report order, each painted before the next.
    QStringList progress;
    for (const QString& caption : recorder.painted)
        if (caption.startsWith(QStringLiteral("Nodes "))) progress << caption;
    QCOMPARE(progress.size(), 3);
    for (int i = 0; i < progress.size(); ++i)
        QVERIFY(progress[i].startsWith(QStringLiteral("Nodes %1 Nets Name ").arg(i)));
    QVERIFY(recorder.painted.contains(QStringLiteral("Written to .amp.wrf")));
}

void StartRunTest::aFailedRunGivesTheInputBack() {
    QTemporaryDir directory;
    WindowUnderTest window(BoardDesign(pathIn(directory, "gone/amp.pcb")));
    window.form.presenter().startUp();
    window.show();
    QTest::mouseClick(window.control<QPushButton>("Start"), Qt::LeftButton);
    QVERIFY(window.endCodes.empty() && window.form.isVisible());
    QVERIFY(window.control<QLabel>("status_label")->text().contains(QStringLiteral("amp.wrf")));
    QVERIFY(window.form.centralWidget()->isEnabled() && window.form.menuBar()->isEnabled());
}

QTEST_MAIN(StartRunTest)
#include "StartRunTest.moc"
