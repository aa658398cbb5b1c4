// The Qt main window as a view: its controls' states and focus order, the
// layout, texts in Windows-1252, long messages, the About box and where a
// design may be chosen. The decisions behind them: MainWindowPresenterTest.
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

#include "tests/ui/UiTestSupport.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/CaptionLabel.h"

using namespace netlist;
using namespace netlist::test;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsStartWithTheirStatesAndFocusOrder();
    void layoutGivesEveryCaptionItsRoom();
    void textsCrossTheWindowInWindows1252();
    void longStatusStaysReadable();
    void aboutBoxIsOneModelessBoxThatOnlyItsFrameDestroys();
    void aDesignIsChosenOnlyWhereNoHostChoosesIt();
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

namespace {

QStringList menuTexts(MainWindow& form) {
    QStringList texts;
    for (const QAction* action : form.menuBar()->actions()) texts << action->text();
    return texts;
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

void MainWindowTest::aDesignIsChosenOnlyWhereNoHostChoosesIt() {
    // The host's window: nothing beyond About, nothing taken from a drag.
    WindowUnderTest host(BoardDesign("/boards/amp.pcb"));
    host.form.presenter().startUp();
    QCOMPARE(menuTexts(host.form), QStringList{QStringLiteral("&About")});
    QVERIFY(!host.control<QLabel>("designSource"));
    QTemporaryDir directory;
    const QString schematic = directory.filePath(QStringLiteral("filter.json"));
    QFile file(schematic);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"kind": "SCH", "nets": [{"id": 1, "name": "VIN", "nodes": [["R1", "1"]]}]})");
    file.close();
    QVERIFY(!dropFile(host.form, schematic));

    // The built-in sample's window says so, opens a chosen file and takes a
    // dropped one.
    WindowUnderTest sample(BoardDesign("/boards/sample-board.pcb"), test::TestEnvironment(),
                           {DesignFileOpener(), {}});
    sample.form.presenter().startUp();
    sample.show();
    QCOMPARE(menuTexts(sample.form),
             (QStringList{QString::fromUtf8("&Open…"), QStringLiteral("&About")}));
    const auto* source = sample.control<QLabel>("designSource");
    QVERIFY(source && source->text().startsWith(QStringLiteral("Built-in sample board")));
    QVERIFY(dropFile(sample.form, schematic));
    QCOMPARE(sample.control<QLabel>("status_label3")->text(), QStringLiteral("filter.json"));
    QCOMPARE(sample.control<QLabel>("Label3")->text(), QStringLiteral("Schmatic"));
    QCOMPARE(source->text(), QStringLiteral("Design file: ") + schematic);
    // Open asks for a file; a refused one is told in a warning.
    sample.fileToChoose = directory.filePath(QStringLiteral("refused.json"));
    QFile(sample.fileToChoose).open(QIODevice::WriteOnly);
    sample.control<QAction>("Open")->trigger();
    QCOMPARE(sample.warnings.size(), 1);
    QVERIFY(sample.warnings.front().contains(QStringLiteral("refused.json")));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
