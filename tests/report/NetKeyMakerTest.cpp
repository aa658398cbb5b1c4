// Compact net keys against ICU's own keys, in locales with and without rules
// of their own for ASCII characters.
#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "report/NetCollation.h"
#include "report/NetKeyMaker.h"
#include "report/NetList.h"

namespace netlist::test {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Texts of printable ASCII, short and alike, so that pairs often differ only
// in case, in a hyphen or apostrophe, or in the locale's special letters.
std::vector<std::string> asciiTexts() {
    std::vector<std::string> texts;
    std::istringstream fixed(
        "|~|~~~A.1|-|'|--|A-|A'|a-b|AB|A-B|A'B|ab'|ch|CH|h|c|cz|aa|AA|ae|dzs|ly|i"
        "|I|y|v|w|zzz+5V.3|NET.01.2|/VIN|_A|(A)|Net-(U1-Pad3).7");
    for (std::string text; std::getline(fixed, text, '|');) texts.push_back(text);
    const std::string alphabet = "aAbcChHiIlLsyzZvw-'~._/ 019+()";
    std::mt19937 random(12);
    for (int i = 0; i < 150; ++i) {
        std::string text;
        const std::size_t length = random() % 6;
        for (std::size_t j = 0; j < length; ++j) text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (int c = 0x20; c < 0x7F; ++c) texts.push_back(std::string(1, static_cast<char>(c)) + "x");
    return texts;
}

TEST(NetKeyMaker, CompactKeysCompareAsIcuKeysInEveryLocale) {
    const std::vector<std::string> texts = asciiTexts();
    for (const char* locale : {"", "en_US", "en_US_POSIX", "de", "cs", "sk", "da", "hu", "cy", "tr",
                               "lt", "fr_CA", "sv", "ja", "zh", "ru"}) {
        const NetKeyMaker maker{icu::Locale(locale)};
        std::vector<std::string> full(texts.size());
        std::vector<std::string> compact(texts.size());
        std::vector<bool> hasCompact(texts.size());
        std::size_t compactCount = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            maker.AppendKey(texts[i], full[i]);
            hasCompact[i] = maker.AppendCompactKey(texts[i], compact[i]);
            EXPECT_TRUE(hasCompact[i] || compact[i].empty()) << locale << ": " << texts[i];
            compactCount += hasCompact[i];
        }
        // Most texts have a compact key, except where the secondary weights
        // count from the end of the text (Canadian French).
        EXPECT_EQ(compactCount > texts.size() / 2, std::string(locale) != "fr_CA") << locale;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            for (std::size_t j = 0; j < texts.size(); ++j) {
                if (!hasCompact[i] || !hasCompact[j]) continue;
                ASSERT_EQ(sign(compact[i].compare(compact[j])), sign(full[i].compare(full[j])))
                    << locale << ": \"" << texts[i] << "\" against \"" << texts[j] << "\"";
            }
        }
    }
}

TEST(NetList, KeepsItsOrderWhenAnItemWithoutACompactKeyJoinsLater) {
    const std::vector<std::string> added = {"B.1", "a-b.2", "\xC4\x62.3", "AB.4", "Ab.5", "~~~Z.6"};
    NetList list;
    for (std::size_t i = 0; i < added.size(); ++i) {
        list.AddItem(added[i]);
        if (i == 1) (void)list.List(0);  // in place with compact keys
    }
    for (std::int64_t i = 1; i < list.ListCount(); ++i)
        EXPECT_LT(std::pair(NetSortKey(list.List(i - 1)), std::string(list.List(i - 1))),
                  std::pair(NetSortKey(list.List(i)), std::string(list.List(i))));
}

}  // namespace
}  // namespace netlist::test
