// The search dialog on the headless backend, driven through the real
// messages and user actions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/search_dialog.h"
#include "dialog_harness.h"
#include "platform/seam/backend.h"
#include "platform/seam/user_actions.h"
#include "platform/seam/model_readers.h"
#include "search/search_state.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int term1 = 1002, term2 = 1003, term3 = 1004;
constexpr int words1 = 1005, words2 = 1006, words3 = 1007;
constexpr int results = 1008, distanceField = 1009;

const std::string notFound = "[Suchbegriff nicht gefunden]";
const std::string tooMany = "[Mehr als 100 Funde. Bitte Suchbegriff erweitern]";
const std::string slotOverLimit = cp("[Für mindestens einen Suchbegriff existieren mehr als 100 Funde]");
const std::string noCombination = cp("[Keine Verknüpfung der Suchbegriffe gefunden]");

class SearchDialog : public testing::Test {
 protected:
  void SetUp() override { installTestBook(); }
};

LRESULT horizontalExtent(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), LB_GETHORIZONTALEXTENT, 0, 0);
}

TEST_F(SearchDialog, OpensWithDistanceOneEmptyListsAndFocusInTheFirstTermField) {
  INT_PTR result = runSearchDialog([](HWND dialog) {
    EXPECT_EQ(textOf(dialog, distanceField), "1");
    EXPECT_EQ(distance, 1);
    for (int id : {term1, term2, term3}) EXPECT_EQ(textOf(dialog, id), "");
    for (int id : {words1, words2, words3, results}) EXPECT_TRUE(linesOf(dialog, id).empty()) << id;
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, term1));
    HWND resultsList = GetDlgItem(dialog, results);
    ASSERT_EQ(listTabStopCount(resultsList), 1);
    EXPECT_EQ(listTabStops(resultsList)[0], 50);
    userClosesDialog(dialog);
  });
  EXPECT_EQ(result, 0);
}

TEST_F(SearchDialog, TermThatMatchesNothingShowsTheSelectedMessageAlone) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Xylophon");
    EXPECT_EQ(linesOf(dialog, words1), Lines{notFound});
    EXPECT_EQ(selectionOf(dialog, words1), 0);
    EXPECT_EQ(horizontalExtent(dialog, words1), 0);
    EXPECT_TRUE(linesOf(dialog, results).empty());  // the sum of the counts is -1
  });
}

TEST_F(SearchDialog, ExactlyOneHundredWordsAreListedWithoutMessage) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "hebel");
    Lines lines = linesOf(dialog, words1);
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front(), "Hebelaa, 200");
    EXPECT_EQ(lines.back(), "Hebeljj, 299");
    EXPECT_EQ(selectionOf(dialog, words1), LB_ERR);
    EXPECT_EQ(linesOf(dialog, results), Lines{"200 - 299\t1. Antrieb --- 1.2 Wellen"});
  });
}

TEST_F(SearchDialog, MoreThanOneHundredWordsPutTheMessageOnTopAndStopTheResults) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term2, "Ventil");
    Lines lines = linesOf(dialog, words2);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[0], tooMany);
    EXPECT_EQ(lines[1], "Ventilaa, 700");
    EXPECT_EQ(lines[100], "Ventiljj, 799");
    EXPECT_EQ(selectionOf(dialog, words2), 0);
    setText(dialog, term1, "Kurbel");
    EXPECT_EQ(linesOf(dialog, results), Lines{slotOverLimit});
    EXPECT_EQ(selectionOf(dialog, results), 0);
  });
}

TEST_F(SearchDialog, TwentyPagesAreListedAndTwentyOneAreCounted) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Zwanzig");
    setText(dialog, term3, "Einund");
    EXPECT_EQ(linesOf(dialog, words1), Lines{"Zwanzigseiten, 501, 502, 503, 504, 505, 506, 507, 508, 509, "
                                             "510, 511, 512, 513, 514, 515, 516, 517, 518, 519, 520"});
    EXPECT_EQ(linesOf(dialog, words3), Lines{"Einundzwanzig, [21 Seiten]"});
  });
}

TEST_F(SearchDialog, WordListIsAsWideAsItsWidestLine) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Kurbel");
    EXPECT_EQ(linesOf(dialog, words1), (Lines{"Kurbel, 10, 12", "Kurbelwelle, 10, 48"}));
    EXPECT_EQ(horizontalExtent(dialog, words1), 7 * 19);  // 7 pixels a character
    setText(dialog, term1, "Ventil");                     // the message line is not measured
    EXPECT_EQ(horizontalExtent(dialog, words1), 7 * 13);
    setText(dialog, term1, "");
    EXPECT_TRUE(linesOf(dialog, words1).empty());
    EXPECT_EQ(horizontalExtent(dialog, words1), 0);
  });
}

TEST_F(SearchDialog, PickingAWordMakesItTheTermAndRefillsTheList) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "kurb");
    pick(dialog, words1, 1);
    EXPECT_EQ(textOf(dialog, term1), "Kurbelwelle");
    EXPECT_EQ(linesOf(dialog, words1), Lines{"Kurbelwelle, 10, 48"});
    EXPECT_EQ(selectionOf(dialog, words1), LB_ERR);
    EXPECT_EQ(linesOf(dialog, results), (Lines{"10\t1. Antrieb", "48\t1. Antrieb --- 1.2 Wellen"}));
  });
}

