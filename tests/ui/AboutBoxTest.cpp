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
    void init();
    void cleanup();
    void showsPictureCreditAddressAndOk();
    void aboutTwiceShowsOneBox();
    void okHidesTheBoxAndAboutShowsItAgainInPlace();
    void closingByTheFrameDestroysTheBox();
    void mainWindowStaysUsableBesideTheBox();

  private:
    void chooseAbout() { window_->control<QAction>("About")->trigger(); }
    QList<Form2*> aboutBoxes() const { return window_->form.findChildren<Form2*>(); }

    std::unique_ptr<WindowUnderTest> window_;
};

void AboutBoxTest::init() {
    window_ = std::make_unique<WindowUnderTest>(BoardDesign("/boards/amp.pcb"));
    window_->form.Form_Load();
    window_->show();
}

void AboutBoxTest::cleanup() {
    window_.reset();
}

void AboutBoxTest::showsPictureCreditAddressAndOk() {
    chooseAbout();
    Form2* box = window_->form.aboutBox();
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("About"));
    QVERIFY(box->isWindow());
    const QPixmap picture = box->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap();
    QCOMPARE(picture.size(), QSize(160, 243));
    QVERIFY(!box->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty());
    QVERIFY(box->findChild<QLabel*>(QStringLiteral("Label2"))->text().contains(QLatin1Char('@')));
    QCOMPARE(box->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("Ok"));
    // Both windows carry the same icon.
    QCOMPARE(box->windowIcon().pixmap(32).toImage(),
             window_->form.windowIcon().pixmap(32).toImage());
    // Portrait, with room for the picture above the texts.
    QVERIFY(box->height() > box->width());
    QVERIFY(box->width() >= 194 && box->height() >= 282);
}

void AboutBoxTest::aboutTwiceShowsOneBox() {
    chooseAbout();
    chooseAbout();
    QCOMPARE(aboutBoxes().size(), 1);
    QVERIFY(aboutBoxes().front()->isVisible());
}

void AboutBoxTest::okHidesTheBoxAndAboutShowsItAgainInPlace() {
    chooseAbout();
    Form2* box = window_->form.aboutBox();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    box->move(box->pos() + QPoint(37, 21));
    const QPoint place = box->pos();

    QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    DeleteClosedWindows();
    QVERIFY(window_->form.aboutBox() == box);
    QVERIFY(!box->isVisible());

    chooseAbout();
    QVERIFY(window_->form.aboutBox() == box);
    QCOMPARE(aboutBoxes().size(), 1);
    QVERIFY(box->isVisible());
    QCOMPARE(box->pos(), place);
}

void AboutBoxTest::closingByTheFrameDestroysTheBox() {
    chooseAbout();
    QPointer<Form2> first = window_->form.aboutBox();
    QVERIFY(first->close());
    DeleteClosedWindows();
    QVERIFY(first.isNull());
    QVERIFY(!window_->form.aboutBox());
    // Closing the box leaves the program running.
    QVERIFY(window_->endCodes.empty());
    QVERIFY(window_->form.isVisible());

    chooseAbout();
    QVERIFY(window_->form.aboutBox());
    QVERIFY(window_->form.aboutBox()->isVisible());
    QCOMPARE(aboutBoxes().size(), 1);
}

void AboutBoxTest::mainWindowStaysUsableBesideTheBox() {
    chooseAbout();
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(window_->form.centralWidget()->isEnabled());

    QTest::mouseClick(window_->control<QPushButton>("Exit"), Qt::LeftButton);
    QCOMPARE(window_->spy.closeCalls, 1);
    QCOMPARE(window_->endCodes, std::vector<int>{0});
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
