// The main window in Qt: creates and lays out the controls, copies the
// presenter's state into them and the user's edits back. The window's logic
// lives in MainWindowPresenter.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "design/DesignLibrary.h"
#include "report/ReportEnvironment.h"
#include "ui/DesignChoice.h"
#include "ui/MainWindowPresenter.h"
#include "ui/MainWindowView.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace netlist {

class CaptionLabel;
class AboutBox;

class MainWindow : public QMainWindow, private MainWindowView {
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
    MainWindow(DesignLibrary& library, ReportEnvironment environment, Actions actions = {},
               DesignChoice designChoice = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowPresenter& presenter() { return presenter_; }

    // The About box while it exists, else null.
    AboutBox* aboutBox() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createControls();
    void arrangeControls();
    void connectControls();
    void setInputEnabled(bool enabled);

    // MainWindowView
    void showState(const WindowState& state) override;
    void showDesignSource(const std::string& notice) override;
    bool onScreen() const override { return isVisible(); }
    void paintNow() override;
    void runStarted() override { setInputEnabled(false); }
    void runEnded(bool windowStaysOpen) override {
        if (windowStaysOpen) setInputEnabled(true);
    }
    void warn(const std::string& message) override;
    std::filesystem::path chooseDesignFile(const std::filesystem::path& current) override;
    void showAboutBox() override;
    void endProgram(int exitCode) override;

    Actions actions_;
    MainWindowPresenter presenter_;

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
    QPointer<AboutBox> aboutBox_;
};

}  // namespace netlist
