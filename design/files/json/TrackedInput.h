// The file's bytes as the JSON parser reads them, remembering how far it has
// read. The parser's events carry no position, so this is how a value that
// is well-formed JSON but wrong as a design is placed in the file.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace netlist::json {

class TrackedInput {
  public:
    class Iterator {
      public:
        // An input iterator: the parser reads each byte once, front to back.
        using iterator_category = std::input_iterator_tag;
        using value_type = char;
        using difference_type = std::ptrdiff_t;
        using pointer = const char*;
        using reference = const char&;

        Iterator(const char* at, const char** furthest) : at_(at), furthest_(furthest) {}

        reference operator*() const { return *at_; }
        Iterator& operator++() {
            *furthest_ = ++at_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

      private:
        const char* at_;
        const char** furthest_;
    };

    explicit TrackedInput(std::string_view content)
        : begin_(content.data()), end_(content.data() + content.size()), furthest_(begin_) {}

    TrackedInput(const TrackedInput&) = delete;
    TrackedInput& operator=(const TrackedInput&) = delete;

    Iterator begin() { return Iterator(begin_, &furthest_); }
    Iterator end() { return Iterator(end_, &furthest_); }

    // Bytes the parser has taken so far: up to the end of the token it has
    // just reported, or one byte further after a number (the parser reads one
    // byte past a number to find its end).
    std::size_t consumed() const { return static_cast<std::size_t>(furthest_ - begin_); }

  private:
    const char* begin_;
    const char* end_;
    const char* furthest_;
};

}  // namespace netlist::json
