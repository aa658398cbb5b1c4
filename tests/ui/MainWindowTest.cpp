// The Qt main window as a view, on the offscreen platform: its controls'
// states and focus order, the layout, texts in Windows-1252, long messages,
// the About box, where a design may be chosen, and what it does around a run
// (End and the frame, clicks giving the run its choices, progress painted
// while the run holds the event loop). The decisions behind them:
// MainWindowPresenterTest.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "design/files/DesignFileLoader.h"
#include "design/standin/StandInLibrary.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/SpyLibrary.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/CaptionLabel.h"
#include "ui/qt/MainWindow.h"

using namespace netlist;
using namespace netlist::test;

namespace {

// A small board of three nets, one of them single-node.
DesignData BoardDesign(const std::string& designPath) {
    DesignData design;
    design.kind = DesignKind::Pcb;
    design.designPath = designPath;
    design.nets = {
        {1, "GND", 2540 * 1200, 3, {{"U1", "4"}, {"C1", "2"}, {"R1", "2"}}},
        {2, "VIN", 2540 * 350, 2, {{"U1", "3"}, {"C1", "1"}}},
        {3, "TP1", 0, 1, {{"U1", "8"}}},
    };
    return design;
}

// Lets the event loop delete what was closed with Qt::WA_DeleteOnClose.
void DeleteClosedWindows() {
    QTest::qWait(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Types text key by key, for any character, as a keyboard layout that has it would.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
}

// Serves design files as the program does when the user opens one.
DesignOpener DesignFileOpener() {
    return [](const std::filesystem::path& file) {
        try {
            return OpenedDesign{std::make_unique<StandInLibrary>(LoadDesignFile(file)), {}};
        } catch (const DesignFileError& error) {
            return OpenedDesign{nullptr, error.what()};
        }
    };
}

// A main window over a stand-in library, its end and warnings recorded
// instead of acted on.
class WindowUnderTest {
  public:
    explicit WindowUnderTest(DesignData design, ReportEnvironment environment = TestEnvironment(),
                             DesignChoice designChoice = {})
        : library(std::move(design)),
          spy(library),
          form(spy, std::move(environment),
               {[this](int code) { endCodes.push_back(code); },
                [this](const QString& message) { warnings.push_back(message); },
                [this] { return fileToChoose; }},
               std::move(designChoice)) {}

    StandInLibrary library;
    SpyLibrary spy;
    std::vector<int> endCodes;
    QStringList warnings;
    QString fileToChoose;  // what the user picks when the window asks for a design file
    MainWindow form;

    template <typename Control>
    Control* control(const char* name) {
        return form.findChild<Control*>(QString::fromLatin1(name));
    }
    // Shows the window and waits until it can take input.
    void show() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
};

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

// Drags the file over the window and drops it, as a file manager would;
// returns whether the window took the drag.
bool dropFile(MainWindow& form, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPoint place = form.rect().center();
    QDragEnterEvent enter(place, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(place, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    return true;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsStartWithTheirStatesAndFocusOrder();
    void layoutGivesEveryCaptionItsRoom();
    void textsCrossTheWindowInWindows1252();
    void longStatusStaysReadable();
    void aboutBoxIsOneModelessBoxThatOnlyItsFrameDestroys();
    void aDesignIsChosenOnlyWhereNoHostChoosesIt();
    void endClosesTheSessionButTheFrameDoesNot();
    void startTakesTheChoicesMadeInTheWindow();
    void progressIsPaintedWhileTheRunHoldsTheEventLoop();
    void aFailedRunGivesTheInputBack();
};

void MainWindowTest::controlsStartWithTheirStatesAndFocusOrder() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    // Checked, then enabled.
    const std::pair<const char*, const char*> buttons[] = {{"Option4", "11"},
                                                           {"Option3", "01"},
                                                           {"Check1", "01"},
                                                           {"Option1", "10"},
                                                           {"Option2", "00"}};
    for (const auto& [name, state] : buttons) {
        const auto* button = window.control<QAbstractButton>(name);
        QCOMPARE(QString("%1%2").arg(int(button->isChecked())).arg(int(button->isEnabled())),
                 QString(state));
    }
    // Enter and Escape must not press anything by themselves.
    for (const char* name : {"Start", "Exit"})
        QVERIFY(!window.control<QPushButton>(name)->autoDefault());
    QStringList order;
    for (QWidget* widget = window.form.nextInFocusChain(); widget != &window.form;
         widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
    QCOMPARE(order, (QStringList{"Start", "Exit", "Text1", "Check1", "Option1", "Option2",
                                 "Option3", "Option4"}));
    // Nothing of the design library has been asked yet.
    QCOMPARE(window.spy.openCalls, 0);
}

void MainWindowTest::layoutGivesEveryCaptionItsRoom() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.presenter().startUp();
    window.show();
    for (const char* name :
         {"Label1", "Label3", "Label4", "Frame3", "Frame1", "Frame2", "Frame5", "Frame4", "Check1",
          "Option1", "Option2", "Option3", "Option4", "Start", "Exit"}) {
        const auto* widget = window.control<QWidget>(name);
        const QSize wanted = widget->minimumSizeHint().expandedTo(
            qobject_cast<const QAbstractButton*>(widget) ? widget->sizeHint() : QSize());
        QVERIFY2(widget->width() >= wanted.width() && widget->height() >= wanted.height(), name);
    }
}

void MainWindowTest::textsCrossTheWindowInWindows1252() {
    WindowUnderTest window(BoardDesign("/boards/Schaltpl\xE4ne \x80.pcb"));
    window.form.presenter().startUp();
    QCOMPARE(window.control<QLabel>("status_label3")->text(),
             QString::fromUtf8("Schaltpläne €.pcb"));

    window.show();
    auto* designer = window.control<QLineEdit>("Text1");
    TypeText(designer, QString::fromUtf8("Jürgen Œ"));
    QCOMPARE(window.form.presenter().state().designerName, std::string("J\xFCrgen \x8C"));
    // A character the report cannot hold reaches the model as "?", while the
    // box keeps showing what was typed.
    TypeText(designer, QString::fromUtf8("Ω"));
    QCOMPARE(window.form.presenter().state().designerName, std::string("J\xFCrgen \x8C?"));
    window.form.presenter().show();
    QCOMPARE(designer->text(), QString::fromUtf8("Jürgen ŒΩ"));
}

void MainWindowTest::longStatusStaysReadable() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.presenter().startUp();
    window.show();
    const QSize before = window.form.size();
    const std::string longMessage =
        "cannot write /a/very/long/directory/name/that/does/not/fit/amp.wrf: Permission denied";
    auto* status = qobject_cast<CaptionLabel*>(window.control<QLabel>("status_label"));
    QVERIFY(status);
    status->setText(QString::fromStdString(longMessage));
    // The window keeps its shape; the caption shows both ends of the message.
    QCOMPARE(window.form.size(), before);
    QCOMPARE(status->text(), QString::fromStdString(longMessage));
    const QString shown = status->shownText();
    QVERIFY(shown.startsWith(QStringLiteral("cannot")) && shown.endsWith(QStringLiteral("denied")));
    QVERIFY(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width());
}

void MainWindowTest::aboutBoxIsOneModelessBoxThatOnlyItsFrameDestroys() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.presenter().startUp();
    window.show();
    window.control<QAction>("About")->trigger();
    window.control<QAction>("About")->trigger();
    QCOMPARE(window.form.findChildren<AboutBox*>().size(), 1);
    QPointer<AboutBox> box = window.form.aboutBox();
    QVERIFY(box && box->isWindow());
    QVERIFY(!box->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().isNull());
    // Modeless: the main window stays usable beside it.
    QVERIFY(!QApplication::activeModalWidget() && window.form.centralWidget()->isEnabled());

    // Ok hides the box; About shows the same box again.
    QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    DeleteClosedWindows();
    QVERIFY(window.form.aboutBox() == box && !box->isVisible());
    window.control<QAction>("About")->trigger();
    QVERIFY(window.form.aboutBox() == box && box->isVisible());

    // Its frame destroys it and leaves the program running.
    QVERIFY(box->close());
    DeleteClosedWindows();
    QVERIFY(box.isNull() && !window.form.aboutBox());
    QVERIFY(window.endCodes.empty() && window.form.isVisible());
    window.control<QAction>("About")->trigger();
    QVERIFY(window.form.aboutBox() && window.form.aboutBox()->isVisible());
}

void MainWindowTest::aDesignIsChosenOnlyWhereNoHostChoosesIt() {
    // The host's window: nothing beyond About, nothing taken from a drag.
    WindowUnderTest host(BoardDesign("/boards/amp.pcb"));
    host.form.presenter().startUp();
    QCOMPARE(host.form.menuBar()->actions().size(), 1);
    QVERIFY(!host.control<QLabel>("designSource"));
    QTemporaryDir directory;
    const QString schematic = directory.filePath(QStringLiteral("filter.json"));
    WriteBytes(schematic.toStdString(),
               R"({"kind": "SCH", "nets": [{"id": 1, "name": "VIN", "nodes": [["R1", "1"]]}]})");
    QVERIFY(!dropFile(host.form, schematic));

    // The built-in sample's window says so, opens a chosen file and takes a
    // dropped one.
    WindowUnderTest sample(BoardDesign("/boards/sample-board.pcb"), test::TestEnvironment(),
                           {DesignFileOpener(), {}});
    sample.form.presenter().startUp();
    sample.show();
    QCOMPARE(sample.control<QAction>("Open")->text(), QString::fromUtf8("&Open…"));
    const auto* source = sample.control<QLabel>("designSource");
    QVERIFY(source && source->text().startsWith(QStringLiteral("Built-in sample board")));
    QVERIFY(dropFile(sample.form, schematic));
    QCOMPARE(sample.control<QLabel>("status_label3")->text(), QStringLiteral("filter.json"));
    QCOMPARE(source->text(), QStringLiteral("Design file: ") + schematic);
    // Open asks for a file; a refused one is told in a warning.
    sample.fileToChoose = directory.filePath(QStringLiteral("refused.json"));
    QFile(sample.fileToChoose).open(QIODevice::WriteOnly);
    sample.control<QAction>("Open")->trigger();
    QCOMPARE(sample.warnings.size(), 1);
    QVERIFY(sample.warnings.front().contains(QStringLiteral("refused.json")));
}

void MainWindowTest::endClosesTheSessionButTheFrameDoesNot() {
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

void MainWindowTest::startTakesTheChoicesMadeInTheWindow() {
    QTemporaryDir directory;
    const std::string reportPath = pathIn(directory, "amp.wrf");
    auto viewer = std::make_shared<std::vector<std::string>>();
    // The viewer fails: the program says so before it ends.
    WindowUnderTest window(BoardDesign(pathIn(directory, "amp.pcb")),
                           test::TestEnvironment(viewer, "no viewer for amp.wrf"));
    window.form.presenter().startUp();
    window.show();
    TypeText(window.control<QLineEdit>("Text1"), QString::fromUtf8("Zoë Example"));
    for (const char* name : {"Check1", "Option2", "Option3", "Start"})
        QTest::mouseClick(window.control<QAbstractButton>(name), Qt::LeftButton);

    QCOMPARE(window.endCodes, std::vector<int>{0});
    QCOMPARE(window.warnings, QStringList{QStringLiteral("no viewer for amp.wrf")});
    QCOMPARE(*viewer, std::vector<std::string>{reportPath});
    const std::string report = ReadBytes(reportPath);
    QVERIFY(report.find("Design By      Zo\xEB Example\r\n") != std::string::npos);
    QVERIFY(report.find(" mm\r\n") != std::string::npos);
}

void MainWindowTest::progressIsPaintedWhileTheRunHoldsTheEventLoop() {
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

void MainWindowTest::aFailedRunGivesTheInputBack() {
    QTemporaryDir directory;
    WindowUnderTest window(BoardDesign(pathIn(directory, "gone/amp.pcb")));
    window.form.presenter().startUp();
    window.show();
    QTest::mouseClick(window.control<QPushButton>("Start"), Qt::LeftButton);
    QVERIFY(window.endCodes.empty() && window.form.isVisible());
    QVERIFY(window.control<QLabel>("status_label")->text().contains(QStringLiteral("amp.wrf")));
    QVERIFY(window.form.centralWidget()->isEnabled() && window.form.menuBar()->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
