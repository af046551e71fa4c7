// Term normalisation: each case is typed text, whether it is accepted, and
// the bytes left in place.
#include <gtest/gtest.h>

#include "search/search_state.h"
#include "test_data.h"

namespace {

struct Case {
  const char* typed;  // UTF-8, converted to cp1252
  bool accepted;
  std::vector<int> bytes;
};

std::vector<int> normalised(std::string text, bool* accepted) {
  char buffer[textSize] = {};
  text.copy(buffer, text.size());
  *accepted = normaliseTerm(buffer);
  std::vector<int> bytes;
  for (size_t i = 0; i < text.size(); ++i) bytes.push_back(static_cast<unsigned char>(buffer[i]));
  EXPECT_EQ(buffer[text.size()], 0) << "the NUL stays in place";
  return bytes;
}

TEST(NormaliseTerm, FoldsAndCodesOrRefuses) {
  const Case cases[] = {
      {"KURBEL", true, {14, 26, 22, 5, 8, 15}},
      {"Kurbel", true, {14, 26, 22, 5, 8, 15}},
      {"Öl-Pumpe", true, {19, 15, 1, 20, 26, 16, 20, 8}},
      {"Maß", true, {16, 3, 24}},
      {"MASS", true, {16, 3, 23, 23}},
      {"Übertrag", true, {27, 5, 8, 22, 25, 22, 3, 10}},
      {"3/4", true, {37, 2, 38}},
      {"12V", true, {35, 36, 28}},
      {"Rock'n'Roll", true, {22, 18, 6, 14, 33, 17, 33, 22, 18, 15, 15}},
      {"äÄ", true, {4, 4}},
      {"", true, {}},
      {"Kurbel welle", false, {14, 26, 22, 5, 8, 15, ' ', 'w', 'e', 'l', 'l', 'e'}},
      {"É", false, {0xC9}},
      {"a*b", false, {3, '*', 'b'}},
      {"Ab\tC", false, {3, 5, '\t', 'C'}},
  };
  for (const Case& c : cases) {
    bool accepted = false;
    EXPECT_EQ(normalised(cp1252(c.typed), &accepted), c.bytes) << c.typed;
    EXPECT_EQ(accepted, c.accepted) << c.typed;
  }
}

// Every byte value on its own: exactly the 43 symbols and the 29 capitals are
// accepted, and an accepted byte becomes a code 1 to 43.
TEST(NormaliseTerm, EveryByteValue) {
  int accepted = 0;
  for (int value = 1; value < 256; ++value) {
    char text[2] = {static_cast<char>(value), 0};
    if (normaliseTerm(text)) {
      ++accepted;
      EXPECT_GE(static_cast<unsigned char>(text[0]), 1);
      EXPECT_LE(static_cast<unsigned char>(text[0]), 43);
    } else {
      EXPECT_EQ(static_cast<unsigned char>(text[0]), value) << "a refused byte stays as typed";
    }
  }
  EXPECT_EQ(accepted, 43 + 26 + 3);
}

}  // namespace
