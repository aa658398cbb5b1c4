#include "report/NetCollation.h"

#include <unicode/coleitr.h>
#include <unicode/coll.h>
#include <unicode/uniset.h>
#include <unicode/usetiter.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "report/NetCollationRules.h"
#include "report/NetKeyMaker.h"

namespace netlist {
namespace {

// Written at build time by report/tools/CompileNetCollation.cpp.
#include "NetCollationCompiled.inc"

// Windows-1252 bytes 0x80-0x9F; every other byte is the code point of its value.
constexpr std::array<char16_t, 32> kHighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t fromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
    return byte;
}

// The C and POSIX locales map to en_US_POSIX, whose collation is code-point
// order: symbols between digits and letters, case-sensitive. Root instead.
icu::Locale collationLocale(const icu::Locale& user) {
    if (std::strcmp(user.getVariant(), "POSIX") == 0 || std::strcmp(user.getLanguage(), "c") == 0)
        return icu::Locale::getRoot();
    return user;
}

// The tailoring on top of the root collation, as compiled at build time.
std::unique_ptr<icu::RuleBasedCollator> precompiled() {
    UErrorCode error = U_ZERO_ERROR;
    // The compiled form refers to the root collation's data, which ICU keeps
    // for the life of the process.
    std::unique_ptr<icu::Collator> root(
        icu::Collator::createInstance(icu::Locale::getRoot(), error));
    const auto* rootRuleBased = dynamic_cast<const icu::RuleBasedCollator*>(root.get());
    if (U_FAILURE(error) || !rootRuleBased) return nullptr;
    auto collator = std::make_unique<icu::RuleBasedCollator>(
        kCompiledNetTailoring, static_cast<int32_t>(sizeof kCompiledNetTailoring), rootRuleBased,
        error);
    if (U_FAILURE(error)) return nullptr;
    return collator;
}

// ownRules tells whether the locale brought rules of its own.
std::unique_ptr<icu::RuleBasedCollator> tailored(const icu::Locale& locale, bool& ownRules) {
    UErrorCode error = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> base(icu::Collator::createInstance(locale, error));
    if (U_FAILURE(error)) return nullptr;
    icu::UnicodeString rules;
    if (const auto* ruleBased = dynamic_cast<const icu::RuleBasedCollator*>(base.get()))
        rules = ruleBased->getRules();
    // Locales without rules of their own (English, the C locale and many
    // more) share the tailoring compiled at build time.
    std::unique_ptr<icu::RuleBasedCollator> collator;
    ownRules = !rules.isEmpty();
    if (!ownRules) collator = precompiled();
    if (!collator) {
        rules.append(icu::UnicodeString(kNetTailoring));
        collator = std::make_unique<icu::RuleBasedCollator>(rules, error);
        if (U_FAILURE(error)) return nullptr;
    }
    // Secondary strength: case (a tertiary difference) does not count.
    collator->setStrength(icu::Collator::SECONDARY);
    collator->setAttribute(UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, error);
    collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_OFF, error);
    if (U_FAILURE(error)) return nullptr;
    return collator;
}

// ICU's byte values in sort keys.
constexpr std::uint8_t kLevelSeparator = 0x01;
constexpr std::uint16_t kCommonSecondary = 0x0500;

// The weights of one character, read from its sort key of the form
// "primary bytes, 01, secondary bytes, 00". A key of one collation element
// has its weights uncompressed, except that the common secondary weight
// stands as the single byte 05.
struct Weights {
    std::uint32_t primary;
    std::uint16_t secondary;
};

