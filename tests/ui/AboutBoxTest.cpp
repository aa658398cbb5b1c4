// The About box: one instance, modeless, hidden by Ok and kept, destroyed
// only by its frame.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/ui/UiTestSupport.h"
#include "ui/qt/Form2.h"

using namespace netlist;
using namespace netlist::test;

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void okHidesTheOneBoxAndAboutShowsItAgainInPlace();
    void closingByTheFrameDestroysTheBoxAndLeavesTheProgramRunning();
};

void AboutBoxTest::okHidesTheOneBoxAndAboutShowsItAgainInPlace() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.Form_Load();
    window.show();
    window.control<QAction>("About")->trigger();
    window.control<QAction>("About")->trigger();
    QCOMPARE(window.form.findChildren<Form2*>().size(), 1);
    Form2* box = window.form.aboutBox();
    QVERIFY(box && box->isWindow());
    QCOMPARE(box->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().size(), QSize(160, 243));
    // Modeless: the main window stays usable beside it.
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window.form.centralWidget()->isEnabled());

    QVERIFY(QTest::qWaitForWindowExposed(box));
    box->move(box->pos() + QPoint(37, 21));
    const QPoint place = box->pos();
    QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    DeleteClosedWindows();
    QVERIFY(window.form.aboutBox() == box);
    QVERIFY(!box->isVisible());

    window.control<QAction>("About")->trigger();
    QVERIFY(window.form.aboutBox() == box && box->isVisible());
    QCOMPARE(box->pos(), place);
}

void AboutBoxTest::closingByTheFrameDestroysTheBoxAndLeavesTheProgramRunning() {
    WindowUnderTest window(BoardDesign("/boards/amp.pcb"));
    window.form.Form_Load();
    window.show();
    window.control<QAction>("About")->trigger();
    QPointer<Form2> first = window.form.aboutBox();
    QVERIFY(first->close());
    DeleteClosedWindows();
    QVERIFY(first.isNull() && !window.form.aboutBox());
    QVERIFY(window.endCodes.empty());
    QVERIFY(window.form.isVisible());

    window.control<QAction>("About")->trigger();
    QVERIFY(window.form.aboutBox() && window.form.aboutBox()->isVisible());
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
