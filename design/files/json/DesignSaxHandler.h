// Builds a DesignData from the JSON parser's events, one value at a time, and
// stops at the first value that does not fit the design format. Only the
// design itself is kept in memory, never a tree of the whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "design/DesignData.h"
#include "design/files/SourcePlace.h"
#include "design/files/json/DesignSchema.h"
#include "design/files/json/TrackedInput.h"

namespace netlist::json {

class DesignSaxHandler {
  public:
    using Json = nlohmann::json;

    DesignSaxHandler(std::string_view content, const TrackedInput& input);

    // The parser's events; each returns false to stop at a fault.
    bool null();
    bool boolean(bool value);
    bool number_integer(Json::number_integer_t value);
    bool number_unsigned(Json::number_unsigned_t value);
    bool number_float(Json::number_float_t value, const Json::string_t& raw);
    bool string(Json::string_t& value);
    bool binary(Json::binary_t& value);
    bool start_object(std::size_t elements);
    bool key(Json::string_t& name);
    bool end_object();
    bool start_array(std::size_t elements);
    bool end_array();
    bool parse_error(std::size_t position, const std::string& lastToken,
                     const nlohmann::detail::exception& error);

    const std::optional<files::ParseError>& fault() const { return fault_; }
    bool designPathGiven() const { return designPathGiven_; }
    DesignData takeDesign() { return std::move(design_); }

  private:
    // One open object or list, from the file's object down to the value being read.
    struct Frame {
        Shape shape;
        std::size_t searchFrom;        // its opening bracket is the first token from here
        std::size_t elements = 0;      // lists: elements begun so far
        const KeySpec* key = nullptr;  // objects: the key whose value comes next
        Operation operation{};         // "status": the operation whose code comes next
        std::uint32_t keysGiven = 0;   // objects: one bit per key already given
    };

    Shape expected() const;
    // Every value event starts here: notes where the value begins and counts it
    // as an element of the list it is in. False when the list is full.
    bool beginValue();
    bool wrongType(std::string_view found);
    bool fail(const std::string& what);
    bool failAt(std::size_t searchFrom, std::string path, const std::string& what);
    std::string pathThrough(std::size_t frameCount) const;

    bool storeText(Json::string_t& value);
    bool storeInteger(std::int64_t value);
    bool storeNetId(std::int32_t id);
    bool checkRequiredKeys(const Frame& frame);

    std::string_view content_;
    const TrackedInput& input_;
    std::size_t lastEventEnd_ = 0;
    std::size_t valueSearchFrom_ = 0;
    std::vector<Frame> frames_;
    std::optional<files::ParseError> fault_;

    DesignData design_;
    bool designPathGiven_ = false;
    std::unordered_map<std::int32_t, std::size_t> netIndexById_;
};

}  // namespace netlist::json