std::optional<Weights> weightsOf(const icu::Collator& collator, char16_t character) {
    std::uint8_t key[16];
    const int32_t length = collator.getSortKey(&character, 1, key, sizeof key);
    if (length < 3 || length > static_cast<int32_t>(sizeof key) || key[length - 1] != 0)
        return std::nullopt;
    const auto* separator = std::find(key, key + length - 1, kLevelSeparator);
    const auto primaryLength = separator - key;
    const auto secondaryLength = key + length - 1 - (separator + 1);
    if (primaryLength > 4 || secondaryLength < 1 || secondaryLength > 2) return std::nullopt;
    Weights weights{0, 0};
    for (std::ptrdiff_t i = 0; i < 4; ++i)
        weights.primary = (weights.primary << 8) | (i < primaryLength ? key[i] : 0u);
    const std::uint8_t* secondary = separator + 1;
    if (secondaryLength == 1)
        weights.secondary = static_cast<std::uint16_t>(secondary[0] << 8);
    else
        weights.secondary = static_cast<std::uint16_t>(secondary[0] << 8 | secondary[1]);
    return weights;
}

// Whether the character maps to exactly one collation element of its own.
bool hasOneElement(const icu::RuleBasedCollator& collator, char16_t character) {
    std::unique_ptr<icu::CollationElementIterator> elements(
        collator.createCollationElementIterator(icu::UnicodeString(character)));
    if (!elements) return false;
    UErrorCode error = U_ZERO_ERROR;
    int count = 0;
    for (int32_t element = elements->next(error);
         element != icu::CollationElementIterator::NULLORDER && U_SUCCESS(error);
         element = elements->next(error)) {
        // The second half of a long element is marked as its continuation.
        constexpr int32_t kContinuation = 0xC0;
        if (element != 0 && (element & kContinuation) != kContinuation) ++count;
    }
    return U_SUCCESS(error) && count == 1;
}

const NetKeyMaker& userKeyMaker() {
    static const NetKeyMaker maker(icu::Locale::getDefault());
    return maker;
}

}  // namespace

NetKeyMaker::NetKeyMaker(const icu::Locale& locale) {
    bool ownRules = false;
    collator_ = tailored(collationLocale(locale), ownRules);
    if (!collator_) collator_ = tailored(icu::Locale::getRoot(), ownRules);
    buildCompactTable(ownRules);
}

NetKeyMaker::~NetKeyMaker() = default;

void NetKeyMaker::buildCompactTable(bool ownRules) {
    if (!collator_) return;
    // Compact keys weigh primary, then secondary weights, front to back.
    UErrorCode error = U_ZERO_ERROR;
    const bool plainLevels = collator_->getAttribute(UCOL_STRENGTH, error) == UCOL_SECONDARY &&
                             collator_->getAttribute(UCOL_FRENCH_COLLATION, error) == UCOL_OFF &&
                             collator_->getAttribute(UCOL_CASE_LEVEL, error) == UCOL_OFF;
    if (U_FAILURE(error) || !plainLevels) return;

    // The root collation maps each printable ASCII character to one
    // collation element of its own, without contractions or contexts, and so
    // does the net order's tailoring. A locale's own rules may weigh ASCII
    // characters otherwise ("ch" in Czech): such characters are left to ICU.
    std::array<bool, 128> excluded{};
    if (ownRules) {
        const std::unique_ptr<icu::UnicodeSet> tailoredSet(collator_->getTailoredSet(error));
        if (U_FAILURE(error) || !tailoredSet) return;
        icu::UnicodeSetIterator entries(*tailoredSet);
        while (entries.next()) {
            if (!entries.isString()) {
                const UChar32 character = entries.getCodepoint();
                if (character < 0x80 &&
                    !hasOneElement(*collator_, static_cast<char16_t>(character)))
                    excluded[character] = true;
                continue;
            }
            const icu::UnicodeString& sequence = entries.getString();
            bool ascii = true;
            for (int32_t i = 0; i < sequence.length(); ++i) ascii = ascii && sequence[i] < 0x80;
            if (ascii)
                for (int32_t i = 0; i < sequence.length(); ++i) excluded[sequence[i]] = true;
        }
    }

    std::array<std::optional<Weights>, 128> weights;
    for (char16_t character = 0x20; character < 0x7F; ++character) {
        if (excluded[character]) continue;
        const std::optional<Weights> found = weightsOf(*collator_, character);
        if (!found) continue;
        // A text of characters that weigh the common secondary weight then
        // has as many secondary weights as primary ones, and the lowest:
        // compact keys leave them out. That needs every character without
        // a primary weight to weigh more than the common secondary one.
        if (found->secondary < kCommonSecondary) continue;
        if (found->primary == 0 && found->secondary == kCommonSecondary) continue;
        weights[character] = found;
    }

    std::vector<std::uint32_t> primaries;
    std::vector<std::uint16_t> secondaries{kCommonSecondary};
    for (const auto& found : weights) {
        if (!found) continue;
        if (found->primary != 0) primaries.push_back(found->primary);
        secondaries.push_back(found->secondary);
    }
    const auto sortUnique = [](auto& values) {
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
    };
    sortUnique(primaries);
    sortUnique(secondaries);
    const auto rankIn = [](const auto& values, auto value) {
        return static_cast<std::uint8_t>(std::lower_bound(values.begin(), values.end(), value) -
                                         values.begin() + 1);
    };
    for (std::size_t character = 0; character < weights.size(); ++character) {
        const auto& found = weights[character];
        if (!found) continue;
        ranks_[character].primary = found->primary == 0 ? 0 : rankIn(primaries, found->primary);
        ranks_[character].secondary = rankIn(secondaries, found->secondary);
    }
}

