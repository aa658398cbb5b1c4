// The main window: shows the display-free main-window model, copies the
// user's edits into it, calls its handlers and shows the outcome. All report
// logic lives in the model; this class only presents it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <functional>

#include "design/DesignLibrary.h"
#include "report/DesignChoice.h"
#include "report/Form1Model.h"
#include "report/ReportEnvironment.h"
#include "ui/StatusRepaintThrottle.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace netlist {

class CaptionLabel;
class Form2;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    // What the window does beyond itself; tests replace both.
    struct Actions {
        // Ends the program with this exit code (default: leave the event loop).
        std::function<void(int exitCode)> endProgram;
        // Tells the user about a problem that does not stop the program
        // (default: a warning message box).
        std::function<void(const QString& message)> warn;
        // Asks the user for a design file; empty when none was chosen
        // (default: a file dialog).
        std::function<QString()> chooseDesignFile;
    };

    // Where designChoice offers it, the user may open another design (the
    // menu item "&Open…" and dropping a file on the window), and a line at
    // the bottom tells where the design shown comes from.
    Form1(DesignLibrary& library, ReportEnvironment environment, Actions actions = {},
          DesignChoice designChoice = {}, QWidget* parent = nullptr);
    ~Form1() override;

    Form1Model& model() { return model_; }

    void Form_Load();
    void Check1_Click();
    void Exit_Click();
    void About_Click();
    void Start_Click();
    void Open_Click();
    // Opens the design in the file as the host would open another one; a file
    // that is refused leaves the design shown and the user is told why.
    void openDesign(const QString& file);

    // Brings every control in line with the model; needed after the model's
    // controls were changed directly, as the command-line presets do.
    void showModel();

    void setStatusRepaintInterval(std::chrono::milliseconds interval) {
        statusThrottle_.setInterval(interval);
    }

    // The About box while it exists, else null.
    Form2* aboutBox() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createControls();
    void arrangeControls();
    void connectControls();
    void statusChanged();
    void setInputEnabled(bool enabled);
    void endProgram(int exitCode);
    void showDesignSource();

    // Before the model, which may be left asking the library it keeps.
    DesignChooser chooser_;
    Form1Model model_;
    Actions actions_;
    StatusRepaintThrottle statusThrottle_;
    bool running_ = false;
    bool ended_ = false;

    QAction* Open = nullptr;
    QAction* About = nullptr;
    CaptionLabel* designSource = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    CaptionLabel* status_label3 = nullptr;
    QGroupBox* Frame2 = nullptr;
    CaptionLabel* status_label = nullptr;
    QGroupBox* Frame5 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QCheckBox* Check1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Start = nullptr;
    QPushButton* Exit = nullptr;
    QPointer<Form2> Form2_;
};

}  // namespace netlist
