#include "design/files/json/DesignSaxHandler.h"

#include <array>
#include <limits>
#include <utility>

#include "design/files/ServedDesignPath.h"
#include "design/files/json/FaultText.h"
#include "design/files/json/SyntaxFault.h"
#include "platform/Windows1252.h"

namespace netlist::json {
namespace {

using files::Printable;
using files::Quoted;

constexpr std::int64_t kSmallest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

std::string outOfRange(std::string_view number) {
    return "the number " + std::string(number) +
           " is outside the 32-bit range (-2147483648 to 2147483647)";
}

bool isWholeNumberShape(Shape shape) {
    return shape == Shape::Int32 || shape == Shape::StatusCode;
}

const std::array<std::string_view, kOperationCount>& operationNames() {
    static const auto names = [] {
        std::array<std::string_view, kOperationCount> all{};
        for (std::size_t i = 0; i < kOperationCount; ++i)
            all[i] = OperationName(static_cast<Operation>(i));
        return all;
    }();
    return names;
}

std::string listed(std::span<const std::string_view> names) {
    std::string list;
    for (const std::string_view name : names) {
        if (!list.empty()) list += ", ";
        list += name;
    }
    return list;
}

std::string unknownName(std::string_view what, std::string_view typed,
                        std::span<const std::string_view> known, std::string_view where) {
    std::string message =
        "unknown " + std::string(what) + " " + Quoted(typed) + " " + std::string(where);
    if (const auto nearest = NearestName(typed, known))
        message += " (did you mean \"" + std::string(*nearest) + "\"?)";
    return message + "; known " + std::string(what) + "s: " + listed(known);
}

std::int32_t countOf(std::size_t size) {
    return static_cast<std::int32_t>(std::min<std::size_t>(size, kLargest));
}

}  // namespace

DesignSaxHandler::DesignSaxHandler(std::string_view content, const TrackedInput& input)
    : content_(content), input_(input) {}

// ---- Places and faults ---------------------------------------------------------

Shape DesignSaxHandler::expected() const {
    if (frames_.empty()) return Shape::Design;
    const Frame& top = frames_.back();
    if (top.shape == Shape::StatusMap) return Shape::StatusCode;
    if (IsObject(top.shape)) return top.key->shape;
    return ElementOf(top.shape);
}

bool DesignSaxHandler::beginValue() {
    valueSearchFrom_ = lastEventEnd_;
    lastEventEnd_ = input_.consumed();
    if (frames_.empty() || !IsList(frames_.back().shape)) return true;
    Frame& list = frames_.back();
    ++list.elements;
    if (list.shape == Shape::Node && list.elements > 2)
        return fail("a node is [refDes, pinDes]: it has no third element");
    return true;
}

std::string DesignSaxHandler::pathThrough(std::size_t frameCount) const {
    std::string path;
    for (std::size_t i = 0; i < frameCount && i < frames_.size(); ++i) {
        const Frame& frame = frames_[i];
        if (IsList(frame.shape)) {
            path += '[' + std::to_string(frame.elements == 0 ? 0 : frame.elements - 1) + ']';
            continue;
        }
        std::string_view name;
        if (frame.shape == Shape::StatusMap)
            name = OperationName(frame.operation);
        else if (frame.key)
            name = frame.key->name;
        if (!path.empty()) path += '.';
        path += name;
    }
    return path;
}

bool DesignSaxHandler::failAt(std::size_t searchFrom, std::string path, const std::string& what) {
    fault_.emplace(files::PlaceOf(content_, NextTokenStart(content_, searchFrom)), what,
                   std::move(path));
    return false;
}

bool DesignSaxHandler::fail(const std::string& what) {
    return failAt(valueSearchFrom_, pathThrough(frames_.size()), what);
}

bool DesignSaxHandler::wrongType(std::string_view found) {
    return fail("expected " + std::string(Describe(expected())) + ", found " + std::string(found));
}

bool DesignSaxHandler::parse_error(std::size_t position, const std::string& lastToken,
                                   const nlohmann::detail::exception& error) {
    const std::string path = frames_.empty() ? std::string() : pathThrough(frames_.size() - 1);
    fault_.emplace(SyntaxFault(content_, position, lastToken, error, lastEventEnd_, path));
    return false;
}

// ---- Scalars -------------------------------------------------------------------------

bool DesignSaxHandler::null() {
    return beginValue() && wrongType("null");
}

bool DesignSaxHandler::boolean(bool value) {
    return beginValue() && wrongType(value ? "true" : "false");
}

bool DesignSaxHandler::binary(Json::binary_t&) {
    return beginValue() && wrongType("binary data");
}

bool DesignSaxHandler::number_integer(Json::number_integer_t value) {
    if (!beginValue()) return false;
    if (!isWholeNumberShape(expected())) return wrongType("the number " + std::to_string(value));
    if (value < kSmallest || value > kLargest) return fail(outOfRange(std::to_string(value)));
    return storeInteger(value);
}

bool DesignSaxHandler::number_unsigned(Json::number_unsigned_t value) {
    if (!beginValue()) return false;
    if (!isWholeNumberShape(expected())) return wrongType("the number " + std::to_string(value));
    if (value > static_cast<std::uint64_t>(kLargest))
        return fail(outOfRange(std::to_string(value)));
    return storeInteger(static_cast<std::int64_t>(value));
}

bool DesignSaxHandler::number_float(Json::number_float_t, const Json::string_t& raw) {
    if (!beginValue()) return false;
    const std::string shown = Printable(raw, 30);
    if (!isWholeNumberShape(expected())) return wrongType("the number " + shown);
    // Integers too long for 64 bits arrive here as well; they are whole, just too large.
    if (raw.find_first_of(".eE") == std::string::npos) return fail(outOfRange(shown));
    return fail("expected a whole number, found " + shown);
}

bool DesignSaxHandler::string(Json::string_t& value) {
    if (!beginValue()) return false;
    const Shape shape = expected();
    if (shape == Shape::Kind) {
        if (const auto kind = KindFromName(value)) {
            design_.kind = *kind;
            return true;
        }
        return fail("\"kind\" must be one of \"PCB\", \"SCH\", \"PCB+SCH\", \"none\", not " +
                    Quoted(value));
    }
    if (shape != Shape::Text && shape != Shape::NodeText)
        return wrongType("the text " + Quoted(value));
    return storeText(value);
}

bool DesignSaxHandler::storeText(Json::string_t& value) {
    // A NUL would cut the text short in its record and, in a path, name another file.
    if (value.find('\0') != std::string::npos)
        return fail("a text must not contain a NUL character (\\u0000)");
    std::string text = Utf8ToWindows1252(value);
    const Frame& top = frames_.back();
    if (top.shape == Shape::Node) {
        DesignNode& node = design_.nets.back().nodes.back();
        (top.elements == 1 ? node.refDes : node.pinDes) = std::move(text);
        return true;
    }
    switch (top.key->field) {
        case Field::DesignPath:
            if (const auto fault = DesignPathFault(text)) return fail(*fault);
            design_.designPath = std::move(text);
            designPathGiven_ = true;
            break;
        case Field::Title:
            design_.title = std::move(text);
            break;
        case Field::Engineer:
            design_.engineer = std::move(text);
            break;
        case Field::Revision:
            design_.revision = std::move(text);
            break;
        case Field::LayerName:
            design_.layers.back().name = std::move(text);
            break;
        case Field::RefDes:
            design_.components.back().refDes = std::move(text);
            break;
        case Field::NetName:
            design_.nets.back().name = std::move(text);
            break;
        default:
            break;
    }
    return true;
}

bool DesignSaxHandler::storeInteger(std::int64_t wide) {
    const auto value = static_cast<std::int32_t>(wide);
    const Frame& top = frames_.back();
    if (top.shape == Shape::StatusMap) {
        // A continuing call that answers 0 without moving on never ends its walk.
        const Operation operation = top.operation;
        if (value == 0 && IsContinuingCall(operation))
            return fail("forcing " + std::string(OperationName(operation)) +
                        " to 0 would make every walk over it endless; give a non-zero status");
        design_.forcedStatus[static_cast<std::size_t>(operation)] = value;
        return true;
    }
    switch (top.key->field) {
        case Field::LayerType:
            design_.layers.back().type = value;
            break;
        case Field::PadCount:
            design_.components.back().padCount = value;
            break;
        case Field::BottomSide:
            design_.components.back().bottomSide = value;
            break;
        case Field::NetId:
            return storeNetId(value);
        case Field::NetLength:
            design_.nets.back().length = value;
            break;
        case Field::NodeCount:
            design_.nets.back().nodeCount = value;
            break;
        default:
            break;
    }
    return true;
}

bool DesignSaxHandler::storeNetId(std::int32_t id) {
    if (id < 0) return fail("net id " + std::to_string(id) + " is negative; net ids are 0 or more");
    const std::size_t index = design_.nets.size() - 1;
    const auto [earlier, isNew] = netIndexById_.emplace(id, index);
    if (!isNew)
        return fail("net id " + std::to_string(id) + " is repeated: nets[" +
                    std::to_string(earlier->second) + "] has it already");
    design_.nets.back().id = id;
    return true;
}

// ---- Objects and lists ------------------------------------------------------------------

bool DesignSaxHandler::start_object(std::size_t) {
    if (!beginValue()) return false;
    const Shape shape = expected();
    if (!IsObject(shape)) return wrongType("an object ({ ... })");
    if (shape == Shape::Layer) design_.layers.emplace_back();
    if (shape == Shape::Component) design_.components.emplace_back();
    if (shape == Shape::Net) design_.nets.emplace_back();
    frames_.push_back(Frame{shape, valueSearchFrom_});
    return true;
}

bool DesignSaxHandler::key(Json::string_t& name) {
    const std::size_t searchFrom = lastEventEnd_;
    lastEventEnd_ = input_.consumed();
    Frame& object = frames_.back();
    const auto failHere = [&](const std::string& what) {
        return failAt(searchFrom, pathThrough(frames_.size() - 1), what);
    };

    if (object.shape == Shape::StatusMap) {
        const auto operation = OperationFromName(name);
        if (!operation)
            return failHere(unknownName("operation", name, operationNames(), "under \"status\""));
        const std::uint32_t bit = 1u << static_cast<unsigned>(*operation);
        if (object.keysGiven & bit)
            return failHere("\"" + name + "\" is given twice under \"status\"");
        object.keysGiven |= bit;
        object.operation = *operation;
        return true;
    }

    const auto keys = KeysOf(object.shape);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].name != name) continue;
        const std::uint32_t bit = 1u << i;
        if (object.keysGiven & bit)
            return failHere("\"" + name + "\" is given twice in " +
                            std::string(ObjectName(object.shape)));
        object.keysGiven |= bit;
        object.key = &keys[i];
        return true;
    }
    return failHere(unknownName("key", name, KeyNamesOf(object.shape),
                                "in " + std::string(ObjectName(object.shape))));
}