void NetKeyMaker::AppendKey(std::string_view windows1252Text, std::string& keys) const {
    if (!collator_) return;
    // Net names are at most 100 bytes; the item adds a prefix, "." and an id.
    char16_t stackText[160];
    std::unique_ptr<char16_t[]> heapText;
    char16_t* text = stackText;
    if (windows1252Text.size() > std::size(stackText)) {
        heapText = std::make_unique<char16_t[]>(windows1252Text.size());
        text = heapText.get();
    }
    for (std::size_t i = 0; i < windows1252Text.size(); ++i)
        text[i] = fromWindows1252(static_cast<unsigned char>(windows1252Text[i]));
    const auto length = static_cast<int32_t>(windows1252Text.size());

    std::uint8_t stackKey[256];
    const int32_t needed =
        collator_->getSortKey(text, length, stackKey, static_cast<int32_t>(sizeof stackKey));
    // The key's own terminating zero byte is left off: a key that is the
    // start of another still sorts first without it.
    if (needed <= 0) return;
    if (needed <= static_cast<int32_t>(sizeof stackKey)) {
        keys.append(reinterpret_cast<const char*>(stackKey), static_cast<std::size_t>(needed - 1));
        return;
    }
    const std::size_t start = keys.size();
    keys.resize(start + static_cast<std::size_t>(needed));
    collator_->getSortKey(text, length, reinterpret_cast<uint8_t*>(keys.data() + start), needed);
    keys.resize(keys.size() - 1);
}

bool NetKeyMaker::AppendCompactKey(std::string_view text, std::string& keys) const {
    // Built on the stack and appended in one go; net items are far shorter.
    char key[2 * 192 + 1];
    if (text.size() > 192) return false;
    std::size_t length = 0;
    bool secondariesCount = false;
    for (const char c : text) {
        const Ranks ranks = ranks_[static_cast<unsigned char>(c)];
        if (ranks.secondary == 0) return false;
        key[length] = static_cast<char>(ranks.primary);
        length += ranks.primary != 0;
        secondariesCount |= ranks.secondary != 1;
    }
    if (secondariesCount) {
        key[length++] = '\0';
        for (const char c : text)
            key[length++] = static_cast<char>(ranks_[static_cast<unsigned char>(c)].secondary);
    }
    keys.append(key, length);
    return true;
}

std::string NetSortKey(std::string_view windows1252Text) {
    std::string key;
    AppendNetSortKey(windows1252Text, key);
    return key;
}

void AppendNetSortKey(std::string_view windows1252Text, std::string& keys) {
    userKeyMaker().AppendKey(windows1252Text, keys);
}

bool AppendCompactNetSortKey(std::string_view windows1252Text, std::string& keys) {
    return userKeyMaker().AppendCompactKey(windows1252Text, keys);
}

}  // namespace netlist
