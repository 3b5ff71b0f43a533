#include "platform/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Cp1251, EveryByteSurvivesTheRoundTrip) {
  std::string all(256, '\0');
  for (int i = 0; i < 256; ++i) all[static_cast<size_t>(i)] = static_cast<char>(i);
  const QString text = Cp1251::toUnicode(all);
  EXPECT_EQ(text.size(), 256) << "one character per byte";
  EXPECT_EQ(Cp1251::fromUnicode(text), all);
}

TEST(Cp1251, CyrillicLettersMapToTheirBytes) {
  struct Case {
    const char* unicode;
    std::string bytes;
  };
  const Case cases[] = {
      {"Выбери порт!", "\xC2\xFB\xE1\xE5\xF0\xE8 \xEF\xEE\xF0\xF2!"},
      {"АЯаяЁё", "\xC0\xDF\xE0\xFF\xA8\xB8"},
      {"№", "\xB9"},
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf8(c.unicode);
    EXPECT_EQ(Cp1251::fromUnicode(text), c.bytes) << c.unicode;
    EXPECT_EQ(Cp1251::toUnicode(c.bytes), text) << c.unicode;
  }
}

TEST(Cp1251, CharactersWithoutACodeBecomeSubstitutes) {
  EXPECT_EQ(Cp1251::fromUnicode(QString::fromUtf8("a\u4e2dz")), std::string("a\x1a"
                                                                            "z"));
}

}  // namespace
