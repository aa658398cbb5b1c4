// The design library is called in one fixed order: the host's library may
// depend on it. Every design of the golden cases is run through start-up and
// a report, through a compare side, and through start-up and End, and the
// calls each makes are held to a recorded list. NETLIST_RECORD_CALLS=1
// writes the lists anew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "design/DesignSession.h"
#include "design/files/DesignFileLoader.h"
#include "design/standin/StandInLibrary.h"
#include "report/ReportRun.h"
#include "report/compare/DesignSnapshot.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

namespace fs = std::filesystem;

// Passes every call on and notes it with its scalar arguments and its status.
class RecordingLibrary final : public DesignLibrary {
  public:
    explicit RecordingLibrary(DesignLibrary& inner) : inner_(inner) {}
    std::string log;

    std::int32_t TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                             SessionContext& context) override {
        return note(
            "TOpenDesign " + std::to_string(reserved) + " " + std::to_string(version) + " " + kind,
            inner_.TOpenDesign(reserved, version, kind, context));
    }
    std::int32_t TCloseDesign(SessionContext& context, const char* reserved) override {
        return note("TCloseDesign \"" + std::string(reserved) + "\"",
                    inner_.TCloseDesign(context, reserved));
    }
#define PASS_ON(Call, Record)                                             \
    std::int32_t Call(SessionContext& context, Record& record) override { \
        return note(#Call, inner_.Call(context, record));                 \
    }
    PASS_ON(TGetDesignInfo, DesignInfoRecord)
    PASS_ON(TGetFirstNet, NetRecord)
    PASS_ON(TGetNextNet, NetRecord)
    PASS_ON(TGetNextNetNode, NetNodeRecord)
    PASS_ON(TGetFirstLayer, LayerRecord)
    PASS_ON(TGetNextLayer, LayerRecord)
    PASS_ON(TGetFirstComponent, ComponentRecord)
    PASS_ON(TGetNextComponent, ComponentRecord)
#undef PASS_ON
    std::int32_t TGetNetById(SessionContext& context, std::int32_t id, NetRecord& net) override {
        return note("TGetNetById " + std::to_string(id), inner_.TGetNetById(context, id, net));
    }
    std::int32_t TGetFirstNetNode(SessionContext& context, std::int32_t id,
                                  NetNodeRecord& node) override {
        return note("TGetFirstNetNode " + std::to_string(id),
                    inner_.TGetFirstNetNode(context, id, node));
    }

  private:
    std::int32_t note(const std::string& call, std::int32_t status) {
        log += call + " -> " + std::to_string(status) + "\n";
        return status;
    }
    DesignLibrary& inner_;
};

// The calls of the three ways a design is met, each under a heading.
std::string callsOf(const fs::path& design) {
    test::ScratchFolder folder;
    const fs::path copy = folder.path() / design.filename();
    fs::copy_file(design, copy);
    const test::CurrentFolder inFolder(folder.path());
    StandInLibrary served(LoadDesignFile(copy));
    RecordingLibrary library(served);

    library.log += "# start-up and Start, with lengths\n";
    {
        DesignSession session(library);
        ConnectToDesign(session);
        RunProgress unseen;
        ReportChoices choices;
        choices.lengths = NetLengths::Mm;
        WriteReport(session, choices, test::TestEnvironment(), unseen);
    }
    library.log += "# a compare side\n";
    TakeSnapshot(library);
    library.log += "# start-up and End\n";
    {
        DesignSession session(library);
        ConnectToDesign(session);
        session.close();
    }
    return library.log;
}

TEST(LibraryCallsTest, EveryGoldenDesignIsCalledInTheRecordedOrder) {
    const fs::path tests(NETLIST_TEST_DATA);
    const std::set<std::string> extensions{".json", ".kicad_pcb", ".net", ".ipc", ".d356"};
    for (const fs::path& folder :
         {tests / "report/designs", tests / "design/kicad/data", tests / "design/ipc/data"})
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (!extensions.contains(entry.path().extension().string())) continue;
            SCOPED_TRACE(entry.path().string());
            const fs::path expected =
                tests / "report/golden/calls" / (entry.path().filename().string() + ".calls");
            std::string calls;
            try {
                calls = callsOf(entry.path());
            } catch (const DesignFileError&) {
                calls = "refused by the loader\n";
            }
            if (std::getenv("NETLIST_RECORD_CALLS")) test::WriteBytes(expected, calls);
            EXPECT_EQ(calls, test::ReadBytes(expected));
        }
}

}  // namespace
}  // namespace netlist::test
