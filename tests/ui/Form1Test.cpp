// The main window: its controls at start and after start-up, the focus order,
// the layout, texts in Windows-1252, the length choices and long messages.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/qt/CaptionLabel.h"

using namespace netlist;
using namespace netlist::test;

class Form1Test : public QObject {
    Q_OBJECT

  private slots:
    void controlsStartWithTheirCaptionsAndStates();
    void layoutGivesEveryCaptionItsRoom();
    void startUpShowsTheModelsStates();
    void textsCrossTheWindowInWindows1252();
    void tickingLengthsEnablesTheUnitsAndKeepsTheChoice();
    void longStatusStaysReadable();
};

void Form1Test::controlsStartWithTheirCaptionsAndStates() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    QCOMPARE(window.form.windowTitle(), QStringLiteral("Netlist Report"));
    const QList<QAction*> menu = window.form.menuBar()->actions();
    QCOMPARE(menu.size(), 1);
    QCOMPARE(menu.front()->text(), QStringLiteral("&About"));
    QCOMPARE(window.control<QLabel>("Label1")->text(), QStringLiteral("PCB Netlist Report "));
    QCOMPARE(window.control<QGroupBox>("Frame4")->title(), QStringLiteral("Nets Length Option"));

    const struct {
        const char* name;
        const char* caption;
        bool selected;
        bool enabled;
    } buttons[] = {{"Option4", "File", true, true},
                   {"Option3", "Screen", false, true},
                   {"Check1", "With Nets Length", false, true},
                   {"Option1", "mils", true, false},
                   {"Option2", "mm", false, false},
                   {"Start", "Start", false, true},
                   {"Exit", "End", false, true}};
    for (const auto& expected : buttons) {
        const auto* button = window.control<QAbstractButton>(expected.name);
        QCOMPARE(button->text(), QString::fromLatin1(expected.caption));
        QVERIFY2(button->isChecked() == expected.selected, expected.name);
        QVERIFY2(button->isEnabled() == expected.enabled, expected.name);
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

void Form1Test::layoutGivesEveryCaptionItsRoom() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.Form_Load();
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

void Form1Test::startUpShowsTheModelsStates() {
    // The board opens but its information is refused: Start stays disabled.
    const std::optional<std::int32_t> infoStatuses[] = {std::nullopt, 32003};
    for (const std::optional<std::int32_t> infoStatus : infoStatuses) {
        WindowUnderTest window(DesignOfKind(DesignKind::Pcb, infoStatus));
        window.form.Form_Load();
        const bool runnable = !infoStatus;
        QCOMPARE(window.control<QLabel>("Label3")->text(), QStringLiteral("Pcb"));
        QVERIFY(window.control<QCheckBox>("Check1")->isEnabled());
        for (const char* name : {"Option3", "Option4", "Start"})
            QCOMPARE(window.control<QWidget>(name)->isEnabled(), runnable);
        QCOMPARE(window.control<QLabel>("status_label")->text(),
                 runnable ? QStringLiteral("Status: OK") : QStringLiteral("Bad Server Data"));
    }
}

void Form1Test::textsCrossTheWindowInWindows1252() {
    WindowUnderTest window(BoardDesign("/boards/Schaltpl\xE4ne \x80.pcb"));
    window.form.Form_Load();
    QCOMPARE(window.control<QLabel>("status_label3")->text(),
             QString::fromUtf8("Schaltpläne €.pcb"));

    window.show();
    auto* designer = window.control<QLineEdit>("Text1");
    TypeText(designer, QString::fromUtf8("Jürgen Œ"));
    QCOMPARE(window.form.model().controls().text1, std::string("J\xFCrgen \x8C"));
    // A character the report cannot hold reaches the model as "?", while the
    // box keeps showing what was typed.
    TypeText(designer, QString::fromUtf8("Ω"));
    QCOMPARE(window.form.model().controls().text1, std::string("J\xFCrgen \x8C?"));
    window.form.showModel();
    QCOMPARE(designer->text(), QString::fromUtf8("Jürgen ŒΩ"));
}

void Form1Test::tickingLengthsEnablesTheUnitsAndKeepsTheChoice() {
    WindowUnderTest window(DesignOfKind(DesignKind::Pcb));
    window.form.Form_Load();
    window.show();
    auto* lengths = window.control<QCheckBox>("Check1");
    auto* mils = window.control<QRadioButton>("Option1");
    auto* mm = window.control<QRadioButton>("Option2");
    const Form1Controls& model = window.form.model().controls();

    QTest::mouseClick(lengths, Qt::LeftButton);
    QCOMPARE(model.check1Value, 1);
    QVERIFY(mils->isEnabled() && mm->isEnabled());
    QTest::mouseClick(mm, Qt::LeftButton);
    QVERIFY(mm->isChecked() && !mils->isChecked() && !model.option1Selected);
    // The keyboard toggles the same way; the unit stays chosen.
    lengths->setFocus();
    QTest::keyClick(lengths, Qt::Key_Space);
    QCOMPARE(model.check1Value, 0);
    QVERIFY(!mils->isEnabled() && !mm->isEnabled() && mm->isChecked());
}

void Form1Test::longStatusStaysReadable() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.Form_Load();
    window.show();
    const QSize before = window.form.size();
    const std::string longMessage =
        "cannot write /a/very/long/directory/name/that/does/not/fit/amp.wrf: Permission denied";
    window.form.model().controls().statusLabelCaption = longMessage;
    window.form.showModel();

    auto* status = qobject_cast<CaptionLabel*>(window.control<QLabel>("status_label"));
    QVERIFY(status);
    // The window keeps its shape; the caption shows the start and the end of
    // the message and keeps all of it for its tooltip.
    QCOMPARE(window.form.size(), before);
    QCOMPARE(status->text(), QString::fromStdString(longMessage));
    const QString shown = status->shownText();
    QVERIFY(shown.startsWith(QStringLiteral("cannot")) && shown.endsWith(QStringLiteral("denied")));
    QVERIFY(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width());
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
