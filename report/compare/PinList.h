// The pin texts ("RefDes-PinDes") of a net, held in one block: each text's
// length, then its bytes. A design has many nets of a few short pins, and a
// string and a list slot for each would take several times the memory of
// the texts themselves, which a compare of a large design holds twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace netlist {

class PinList {
  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        Iterator() = default;
        std::string_view operator*() const { return text_; }
        const std::string_view* operator->() const { return &text_; }
        Iterator& operator++() {
            at_ = text_.data() + text_.size();
            read();
            return *this;
        }
        // Two iterators are equal where their texts' lengths stand, so that
        // an empty text last in the list is still reached.
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

      private:
        friend class PinList;
        Iterator(const char* at, const char* end) : at_(at), end_(end) { read(); }
        // The text whose length stands at at_.
        void read();

        const char* at_ = nullptr;
        const char* end_ = nullptr;
        std::string_view text_;
    };

    PinList() = default;
    PinList(std::initializer_list<std::string_view> texts);
    explicit PinList(const std::vector<std::string>& texts);

    void reserve(std::size_t bytes) { block_.reserve(bytes); }
    void push_back(std::string_view text);
    // Adds a text of `length` bytes, which fill(char* bytes) writes in place.
    template <typename Fill>
    void emplace_back(std::size_t length, Fill fill) {
        appendLength(length);
        const std::size_t at = block_.size();
        block_.resize(at + length);
        fill(block_.data() + at);
        ++count_;
    }

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    Iterator begin() const { return {block_.data(), block_.data() + block_.size()}; }
    Iterator end() const {
        const char* end = block_.data() + block_.size();
        return {end, end};
    }
    std::string_view front() const { return *begin(); }

    std::vector<std::string> texts() const { return {begin(), end()}; }
    bool operator==(const PinList& other) const = default;

  private:
    void appendLength(std::size_t length);

    // Each text's length in 7-bit groups, the last one without the high bit.
    std::string block_;
    std::size_t count_ = 0;
};

}  // namespace netlist
