#include "tests/ui/UiTestSupport.h"

#include <QTest>

#include "design/files/DesignFileLoader.h"

namespace netlist::test {

DesignData BoardDesign(const std::string& designPath) {
    DesignData design;
    design.kind = DesignKind::Pcb;
    design.designPath = designPath;
    design.title = "Amplifier";
    design.engineer = "R. Engineer";
    design.revision = "B";
    design.layers = {{"Top", 0}, {"Bottom", 1}, {"Top Silk", 5}};
    design.components = {{"U1", 8, 0}, {"C1", 2, 1}, {"R1", 2, 0}};
    design.nets = {
        {1, "GND", 2540 * 1200, 3, {{"U1", "4"}, {"C1", "2"}, {"R1", "2"}}},
        {2, "VIN", 2540 * 350, 2, {{"U1", "3"}, {"C1", "1"}}},
        {3, "TP1", 0, 1, {{"U1", "8"}}},
    };
    return design;
}

void DeleteClosedWindows() {
    QTest::qWait(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
}

DesignOpener DesignFileOpener() {
    return [](const std::filesystem::path& file) {
        try {
            return OpenedDesign{std::make_unique<StandInLibrary>(LoadDesignFile(file)), {}};
        } catch (const DesignFileError& error) {
            return OpenedDesign{nullptr, error.what()};
        }
    };
}

WindowUnderTest::WindowUnderTest(DesignData design, ReportEnvironment environment,
                                 DesignChoice designChoice)
    : library(std::move(design)),
      spy(library),
      form(spy, std::move(environment),
           {[this](int code) { endCodes.push_back(code); },
            [this](const QString& message) { warnings.push_back(message); },
            [this] { return fileToChoose; }},
           std::move(designChoice)) {}

void WindowUnderTest::show() {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

}  // namespace netlist::test