TEST_F(SearchDialog, PickingTheMessageLineChangesNothing) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Ventil");
    pick(dialog, words1, 0);
    EXPECT_EQ(textOf(dialog, term1), "Ventil");
    EXPECT_EQ(linesOf(dialog, words1).size(), 101u);
    setText(dialog, term2, "Xylophon");
    pick(dialog, words2, 0);
    EXPECT_EQ(textOf(dialog, term2), "Xylophon");
  });
}

TEST_F(SearchDialog, PickingAfterAStarSearchLooksTheWordUpAsAPrefix) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term2, "*welle");
    EXPECT_EQ(linesOf(dialog, words2), (Lines{"Kurbelwelle, 10, 48", "Nockenwelle, 13, 47"}));
    pick(dialog, words2, 0);
    EXPECT_EQ(textOf(dialog, term2), "Kurbelwelle");
    EXPECT_EQ(linesOf(dialog, words2), Lines{"Kurbelwelle, 10, 48"});
  });
}

TEST_F(SearchDialog, ChangingOneTermLeavesTheOtherWordListsAlone) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Kurbel");
    setText(dialog, term2, "Nocken");
    setText(dialog, term2, "Achse");
    EXPECT_EQ(linesOf(dialog, words1).size(), 2u);
    EXPECT_EQ(searchState.hitCount[0], 2);
    EXPECT_EQ(linesOf(dialog, results), Lines{"10 - 12\t1. Antrieb"});
  });
}

struct DistanceCase {
  const char* text;
  int32_t distance;
};

TEST_F(SearchDialog, DistanceFieldTextsGiveTheirDistances) {
  const DistanceCase cases[] = {{"", 0}, {"07", 7}, {"00", 0}, {"123", 0}, {"-3", -3}, {"5", 5}, {"x", 0}};
  runSearchDialog([&](HWND dialog) {
    for (const DistanceCase& c : cases) {
      setText(dialog, distanceField, c.text);
      EXPECT_EQ(distance, c.distance) << '"' << c.text << '"';
    }
  });
}

TEST_F(SearchDialog, DistanceDecidesWhetherTermsMeet) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Achse");      // page 11
    setText(dialog, term2, "Nocken");     // pages 13, 47
    EXPECT_EQ(linesOf(dialog, results), Lines{noCombination});
    EXPECT_EQ(selectionOf(dialog, results), 0);
    setText(dialog, distanceField, "07");
    EXPECT_EQ(linesOf(dialog, results), Lines{"11 - 13\t1. Antrieb"});
    setText(dialog, distanceField, "-3");  // pasted
    EXPECT_EQ(linesOf(dialog, results), Lines{noCombination});
    setText(dialog, distanceField, "");
    EXPECT_EQ(linesOf(dialog, results), Lines{noCombination});
  });
}

struct SumCase {
  const char* first;
  const char* second;
  std::vector<std::string> results;
};

TEST_F(SearchDialog, ResultsMessageDependsOnTheSumOfTheCounts) {
  const SumCase cases[] = {
      {"Achse", "Xylophon", {}},                      // 1 + -1: no message
      {"Kurbel", "Xylophon", {noCombination}},        // 2 + -1
      {"Xylophon", "Quirl", {}},                      // -1 + -1
      {"", "", {}},                                   // all empty
      {"Achse", "Lager", {noCombination}},            // both found, far apart
  };
  for (const SumCase& c : cases) {
    runSearchDialog([&](HWND dialog) {
      setText(dialog, term1, c.first);
      setText(dialog, term2, c.second);
      EXPECT_EQ(linesOf(dialog, results), c.results) << c.first << " & " << c.second;
    });
  }
}

TEST_F(SearchDialog, EnterAndEscapeLeaveTheDialogOpen) {
  INT_PTR result = runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Kurbel");
    userPressesKey(dialog, DialogKey::enter);
    userPressesKey(dialog, DialogKey::escape);
    EXPECT_EQ(textOf(dialog, term1), "Kurbel");
  });
  EXPECT_EQ(result, -1);  // still open when the user went away
}

TEST_F(SearchDialog, CloseCommandEndsTheDialogWithZero) {
  EXPECT_EQ(runSearchDialog([](HWND dialog) { userClosesDialog(dialog); }), 0);
  EXPECT_EQ(runSearchDialog([](HWND dialog) {
              SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(closeCommandId, 77), 0);
            }), 0);
}

TEST_F(SearchDialog, OtherSystemCommandsAndResultSelectionsDoNothing) {
  INT_PTR result = runSearchDialog([](HWND dialog) {
    setText(dialog, term1, "Kurbel");
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE + 1, 0);
    Lines before = linesOf(dialog, results);
    pick(dialog, results, 0);
    EXPECT_EQ(linesOf(dialog, results), before);
    EXPECT_EQ(textOf(dialog, term1), "Kurbel");
  });
  EXPECT_EQ(result, -1);
}

TEST_F(SearchDialog, TermIsReadBackCutAtNineHundredNinetyNineCharacters) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, std::string(1200, 'k'));
    EXPECT_EQ(std::string(searchState.termText).size(), 999u);
    EXPECT_EQ(linesOf(dialog, words1), Lines{notFound});
  });
}

TEST_F(SearchDialog, TypedUmlautsAreFolded) {
  runSearchDialog([](HWND dialog) {
    setText(dialog, term1, cp("KÜHL"));
    EXPECT_EQ(linesOf(dialog, words1), Lines{cp("Kühler, 44")});
  });
}

}  // namespace
