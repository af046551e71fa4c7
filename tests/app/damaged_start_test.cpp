// The start-up with a damaged data set built in: no dialog, a German message
// that names the data set, the byte and the broken rule, exit status 1.
// Built once per damaged data set.
#include <gtest/gtest.h>

#include "dialog/search_dialog.h"
#include "search/search_state.h"

namespace {

#ifdef DAMAGED_HEADING_TABLE
const char expectedFault[] = "\xC3\x9C" "berschriftentabelle, Byte 8: Eine Ebene ist nicht 1, 2 oder 3\n";
#else
const char expectedFault[] = "Wortindex, Byte 0: Ein Schl\xC3\xBC" "ssel reicht \xC3\xBC" "ber das Ende des Datensatzes hinaus\n";
#endif

TEST(DamagedStart, ReportsTheRuleAndTheByteAndEndsWithOne) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            std::string("Die eingebauten Indexdaten sind besch\xC3\xA4" "digt. Das Programm kann nicht gestartet werden.\n") +
                expectedFault);
  EXPECT_EQ(searchState.index, nullptr);
  EXPECT_EQ(searchState.headings, nullptr);
}

TEST(DamagedStart, TheMessageIsCutToItsBuffer) {
  const DataSetFault fault{DataRule::keyOrder, 4000000000u, DataSetKind::wordIndex};
  char text[100];
  formatRefusal(fault, nullptr, text, sizeof text);
  EXPECT_EQ(std::string(text), std::string(damagedDataMessage) + "\nWortindex, By");
  formatRefusal(fault, "eigene.bin", text, 4);
  EXPECT_STREQ(text, "Die");
}

}  // namespace
