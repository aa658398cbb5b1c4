// The main window: shows the display-free main-window model, copies the
// user's edits into it, calls its handlers and shows the outcome. All report
// logic lives in the model; this class only presents it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <functional>

#include "design/DesignLibrary.h"
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
    };

    Form1(DesignLibrary& library, ReportEnvironment environment, Actions actions = {},
          QWidget* parent = nullptr);
    ~Form1() override;

    Form1Model& model() { return model_; }

    void Form_Load();
    void Check1_Click();
    void Exit_Click();
    void About_Click();
    void Start_Click();

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

  private:
    void createControls();
    void arrangeControls();
    void connectControls();
    void statusChanged();
    void setInputEnabled(bool enabled);
    void endProgram(int exitCode);

    Form1Model model_;
    Actions actions_;
    StatusRepaintThrottle statusThrottle_;
    bool running_ = false;
    bool ended_ = false;

    QAction* About = nullptr;
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
