#include "tests/report/ReportTestSupport.h"

#include "design/standin/StandInLibrary.h"

namespace netlist::test {

DesignNet Net(std::int32_t id, std::string name, std::initializer_list<const char*> nodes,
              std::int32_t length) {
    DesignNet net;
    net.id = id;
    net.name = std::move(name);
    net.length = length;
    for (const std::string node : nodes) {
        const std::size_t dash = node.find('-');
        net.nodes.push_back(
            {node.substr(0, dash), dash == std::string::npos ? "" : node.substr(dash + 1)});
    }
    net.nodeCount = static_cast<std::int32_t>(net.nodes.size());
    return net;
}

DesignData Design(DesignKind kind, const std::string& designPath, std::vector<DesignNet> nets) {
    DesignData design;
    design.kind = kind;
    design.designPath = designPath;
    design.nets = std::move(nets);
    return design;
}

RunResult RunReport(const DesignData& design, const RunOptions& options) {
    StandInLibrary library(design);
    DesignSession session(library);
    ConnectToDesign(session);
    ReportChoices choices;
    choices.designer = options.designer;
    if (options.lengths) choices.lengths = options.mils ? NetLengths::Mils : NetLengths::Mm;
    choices.openInViewer = options.screen;
    auto viewerCalls = std::make_shared<std::vector<std::string>>();
    RunProgress unseen;
    const ReportOutcome outcome =
        WriteReport(session, choices, TestEnvironment(viewerCalls), unseen);
    RunResult result;
    result.result = outcome.result;
    result.status = outcome.statusText;
    result.viewerCalls = *viewerCalls;
    if (outcome.result == ReportResult::Written) result.report = ReadBytes(outcome.reportPath);
    return result;
}

}  // namespace netlist::test
