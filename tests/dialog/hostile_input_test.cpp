// Hostile input through the real search dialog over the built-in book:
// overlong terms, stars where they do not belong, picks in every list after
// every kind of lookup outcome, and pasted distance texts. After each action
// the whole dialog must show what a plain reading of the rules gives for its
// fields' texts, and the two slots the action did not touch must keep their
// lists and counts exactly.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog/search_dialog.h"
#include "dialog_harness.h"
#include "dialog_model.h"
#include "app/load_index_data.h"
#include "platform/seam/backend.h"
#include "platform/seam/user_actions.h"
#include "platform/seam/model_readers.h"
#include "search/search_state.h"

namespace {

constexpr int distanceField = 1009;

const std::string notFound = "[Suchbegriff nicht gefunden]";
const std::string invalidSymbol = cp("[Suchbegriff enthält unzulässige Zeichen]");
const std::string starTooShort = cp("[Suche mit Stern benötigt mindestens zwei Zeichen]");
const std::string tooMany = "[Mehr als 100 Funde. Bitte Suchbegriff erweitern]";

// Terms the other two slots hold while one slot is attacked: one with more
// than 100 words and one with a handful.
const std::string neighbourTerms[2] = {"Spindel", "Kurbel"};

class HostileInput : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(loadIndexData(GetModuleHandleA(nullptr)));
    std::string reason;
    ASSERT_TRUE(modelBookOfSearchState(book_, reason)) << reason;
  }
  void SetUp() override {
    ASSERT_TRUE(loadIndexData(GetModuleHandleA(nullptr)));
    std::memset(searchState.hitCount, 0, sizeof searchState.hitCount);
    std::memset(searchState.termPages, 0, sizeof searchState.termPages);
  }

  // The dialog agrees with the rules for the texts its fields hold now.
  static ShownDialog expectAsModel(HWND dialog, const std::string& what) {
    ShownDialog shown = readShownDialog(dialog);
    EXPECT_EQ(dialogDifference(shown, modelDialog(book_, shown.terms, shown.distanceText)), "") << what;
    return shown;
  }

  // The slots other than `slot` get their neighbour terms.
  static void fillNeighbours(HWND dialog, int slot) {
    for (int other = 1; other <= 2; ++other) {
      setText(dialog, firstTermFieldId + (slot + other) % 3, neighbourTerms[other - 1]);
    }
  }

  static void expectNeighboursKept(const ShownDialog& before, const ShownDialog& after, int slot,
                                   const std::string& what) {
    for (int other = 1; other <= 2; ++other) {
      int n = (slot + other) % 3;
      EXPECT_EQ(after.terms[n], before.terms[n]) << what;
      EXPECT_TRUE(after.words[n] == before.words[n]) << what << ": list of slot " << n + 1;
      EXPECT_EQ(after.hitCounts[n], before.hitCounts[n]) << what;
    }
  }

  static ModelBook book_;
};

ModelBook HostileInput::book_;

struct TermCase {
  std::string term;         // set as the field's whole text
  std::string firstLine;    // of the word list; empty for none
};

std::string described(const std::string& term, int slot) {
  std::string shown = term.size() > 12 ? term.substr(0, 12) + "..." : term;
  return "slot " + std::to_string(slot + 1) + ", \"" + shown + "\" (" + std::to_string(term.size()) + " bytes)";
}

// A term is read back at 999 characters: what stands beyond them is never
// looked at, and the longest terms that are read whole still reach their
// own outcome.
TEST_F(HostileInput, LongTermsAndStarsReachTheirOutcomeInEverySlot) {
  const TermCase cases[] = {
      {std::string(997, 'k') + "\xC9", invalidSymbol},      // 998, the last one invalid
      {std::string(998, 'k') + "\xC9", invalidSymbol},      // 999
      {std::string(999, 'k') + "\xC9", notFound},           // 1000: the invalid one is not read
      {std::string(5000, 'k'), notFound},
      {"*" + std::string(4999, '*'), invalidSymbol},
      {"Spindel" + std::string(991, 'x'), notFound},        // 998
      {"*", starTooShort},
      {"**", invalidSymbol},
      {"*\x01", invalidSymbol},
      {"*\xC9", invalidSymbol},
      {"*\xFF", invalidSymbol},
      {"*k", starTooShort},
      {"Kurbel", "kurbeln, 851, 1310"},
      {"Spindel", tooMany},
      {"", ""},
  };
  for (int slot = 0; slot < termSlots; ++slot) {
    runSearchDialog([&](HWND dialog) {
      fillNeighbours(dialog, slot);
      for (const TermCase& c : cases) {
        std::string what = described(c.term, slot);
        ShownDialog before = readShownDialog(dialog);
        setText(dialog, firstTermFieldId + slot, c.term);
        ShownDialog after = expectAsModel(dialog, what);
        EXPECT_EQ(after.terms[slot], c.term) << what;
        std::vector<std::string> lines = after.words[slot].lines;
        EXPECT_EQ(lines.empty() ? "" : lines.front(), c.firstLine) << what;
        expectNeighboursKept(before, after, slot, what);
      }
    });
  }
}

