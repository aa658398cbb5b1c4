#include "report/Form1Model.h"

#include "design/StatusMessage.h"

namespace netlist {

Form1Model::Form1Model(DesignLibrary& library, ReportEnvironment environment)
    : library_(&library), session_(library), environment_(std::move(environment)) {}

void Form1Model::setStatusCaption(std::string caption) {
    controls_.statusLabelCaption = std::move(caption);
    if (onStatusChanged) onStatusChanged();
}

void Form1Model::showConnection(const DesignConnection& connection) {
    controls_.label3Caption = DesignSourceCaption(connection.kind);
    controls_.check1Enabled = connection.kind == DesignSource::Board;
    setStatusCaption(StatusMessage(connection.status));
    controls_.statusLabel3Caption = connection.designNameShown;
    controls_.option3Enabled = connection.designOpen();
    controls_.option4Enabled = connection.designOpen();
    controls_.startEnabled = connection.designOpen();
}

void Form1Model::Form_Load() {
    showConnection(ConnectToDesign(session_));
}

void Form1Model::switchLibrary(DesignLibrary& library) {
    session_.close();
    library_ = &library;
    session_.useLibrary(library);
    Form_Load();
}

ReportChoices Form1Model::reportChoices() const {
    ReportChoices choices;
    choices.designer = controls_.text1;
    if (controls_.check1Value == 1)
        choices.lengths = controls_.option1Selected ? NetLengths::Mils : NetLengths::Mm;
    choices.openInViewer = controls_.option3Selected;
    choices.outputPath = reportTarget_;
    return choices;
}

void Form1Model::Check1_Click() {
    const bool lengthsWanted = controls_.check1Value == 1;
    controls_.option1Enabled = lengthsWanted;
    controls_.option2Enabled = lengthsWanted;
}

void Form1Model::Exit_Click() {
    session_.close();
}

namespace {

class ModelProgress final : public RunProgress {
  public:
    explicit ModelProgress(std::function<void(const DesignConnection*, std::string_view)> shown)
        : shown_(std::move(shown)) {}
    void connected(const DesignConnection& connection) override { shown_(&connection, {}); }
    void statusChanged(std::string_view text) override { shown_(nullptr, text); }

  private:
    std::function<void(const DesignConnection*, std::string_view)> shown_;
};

}  // namespace

RunOutcome Form1Model::Start_Click() {
    viewerError_.clear();
    replacedReportNotice_.clear();
    ModelProgress progress([this](const DesignConnection* connection, std::string_view text) {
        if (connection) {
            showConnection(*connection);
            if (connection->designOpen()) controls_.startEnabled = false;
        } else {
            setStatusCaption(std::string(text));
        }
    });
    const ReportOutcome outcome = WriteReport(session_, reportChoices(), environment_, progress);
    controls_.statusLabelCaption = outcome.statusText;
    if (outcome.result == ReportResult::DesignNotAvailable) return RunOutcome::DesignNotOpen;
    controls_.startEnabled = true;
    if (outcome.result == ReportResult::ReportNotWritten) return RunOutcome::ReportNotWritten;
    reportPath_ = outcome.reportPath;
    viewerError_ = outcome.viewerError;
    replacedReportNotice_ = outcome.replacedReportNotice;
    return RunOutcome::Written;
}

}  // namespace netlist
