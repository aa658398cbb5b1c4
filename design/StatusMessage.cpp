#include "design/StatusMessage.h"

#include <string_view>
#include <vector>

namespace netlist {
namespace {

// Consecutive codes that have messages, in code order.
struct MessageRun {
    std::int32_t firstCode;
    std::vector<std::string_view> messages;
};

const std::vector<MessageRun>& messageRuns() {
    static const std::vector<MessageRun> runs{
        {0, {"Status: OK"}},
        {32001,
         {"Connection Error", "Disconnect Error", "Bad Server Data", "Server Error",
          "Fatal Library Error", "Version Incompatible", "Client Error", "Security Error",
          "Flip Error", "Rotate Error", "Move Error", "Highlight Error", "Delete Error",
          "Modify Error", "Create Error", "Database Error"}},
        {32101,
         {"Invalid Conv Handle", "Server Terminated", "Low Memory", "Already Connected",
          "No Connection", "Server Busy"}},
        {32121, {"Illegal Operation", "Bad Input", "Array Too Small", "Invalid Item ID"}},
        {32141,
         {"Item Not Found", "Item Not Supported", "Illegal Item", "Shape Not Defined",
          "GetFirst Not Called", "GetComp Not Called", "GetNet Not Called"}},
        {32161,
         {"No More Layers", "No More Nets", "No More Items", "No More Net Classes",
          "No More Class To Class Rules", "No More Rooms", "No More Room Points",
          "No More Components"}},
        {32170,
         {"Invalid Angle", "Invalid Highlight Color", "Invalid Item Type", "Invalid Justification",
          "Invalid Layer", "Invalid Location", "Invalid Net Id", "Invalid Netname",
          "Invalid Padstyle"}},
        {32180,
         {"Invalid Radius",
          "Invalid Refdes",
          "Invalid Rotation Angle",
          "Invalid TextStyle",
          "Invalid Width",
          "Invalid Layer Name",
          "Invalid Component Name",
          "Mismatched Part Numbers",
          "Mismatched Pin Numbers",
          "Mismatched Component Type",
          "Mismatched Hetero",
          "Invalid Line Style",
          "Invalid Pin Length",
          "Invalid Pin Style",
          "Invalid Alt Type",
          "Invalid Net Class Name",
          "Invalid Class To Class Id",
          "Invalid Net Class Id",
          "Invalid Layer Id",
          "Invalid Room Name",
          "Invalid Attribute Value",
          "Invalid Attribute Name"}},
        {32205,
         {"Duplicate Attribute", "Duplicate Netname", "Duplicate Net Class Name",
          "Duplicate Class To Class Name", "Duplicate Refdes"}},
        {32215,
         {"Component Not Found", "Layer Not Found", "Net Not Found", "Net Not Empty", "Net Exists",
          "Net Conflict", "Net Class Not Found", "Net Class Not Empty", "Net Class Exists",
          "Class To Class Not Found", "Room Not Found", "Point Not Found"}},
        {32230,
         {"Component Cache Conflict", "Library Not Open", "Item Outside Workspace",
          "No Attached Pattern", "Too Few Pins", "Pindes Not Found", "Name Too Long",
          "Print Job Not Found", "No Print Jobs Selected", "Unable to open file"}},
        {32250,
         {"Invalid Library Name", "Unable to open Library", "Component Already Open",
          "Open Component Not Called", "Save Component Failed", "Library is READ Only",
          "Save Symbol Failed", "Save Pattern Failed", "Internal Parameter Error"}},
        {32279, {"Invalid Pin Number"}},
    };
    return runs;
}

}  // namespace

std::string StatusMessage(std::int32_t status) {
    for (const MessageRun& run : messageRuns()) {
        if (status < run.firstCode) continue;
        const auto index = static_cast<std::int64_t>(status) - run.firstCode;
        if (index < static_cast<std::int64_t>(run.messages.size()))
            return std::string(run.messages[static_cast<std::size_t>(index)]);
    }
    return "Status: " + std::to_string(status);
}

}  // namespace netlist
