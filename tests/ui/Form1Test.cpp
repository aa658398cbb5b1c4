// The main window before and after start-up: its controls, their states for
// every outcome of the connection, the layout and the length choices.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "design/StatusCodes.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/qt/CaptionLabel.h"

using namespace netlist;
using namespace netlist::test;

Q_DECLARE_METATYPE(netlist::DesignKind)
Q_DECLARE_METATYPE(std::optional<std::int32_t>)

class Form1Test : public QObject {
    Q_OBJECT

  private slots:
    void controlsStartWithTheirCaptionsAndStates();
    void focusMovesInTheDocumentedOrder();
    void layoutFitsTheDefaultFont();
    void startUpSetsTheControlsForEachOutcome_data();
    void startUpSetsTheControlsForEachOutcome();
    void textsCrossTheWindowInWindows1252();
    void tickingLengthsEnablesTheUnitsAndKeepsTheChoice();
    void longStatusStaysReadable();
};

void Form1Test::controlsStartWithTheirCaptionsAndStates() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    Form1& form = window.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Netlist Report"));
    QVERIFY(!form.windowIcon().isNull());

    const QList<QAction*> menu = form.menuBar()->actions();
    QCOMPARE(menu.size(), 1);
    QCOMPARE(menu.front()->objectName(), QStringLiteral("About"));
    QCOMPARE(menu.front()->text(), QStringLiteral("&About"));
    QVERIFY(menu.front()->isEnabled());

    const std::pair<const char*, const char*> frames[] = {{"Frame3", "Design By"},
                                                          {"Frame1", "Design Name"},
                                                          {"Frame2", "Status"},
                                                          {"Frame5", "View file Option"},
                                                          {"Frame4", "Nets Length Option"}};
    for (const auto& [name, title] : frames)
        QCOMPARE(window.control<QGroupBox>(name)->title(), QString::fromLatin1(title));

    auto* title = window.control<QLabel>("Label1");
    QCOMPARE(title->text(), QStringLiteral("PCB Netlist Report "));
    QVERIFY(title->font().bold());
    QVERIFY(qAbs(title->font().pointSizeF() - 13.8) < 0.1);
    QVERIFY(title->autoFillBackground());
    QCOMPARE(title->palette().color(QPalette::Window), QColor(192, 192, 192));

    auto* kind = window.control<QLabel>("Label3");
    QCOMPARE(kind->text(), QString());
    QCOMPARE(kind->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(window.control<QLabel>("status_label")->text(), QString());
    QCOMPARE(window.control<QLabel>("status_label3")->text(), QString());
    QVERIFY(window.control<QLabel>("Label4")->text().contains(QLatin1Char('@')));

    auto* designer = window.control<QLineEdit>("Text1");
    QVERIFY(designer->text().isEmpty() && designer->isEnabled());

    struct ButtonAtStart {
        const char* name;
        const char* caption;
        bool selected;
        bool enabled;
    };
    for (const ButtonAtStart& expected : {ButtonAtStart{"Option4", "File", true, true},
                                          {"Option3", "Screen", false, true},
                                          {"Check1", "With Nets Length", false, true},
                                          {"Option1", "mils", true, false},
                                          {"Option2", "mm", false, false},
                                          {"Start", "Start", false, true},
                                          {"Exit", "End", false, true}}) {
        const auto* button = window.control<QAbstractButton>(expected.name);
        QCOMPARE(button->text(), QString::fromLatin1(expected.caption));
        QVERIFY2(button->isChecked() == expected.selected, expected.name);
        QVERIFY2(button->isEnabled() == expected.enabled, expected.name);
    }
    for (const char* name : {"Start", "Exit"}) {
        // Enter and Escape must not press anything by themselves.
        const auto* button = window.control<QPushButton>(name);
        QVERIFY(!button->autoDefault() && !button->isDefault());
    }
    // Nothing of the design library has been asked yet.
    QCOMPARE(window.spy.openCalls, 0);
}

void Form1Test::focusMovesInTheDocumentedOrder() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    QStringList order;
    for (QWidget* widget = window.form.nextInFocusChain(); widget != &window.form;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
    }
    QCOMPARE(order, (QStringList{"Start", "Exit", "Text1", "Check1", "Option1", "Option2",
                                 "Option3", "Option4"}));
}

void Form1Test::layoutFitsTheDefaultFont() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.Form_Load();
    window.show();
    const QWidget* client = window.form.centralWidget();
    QVERIFY(client->width() >= 462 && client->height() >= 225);

    // Every caption gets at least the room it asks for.
    for (const char* name :
         {"Label1", "Label3", "Label4", "Frame3", "Frame1", "Frame2", "Frame5", "Frame4", "Check1",
          "Option1", "Option2", "Option3", "Option4", "Start", "Exit"}) {
        const auto* widget = window.control<QWidget>(name);
        const QSize wanted = widget->minimumSizeHint().expandedTo(
            qobject_cast<const QAbstractButton*>(widget) ? widget->sizeHint() : QSize());
        QVERIFY2(widget->width() >= wanted.width() && widget->height() >= wanted.height(), name);
    }

    const auto rect = [&](const char* name) {
        const QWidget* widget = window.control<QWidget>(name);
        return QRect(widget->mapTo(client, QPoint(0, 0)), widget->size());
    };
    // Left column: three frames of one width, one below the other; right
    // column beside it.
    QCOMPARE(rect("Frame1").width(), rect("Frame3").width());
    QCOMPARE(rect("Frame2").width(), rect("Frame3").width());
    QVERIFY(rect("Frame3").bottom() < rect("Frame1").top());
    QVERIFY(rect("Frame1").bottom() < rect("Frame2").top());
    QVERIFY(rect("Frame3").right() < rect("Frame5").left());
    QVERIFY(rect("Frame5").bottom() < rect("Frame4").top());
    QVERIFY(rect("Frame3").width() > rect("Frame5").width());
    // Inside the frames: File above Screen, mils left of mm on one line.
    QVERIFY(rect("Option4").bottom() < rect("Option3").top());
    QCOMPARE(rect("Option1").top(), rect("Option2").top());
    QVERIFY(rect("Option1").right() < rect("Option2").left());
    // Below both columns the credit, then Start and End side by side.
    QVERIFY(rect("Frame2").bottom() < rect("Label4").top());
    QVERIFY(rect("Frame4").bottom() < rect("Label4").top());
    QVERIFY(rect("Label4").bottom() < rect("Start").top());
    QCOMPARE(rect("Start").top(), rect("Exit").top());
    QVERIFY(rect("Start").right() < rect("Exit").left());
    // The title is centred on the window, the kind marker at its left.
    const QRect title = rect("Label1");
    QVERIFY(qAbs(title.center().x() - client->width() / 2) <= 2);
    QVERIFY(rect("Label3").right() < title.left());
}

