#include <gtest/gtest.h>

#include "platform/win32/cp1252.h"

namespace {

struct Conversion {
  const char* utf8;
  const char* cp1252;
};

TEST(Cp1252, ConvertsBothWays) {
  const Conversion cases[] = {
      {"Kurbel", "Kurbel"},
      {"K\xC3\xBChl-Blech", "K\xFChl-Blech"},
      {"Ma\xC3\x9F \xC3\x84\xC3\x96\xC3\x9C", "Ma\xDF \xC4\xD6\xDC"},
      {"\xE2\x82\xAC \xE2\x80\x9E\xE2\x80\x9C", "\x80 \x84\x93"},
      {"\xC2\x81", "\x81"},  // undefined in cp1252: the C1 control of that number
      {"tab\there", "tab\there"},
  };
  for (const Conversion& c : cases) {
    EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
    EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
  }
}

TEST(Cp1252, WhatItCannotHoldBecomesAQuestionMark) {
  const Conversion cases[] = {
      {"\xE6\x97\xA5", "?"},                // a CJK character
      {"\xF0\x9F\x98\x80!", "?!"},          // outside the BMP
      {"\xC3", "?"},                        // cut sequence
      {"\xC3(", "?("},
      {"\x80", "?"},                        // stray continuation byte
      {"\xC0\xAF", "??"},                   // overlong
      {"\xED\xA0\x80", "?"},                // a surrogate, encoded whole
      {"\xFF", "?"},
  };
  for (const Conversion& c : cases) EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252);
}

}  // namespace
