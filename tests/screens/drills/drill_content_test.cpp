// Checks the cards of the three number-name drills: their counts, the powers of ten they name,
// their typefaces and the rules of the blanks and letters of the SI prefix captions.
#include "screens/drills/drill_content.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "harness/utf8.h"

namespace metria {
namespace {

using ::metria::testing::code_points;
using ::metria::testing::decode;

std::vector<std::int16_t> exponents(std::span<const DrillCard> cards) {
  std::vector<std::int16_t> out;
  for (const auto& card : cards) out.push_back(card.exponent);
  return out;
}

std::vector<Face> faces(std::span<const DrillCard> cards) {
  std::vector<Face> out;
  for (const auto& card : cards) out.push_back(card.face);
  return out;
}

// Cards 0 .. mincho_count-1 in Mincho, the rest in Gothic.
std::vector<Face> mincho_then_gothic(std::size_t mincho_count, std::size_t total) {
  std::vector<Face> out(total, Face::Gothic);
  for (std::size_t k = 0; k < mincho_count; ++k) out[k] = Face::Mincho;
  return out;
}

// ---------------------------------------------------------------------------------------------
// Properties every drill's cards have.

struct DrillCase {
  const char* name;
  std::span<const DrillCard> (*cards)();
  std::size_t count;
};

void PrintTo(const DrillCase& drill, std::ostream* out) { *out << drill.name; }

class EveryDrill : public ::testing::TestWithParam<DrillCase> {};

TEST_P(EveryDrill, HasItsNumberOfCards) { EXPECT_EQ(GetParam().cards().size(), GetParam().count); }

// Places are listed from the largest power down, left column then right column.
TEST_P(EveryDrill, ExponentsFallStrictlyFromCardToCard) {
  const auto values = exponents(GetParam().cards());
  for (std::size_t k = 1; k < values.size(); ++k) {
    EXPECT_LT(values[k], values[k - 1]) << "card " << k;
  }
}

TEST_P(EveryDrill, CaptionsAreDistinctNonEmptyUtf8) {
  std::set<std::string_view> seen;
  for (const auto& card : GetParam().cards()) {
    const auto decoded = decode(card.caption);
    ASSERT_TRUE(decoded.has_value()) << card.exponent;
    EXPECT_FALSE(decoded->empty()) << card.exponent;
    EXPECT_TRUE(seen.insert(card.caption).second) << card.caption;
  }
}

INSTANTIATE_TEST_SUITE_P(DrillContent, EveryDrill,
                         ::testing::Values(DrillCase{"LargeNames", large_names_cards, 20},
                                         DrillCase{"SiPrefixes", si_prefix_cards, 20},
                                         DrillCase{"SmallNames", small_names_cards, 22}),
                         [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------------------------
// 数_JPB

TEST(LargeNamesCards, ExponentsStepByFourDownToManThenThreeTwoOne) {
  std::vector<std::int16_t> expected;
  for (int k = 0; k <= 16; ++k) expected.push_back(static_cast<std::int16_t>(68 - 4 * k));
  expected.insert(expected.end(), {3, 2, 1});
  EXPECT_EQ(exponents(large_names_cards()), expected);
}

TEST(LargeNamesCards, FirstTwoCardsAreMincho) {
  EXPECT_EQ(faces(large_names_cards()), mincho_then_gothic(2, 20));
}

// ---------------------------------------------------------------------------------------------
// 数_SI

TEST(SiPrefixCards, ExponentsAreThoseOfThePrefixes) {
  EXPECT_EQ(exponents(si_prefix_cards()),
            (std::vector<std::int16_t>{24, 21, 18, 15, 12, 9, 6, 3, 2, 1,
                                       -1, -2, -3, -6, -9, -12, -15, -18, -21, -24}));
}

TEST(SiPrefixCards, AllCardsAreGothic) {
  EXPECT_EQ(faces(si_prefix_cards()), mincho_then_gothic(0, 20));
}

// The blanks between prefix and bracketed symbol, in order: I = U+3000, S = U+0020.
TEST(SiPrefixCards, BlanksBeforeTheSymbolAreExact) {
  const std::vector<std::string> expected = {
      "ISI", "II",   "S",  "II",    "SSI",  "ISS", "II",   "II", "SS", "SIS",  // left column
      "ISS", "S",    "SSIS", "",    "SSSSS", "SSSI", "S",  "SSSI", "I", "SI",  // right column
  };
  const auto cards = si_prefix_cards();
  ASSERT_EQ(cards.size(), expected.size());
  for (std::size_t k = 0; k < cards.size(); ++k) {
    const auto text = code_points(cards[k].caption);
    const auto bracket = text.find(U'[');
    ASSERT_NE(bracket, std::u32string::npos) << "card " << k;
    const auto is_blank = [](char32_t cp) { return cp == U' ' || cp == U'\u3000'; };
    auto gap_start = bracket;
    while (gap_start > 0 && is_blank(text[gap_start - 1])) --gap_start;
    std::string blanks;
    for (auto i = gap_start; i < bracket; ++i) blanks += text[i] == U' ' ? 'S' : 'I';
    EXPECT_EQ(blanks, expected[k]) << "card " << k;
    for (std::size_t i = 0; i < gap_start; ++i) {
      EXPECT_TRUE(text[i] >= U'\u30A0' && text[i] <= U'\u30FF') << "card " << k << " prefix";
    }
    EXPECT_EQ(text.back(), U']') << "card " << k;
  }
}

TEST(SiPrefixCards, SymbolsAreFullWidthExceptMicroAndTheAsciiMilli) {
  const auto cards = si_prefix_cards();
  for (std::size_t k = 0; k < cards.size(); ++k) {
    const auto text = code_points(cards[k].caption);
    const auto symbol = text.substr(text.find(U'[') + 1, text.size() - text.find(U'[') - 2);
    if (k == 12) {
      EXPECT_EQ(symbol, U"m");
    } else if (k == 13) {
      EXPECT_EQ(symbol, U"\u03BC");
    } else {
      for (const char32_t cp : symbol) {
        EXPECT_TRUE(cp >= U'\uFF21' && cp <= U'\uFF5A') << "card " << k;
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// 数_JPS

TEST(SmallNamesCards, CardKNamesTenToMinusKPlusOne) {
  const auto values = exponents(small_names_cards());
  for (std::size_t k = 0; k < values.size(); ++k) EXPECT_EQ(values[k], -static_cast<int>(k + 1));
}

TEST(SmallNamesCards, FirstThreeCardsAreMincho) {
  EXPECT_EQ(faces(small_names_cards()), mincho_then_gothic(3, 22));
}

}  // namespace
}  // namespace metria
