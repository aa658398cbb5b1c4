#include "report/compare/PinList.h"

#include <cstring>

namespace netlist {

void PinList::Iterator::read() {
    if (at_ == end_) {
        text_ = {};
        return;
    }
    const char* text = at_;
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*text++);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (byte < 0x80) break;
    }
    text_ = std::string_view(text, length);
}

PinList::PinList(std::initializer_list<std::string_view> texts) {
    for (const std::string_view text : texts) push_back(text);
}

PinList::PinList(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) push_back(text);
}

void PinList::push_back(std::string_view text) {
    emplace_back(text.size(), [&](char* bytes) { std::memcpy(bytes, text.data(), text.size()); });
}

void PinList::appendLength(std::size_t length) {
    for (; length >= 0x80; length >>= 7)
        block_.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    block_.push_back(static_cast<char>(length));
}

}  // namespace netlist