bool DesignSaxHandler::checkRequiredKeys(const Frame& frame) {
    const auto keys = KeysOf(frame.shape);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!keys[i].required || (frame.keysGiven & (1u << i))) continue;
        return failAt(frame.searchFrom, pathThrough(frames_.size() - 1),
                      "missing \"" + std::string(keys[i].name) + "\" in " +
                          std::string(ObjectName(frame.shape)) + " (" +
                          std::string(Describe(keys[i].shape)) + ")");
    }
    return true;
}

bool DesignSaxHandler::end_object() {
    lastEventEnd_ = input_.consumed();
    const Frame& frame = frames_.back();
    if (!checkRequiredKeys(frame)) return false;
    if (frame.shape == Shape::Net) {
        // Large designs hold hundreds of thousands of nodes: keep no spare room.
        design_.nets.back().nodes.shrink_to_fit();
        const auto keys = KeysOf(Shape::Net);
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i].field == Field::NodeCount && !(frame.keysGiven & (1u << i)))
                design_.nets.back().nodeCount = countOf(design_.nets.back().nodes.size());
    }
    frames_.pop_back();
    return true;
}

bool DesignSaxHandler::start_array(std::size_t) {
    if (!beginValue()) return false;
    const Shape shape = expected();
    if (!IsList(shape)) return wrongType("a list ([ ... ])");
    if (shape == Shape::Node) design_.nets.back().nodes.emplace_back();
    frames_.push_back(Frame{shape, valueSearchFrom_});
    return true;
}

bool DesignSaxHandler::end_array() {
    lastEventEnd_ = input_.consumed();
    const Frame& list = frames_.back();
    if (list.shape == Shape::Node && list.elements < 2)
        return failAt(list.searchFrom, pathThrough(frames_.size() - 1),
                      "a node is [refDes, pinDes]: this one has " + std::to_string(list.elements) +
                          (list.elements == 1 ? " element" : " elements"));
    frames_.pop_back();
    return true;
}

}  // namespace netlist::json
