#include "ui/MainWindowPresenter.h"

#include "design/StatusMessage.h"
#include "platform/NativePath.h"
#include "platform/Windows1252.h"
#include "ui/StartupTable.h"
#include "ui/WindowTexts.h"

namespace netlist {

class MainWindowPresenter::Progress final : public RunProgress {
  public:
    explicit Progress(MainWindowPresenter& presenter) : presenter_(presenter) {}
    void connected(const DesignConnection& connection) override {
        presenter_.showConnection(connection);
        // Pressed once per run: the run has begun.
        if (connection.designOpen()) presenter_.state_.startEnabled = false;
    }
    void statusChanged(std::string_view text) override {
        presenter_.statusChanged(std::string(text));
    }

  private:
    MainWindowPresenter& presenter_;
};

MainWindowPresenter::MainWindowPresenter(MainWindowView& view, DesignLibrary& library,
                                         ReportEnvironment environment, DesignChoice designChoice)
    : view_(view),
      chooser_(std::move(designChoice)),
      session_(library),
      environment_(std::move(environment)) {}

std::string MainWindowPresenter::designSourceNotice() const {
    if (!chooser_.offered()) return {};
    if (chooser_.showsSample()) return Windows1252ToUtf8(window::kSampleNotice);
    const std::u8string file = chooser_.file().u8string();
    return Windows1252ToUtf8(window::kDesignFileNotice) + std::string(file.begin(), file.end());
}

void MainWindowPresenter::show() {
    view_.showState(state_);
    if (chooser_.offered()) view_.showDesignSource(designSourceNotice());
}

void MainWindowPresenter::showConnection(const DesignConnection& connection) {
    const StartupControls controls = ControlsAfterStartUp(connection.kind, connection.designOpen());
    state_.kindCaption = controls.kindCaption;
    state_.lengthsEnabled = controls.lengthsEnabled;
    state_.designNameShown = connection.designNameShown;
    state_.viewChoiceEnabled = controls.runnable;
    state_.startEnabled = controls.runnable;
    statusChanged(StatusMessage(connection.status));
}

void MainWindowPresenter::statusChanged(std::string text) {
    state_.statusText = std::move(text);
    if (!running_ || !view_.onScreen() || !statusThrottle_.due()) return;
    view_.showState(state_);
    view_.paintNow();
}

void MainWindowPresenter::startUp(const RunChoices& presets) {
    showConnection(ConnectToDesign(session_));
    preset(presets);
}

void MainWindowPresenter::preset(const RunChoices& choices) {
    if (!choices.designer.empty()) state_.designerName = Utf8ToWindows1252(choices.designer);
    if (choices.lengths != NetLengths::None && state_.lengthsEnabled) {
        state_.lengthsWanted = true;
        state_.unitEnabled = true;
        state_.unitIsMils = choices.lengths == NetLengths::Mils;
    }
    if (choices.screen && state_.viewChoiceEnabled) state_.openInViewer = true;
    if (choices.output) reportTarget_ = NativePathFromUtf8(*choices.output);
    view_.showState(state_);
}

void MainWindowPresenter::designerEdited(std::string designer) {
    state_.designerName = std::move(designer);
}

void MainWindowPresenter::lengthsClicked(bool ticked) {
    if (ended_) return;
    // The unit keeps its choice while it is disabled.
    state_.lengthsWanted = ticked;
    state_.unitEnabled = ticked;
    view_.showState(state_);
}

void MainWindowPresenter::unitChosen(bool mils) {
    state_.unitIsMils = mils;
}

void MainWindowPresenter::viewChosen(bool screen) {
    state_.openInViewer = screen;
}

void MainWindowPresenter::end() {
    if (ended_) return;
    session_.close();
    endProgram(0);
}

void MainWindowPresenter::about() {
    if (!ended_) view_.showAboutBox();
}

void MainWindowPresenter::start() {
    if (ended_ || running_) return;
    ReportChoices choices;
    choices.designer = state_.designerName;
    if (state_.lengthsWanted)
        choices.lengths = state_.unitIsMils ? NetLengths::Mils : NetLengths::Mm;
    choices.openInViewer = state_.openInViewer;
    choices.outputPath = reportTarget_;

    running_ = true;
    view_.runStarted();
    statusThrottle_.restart();
    Progress progress(*this);
    const ReportOutcome outcome = WriteReport(session_, choices, environment_, progress);
    running_ = false;
    state_.statusText = outcome.statusText;
    // A run that found no design leaves Start as the connection left it.
    if (outcome.result != ReportResult::DesignNotAvailable) state_.startEnabled = true;
    const bool written = outcome.result == ReportResult::Written;
    view_.runEnded(!written);
    view_.showState(state_);
    if (!written) return;  // the window stays open with the reason in the status line

    // Nothing but the end follows, even while a warning waits for Ok.
    ended_ = true;
    if (!outcome.replacedReportNotice.empty())
        view_.warn(Windows1252ToUtf8(outcome.replacedReportNotice + window::kReplacedReportAdvice));
    if (!outcome.viewerError.empty()) view_.warn(Windows1252ToUtf8(outcome.viewerError));
    view_.endProgram(0);
}

void MainWindowPresenter::open() {
    if (ended_ || running_) return;
    const std::filesystem::path file = view_.chooseDesignFile(chooser_.file());
    if (!file.empty()) openDesign(file);
}

void MainWindowPresenter::openDesign(const std::filesystem::path& file) {
    if (!takesDesignFiles()) return;
    const std::optional<std::string> refusal =
        chooser_.open(file, [this](DesignLibrary& library) { switchLibrary(library); });
    show();
    if (refusal) view_.warn(*refusal + "\n\n" + Windows1252ToUtf8(window::kDesignKept));
}

void MainWindowPresenter::switchLibrary(DesignLibrary& library) {
    session_.close();
    session_.useLibrary(library);
    showConnection(ConnectToDesign(session_));
}

void MainWindowPresenter::frameClosed() {
    if (!ended_) endProgram(0);
}

void MainWindowPresenter::endProgram(int exitCode) {
    ended_ = true;
    view_.endProgram(exitCode);
}

}  // namespace netlist
