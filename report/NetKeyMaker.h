// The sort keys of the net order for one locale, through ICU. NetCollation.h
// serves the user's locale with one of these; the class itself lets the keys
// of any locale be made side by side.
//
// Nearly every net name is printable ASCII. For such texts the maker has a
// compact key, made by table lookup from the collator's own weights: a byte
// per character for the primary weights and, only when a character weighs
// something other than the common secondary weight, the secondary weights
// after a zero byte. Compact keys compare (byte-wise, a shorter prefix first)
// exactly as ICU's keys of the same texts do, equal ones included, but the
// two kinds of key do not compare with each other.
#pragma once

#include <unicode/locid.h>
#include <unicode/tblcoll.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace netlist {

class NetKeyMaker {
  public:
    // The collation of the locale with the net order's tailoring; the C and
    // POSIX locales, and locales ICU cannot serve, get the root collation's.
    explicit NetKeyMaker(const icu::Locale& locale);
    ~NetKeyMaker();

    // Appends ICU's sort key of the Windows-1252 text, without its ending zero byte.
    void AppendKey(std::string_view windows1252Text, std::string& keys) const;

    // Appends the text's compact key and returns true when it has one: when
    // every byte is a printable ASCII character that the locale weighs alone,
    // by one collation element. Appends nothing otherwise.
    bool AppendCompactKey(std::string_view text, std::string& keys) const;

  private:
    void buildCompactTable(bool ownRules);

    std::unique_ptr<icu::RuleBasedCollator> collator_;
    // By byte: the rank of the character's primary weight among those of the
    // compact characters (0: none) and the rank of its secondary weight (1:
    // the common one, the lowest; 0: the character has no compact key).
    struct Ranks {
        std::uint8_t primary = 0;
        std::uint8_t secondary = 0;
    };
    std::array<Ranks, 256> ranks_{};
};

}  // namespace netlist
