#include "report/score_number.h"

#include <gtest/gtest.h>

#include <optional>

namespace tamsendor::report {
namespace {

TEST(ScoreNumberTest, ReadsOnlyPlainFiguresAsTheLocaleWritesThem) {
  struct Case {
    const char* text;
    const char* separator;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"61.234", ".", 61.234},
      {"  9.5", ".", 9.5},  // "%5.1f" pads with blanks
      {"120.0 ", ".", 120.0},
      {"0.0", ".", 0.0},
      {"7", ".", 7.0},
      {"0061.50", ".", 61.5},
      // Frames per second are a plain figure: no sign, no exponent, digits on both sides of the
      // separator.
      {"-3.5", ".", std::nullopt},
      {"-5", ".", std::nullopt},
      {"-0", ".", std::nullopt},
      {"+7", ".", std::nullopt},
      {".5", ".", std::nullopt},
      {"5.", ".", std::nullopt},
      {"1.5e2", ".", std::nullopt},
      {"1e9", ".", std::nullopt},
      {"1E9", ".", std::nullopt},
      {"0x3D", ".", std::nullopt},
      {"infinity", ".", std::nullopt},
      {"NAN", ".", std::nullopt},
      {"61,5", ",", 61.5},
      {"61.5", ",", std::nullopt},  // the point is no separator there
      {"61,5", ".", std::nullopt},
      {"", ".", std::nullopt},
      {"   ", ".", std::nullopt},
      {".", ".", std::nullopt},
      {"-", ".", std::nullopt},
      {"1.2.3", ".", std::nullopt},
      {"1,000.5", ".", std::nullopt},
      {"12abc", ".", std::nullopt},
      {"1.#J", ".", std::nullopt},  // how an old runtime printed infinity
      {"inf", ".", std::nullopt},
      {"nan", ".", std::nullopt},
      {"1e", ".", std::nullopt},
      {"1e999", ".", std::nullopt},
      {"6 1", ".", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseLocaleNumber(c.text, c.separator), c.value)
        << '"' << c.text << "\" with \"" << c.separator << '"';
  }
}

TEST(ScoreNumberTest, RoundsHalfToEven) {
  struct Case {
    double value;
    std::optional<int> rounded;
  };
  const Case cases[] = {
      {45.5, 46},
      {46.5, 46},
      {60.4, 60},
      {60.5, 60},
      {61.5, 62},
      {50.4, 50},
      {51.6, 52},
      {0.5, 0},
      {1.5, 2},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {-2.6, -3},
      {2147483647.0, 2147483647},
      {2147483647.5, std::nullopt},
      {-2147483648.0, -2147483647 - 1},
      {3e10, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(ScoreNumberTest, ThePointOfTheEngineIsReadOnACommaSystemToo) {
  EXPECT_EQ(ConvertScore("61.5", ","), 62);
  EXPECT_EQ(ConvertScore(" 60.5", ","), 60);
  EXPECT_EQ(ConvertScore("61.5", "."), 62);
  EXPECT_EQ(ConvertScore("61,5", ","), 62);
  // On a point system a comma is no separator, and the alternate reading does not apply.
  EXPECT_EQ(ConvertScore("61,5", "."), std::nullopt);
  EXPECT_EQ(ConvertScore("abc", ","), std::nullopt);
  EXPECT_EQ(ConvertScore("1.2.3", ","), std::nullopt);
  EXPECT_EQ(ConvertScore("", ","), std::nullopt);
  // Neither reading takes what is no plain figure.
  for (const char* separator : {".", ","}) {
    for (const char* figure :
         {"-61.5", "-5", "1e9", "1.5e2", "inf", "nan", "+61.5", "61.5.", ".5", "5.", "61.,5"}) {
      EXPECT_EQ(ConvertScore(figure, separator), std::nullopt)
          << '"' << figure << "\" with \"" << separator << '"';
    }
  }
}

}  // namespace
}  // namespace tamsendor::report