// A user's paste goes only as far as the field is wide; what it keeps is
// looked up like any other term.
TEST_F(HostileInput, PastedLongTermsStopAtTheFieldsWidth) {
  runSearchDialog([](HWND dialog) {
    HWND field = GetDlgItem(dialog, firstTermFieldId);
    for (const std::string& pasted : {std::string(5000, 'k'), "Kurbel" + std::string(993, 'w'), std::string(1000, '*')}) {
      ASSERT_TRUE(userEditsText(field, 0, 10000, pasted.c_str(), EditInput::pasting));
      ShownDialog shown = expectAsModel(dialog, described(pasted, 0));
      EXPECT_LT(shown.terms[0].size(), 100u);
      EXPECT_EQ(pasted.rfind(shown.terms[0], 0), 0u);
    }
  });
}

// Every line a list offers, after every kind of outcome: a word line makes
// its word the term, a message line and an empty list change nothing, and
// no pick touches the other two slots.
TEST_F(HostileInput, PicksAfterEveryOutcomeInEverySlot) {
  const std::string outcomes[] = {"Kurbel", "Xylophon", "Spindel", "Kurbel welle", "*k", "", "*welle"};
  for (int slot = 0; slot < termSlots; ++slot) {
    for (const std::string& outcome : outcomes) {
      for (int line : {0, 1, 100}) {
        runSearchDialog([&](HWND dialog) {
          fillNeighbours(dialog, slot);
          setText(dialog, firstTermFieldId + slot, outcome);
          ShownDialog before = readShownDialog(dialog);
          const std::vector<std::string>& lines = before.words[slot].lines;
          std::string what = described(outcome, slot) + ", line " + std::to_string(line);
          pick(dialog, firstWordListId + slot, line);
          ShownDialog after = expectAsModel(dialog, what);
          bool wordLine = line < static_cast<int>(lines.size()) && lines[static_cast<size_t>(line)][0] != '[';
          std::string expectedTerm = wordLine ? lines[static_cast<size_t>(line)].substr(0, lines[static_cast<size_t>(line)].find(','))
                                              : outcome;
          EXPECT_EQ(after.terms[slot], expectedTerm) << what;
          if (!wordLine) {
            EXPECT_TRUE(after.words[slot] == before.words[slot]) << what;
          }
          expectNeighboursKept(before, after, slot, what);
        });
      }
    }
  }
}

struct DistanceCase {
  const char* text;
  int32_t distance;
};

// Texts the keyboard cannot type into the distance field, set as a whole:
// one or two characters are scanned as a number, anything else is 0.
TEST_F(HostileInput, DistanceTextsGiveTheirDistancesAndResults) {
  const DistanceCase cases[] = {{"", 0},    {"0", 0},   {"07", 7},  {"99", 99}, {"100", 0}, {"-1", -1},
                                {"-99", 0}, {"+5", 5},  {" 5", 5},  {"5x", 5},  {"x5", 0},  {"00", 0}};
  runSearchDialog([&](HWND dialog) {
    setText(dialog, firstTermFieldId, "Kurbel");
    setText(dialog, firstTermFieldId + 2, "Achse");
    for (const DistanceCase& c : cases) {
      ShownDialog before = readShownDialog(dialog);
      setText(dialog, distanceField, c.text);
      EXPECT_EQ(distance, c.distance) << '"' << c.text << '"';
      ShownDialog after = expectAsModel(dialog, std::string("distance \"") + c.text + "\"");
      for (int slot = 0; slot < termSlots; ++slot) EXPECT_TRUE(after.words[slot] == before.words[slot]);
    }
  });
}

// A user's paste into the distance field passes the digit filter but keeps
// only what fits the field: two characters.
TEST_F(HostileInput, PastedDistancesKeepWhatFits) {
  const DistanceCase cases[] = {{"-1", -1}, {"100", 10}, {"-99", -9}, {"+5", 5}, {" 5", 5}, {"x5", 0}, {"5x", 5}};
  runSearchDialog([&](HWND dialog) {
    setText(dialog, firstTermFieldId + 1, "Kurbel");
    HWND field = GetDlgItem(dialog, distanceField);
    for (const DistanceCase& c : cases) {
      ASSERT_TRUE(userEditsText(field, 0, 10, c.text, EditInput::pasting)) << c.text;
      EXPECT_EQ(distance, c.distance) << '"' << c.text << '"';
      expectAsModel(dialog, std::string("pasted distance \"") + c.text + "\"");
    }
    EXPECT_FALSE(userEditsText(field, 0, 10, "-5", EditInput::typing));
  });
}

}  // namespace