void Form1Test::startUpSetsTheControlsForEachOutcome_data() {
    QTest::addColumn<DesignKind>("kind");
    QTest::addColumn<std::optional<std::int32_t>>("infoStatus");
    QTest::addColumn<QString>("kindCaption");
    QTest::addColumn<bool>("lengthsEnabled");
    QTest::addColumn<bool>("runEnabled");
    QTest::addColumn<QString>("statusCaption");
    QTest::addColumn<QString>("fileName");

    const std::optional<std::int32_t> asServed;
    const std::optional<std::int32_t> ok = status::kOk;
    const std::optional<std::int32_t> badData = 32003;
    const QString okText = QStringLiteral("Status: OK");
    const QString badDataText = QStringLiteral("Bad Server Data");
    // Both opens succeeding counts as a schematic.
    // A forced status fills no record, so no file name is shown then.
    const QString name = QStringLiteral("amp.pcb");
    const QString none;
    QTest::newRow("schematic") << DesignKind::Sch << asServed << "Schmatic" << false << true
                               << okText << name;
    QTest::newRow("board and schematic")
        << DesignKind::PcbAndSch << asServed << "Schmatic" << false << true << okText << name;
    QTest::newRow("board") << DesignKind::Pcb << asServed << "Pcb" << true << true << okText
                           << name;
    QTest::newRow("neither, information read")
        << DesignKind::None << ok << "" << false << true << okText << none;
    QTest::newRow("schematic, information refused")
        << DesignKind::Sch << badData << "Schmatic" << false << false << badDataText << none;
    QTest::newRow("board, information refused")
        << DesignKind::Pcb << badData << "Pcb" << true << false << badDataText << none;
    QTest::newRow("neither") << DesignKind::None << asServed << "" << false << false
                             << "No Connection" << none;
}

void Form1Test::startUpSetsTheControlsForEachOutcome() {
    QFETCH(DesignKind, kind);
    QFETCH(std::optional<std::int32_t>, infoStatus);
    QFETCH(QString, kindCaption);
    QFETCH(bool, lengthsEnabled);
    QFETCH(bool, runEnabled);
    QFETCH(QString, statusCaption);
    QFETCH(QString, fileName);

    WindowUnderTest window(DesignOfKind(kind, infoStatus));
    window.form.Form_Load();

    QCOMPARE(window.control<QLabel>("Label3")->text(), kindCaption);
    QCOMPARE(window.control<QCheckBox>("Check1")->isEnabled(), lengthsEnabled);
    for (const char* name : {"Option3", "Option4", "Start"})
        QCOMPARE(window.control<QWidget>(name)->isEnabled(), runEnabled);
    QCOMPARE(window.control<QLabel>("status_label")->text(), statusCaption);
    QCOMPARE(window.control<QLabel>("status_label3")->text(), fileName);
    // Start-up leaves the unit choices, the selections and the name alone.
    QVERIFY(!window.control<QWidget>("Option1")->isEnabled());
    QVERIFY(!window.control<QWidget>("Option2")->isEnabled());
    QVERIFY(window.control<QRadioButton>("Option1")->isChecked());
    QVERIFY(window.control<QRadioButton>("Option4")->isChecked());
    QVERIFY(window.control<QWidget>("Exit")->isEnabled());
    QVERIFY(window.control<QWidget>("Text1")->isEnabled());
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
    // The board opens but its information is refused: Start stays disabled,
    // yet the lengths check box works.
    WindowUnderTest window(DesignOfKind(DesignKind::Pcb, 32003));
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
    QVERIFY(mm->isChecked() && !mils->isChecked());
    QVERIFY(!model.option1Selected);

    QTest::mouseClick(lengths, Qt::LeftButton);
    QCOMPARE(model.check1Value, 0);
    QVERIFY(!mils->isEnabled() && !mm->isEnabled());
    QVERIFY(mm->isChecked());
    QVERIFY(!model.option1Selected);

    // The keyboard toggles the same way.
    lengths->setFocus();
    QTest::keyClick(lengths, Qt::Key_Space);
    QCOMPARE(model.check1Value, 1);
    QVERIFY(mils->isEnabled() && mm->isEnabled());
    QVERIFY(!window.control<QWidget>("Start")->isEnabled());
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
    QVERIFY(shown.size() < status->text().size());
    QVERIFY(shown.startsWith(QStringLiteral("cannot")));
    QVERIFY(shown.endsWith(QStringLiteral("denied")));
    QVERIFY(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width());
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
