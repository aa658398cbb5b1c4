// What the window tests share: designs built in code, a fixed clock, and a
// main window over a stand-in library whose end and warnings are recorded
// instead of acted on.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "design/DesignData.h"
#include "design/standin/StandInLibrary.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/SpyLibrary.h"
#include "ui/qt/MainWindow.h"

namespace netlist::test {

// A small two-sided board: three nets (one of them single-node), parts on
// both sides and two copper layers.
DesignData BoardDesign(const std::string& designPath);

// Lets the event loop delete what was closed with Qt::WA_DeleteOnClose, also
// when the close came from inside an event handler.
void DeleteClosedWindows();

// Types text into a widget key by key, for any character, as a keyboard
// layout that has it would.
void TypeText(QWidget* widget, const QString& text);

// Serves design files as the program does when the user opens one.
DesignOpener DesignFileOpener();

class WindowUnderTest {
  public:
    explicit WindowUnderTest(DesignData design,
                             ReportEnvironment environment = test::TestEnvironment(),
                             DesignChoice designChoice = {});

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
    void show();
};

}  // namespace netlist::test
