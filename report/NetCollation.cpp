#include "report/NetCollation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/tblcoll.h>

#include <array>
#include <cstring>
#include <memory>

#include "report/NetCollationRules.h"

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
icu::Locale collationLocale() {
    const icu::Locale& user = icu::Locale::getDefault();
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

std::unique_ptr<icu::RuleBasedCollator> tailored(const icu::Locale& locale) {
    UErrorCode error = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> base(icu::Collator::createInstance(locale, error));
    if (U_FAILURE(error)) return nullptr;
    icu::UnicodeString rules;
    if (const auto* ruleBased = dynamic_cast<const icu::RuleBasedCollator*>(base.get()))
        rules = ruleBased->getRules();
    // Locales without rules of their own (English, the C locale and many
    // more) share the tailoring compiled at build time.
    std::unique_ptr<icu::RuleBasedCollator> collator;
    if (rules.isEmpty()) collator = precompiled();
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

const icu::Collator& netCollator() {
    static const std::unique_ptr<icu::RuleBasedCollator> collator = [] {
        auto made = tailored(collationLocale());
        if (!made) made = tailored(icu::Locale::getRoot());
        return made;
    }();
    return *collator;
}

}  // namespace

std::string NetSortKey(std::string_view windows1252Text) {
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

    // One allocation for the usual key: build it on the stack, then copy.
    std::uint8_t stackKey[256];
    const icu::Collator& collator = netCollator();
    const int32_t needed =
        collator.getSortKey(text, length, stackKey, static_cast<int32_t>(sizeof stackKey));
    // The key's own terminating zero byte is left off: a key that is the
    // start of another still sorts first without it.
    if (needed <= 0) return {};
    if (needed <= static_cast<int32_t>(sizeof stackKey))
        return std::string(reinterpret_cast<const char*>(stackKey),
                           static_cast<std::size_t>(needed - 1));
    std::string key(static_cast<std::size_t>(needed), '\0');
    collator.getSortKey(text, length, reinterpret_cast<uint8_t*>(key.data()), needed);
    key.resize(static_cast<std::size_t>(needed - 1));
    return key;
}

}  // namespace netlist
