// The data sets built into every executable: they are exactly what packing
// the committed lists gives, and they pass the load-time checks.
#include <gtest/gtest.h>

#include "index/word_index.h"
#include "tool_runner.h"

namespace {

TEST(ShippedData, PackingTheCommittedListsReproducesTheDataSetsByteForByte) {
  ScratchDir scratch;
  const ToolRun run = runTool({"pack", dataFile("book/words.tsv"), dataFile("book/headings.tsv"),
                               scratch.path("word_index.bin"), scratch.path("heading_table.bin")}, scratch);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(readFile(scratch.path("word_index.bin")) == readFile(dataFile("word_index.bin")));
  EXPECT_TRUE(readFile(scratch.path("heading_table.bin")) == readFile(dataFile("heading_table.bin")));
}

TEST(ShippedData, WordIndexPassesItsCheckAndHasTheExpectedEntries) {
  const std::string index = readFile(dataFile("word_index.bin"));
  const auto* bytes = reinterpret_cast<const unsigned char*>(index.data());
  DataSetFault fault{};
  ASSERT_TRUE(checkWordIndex(bytes, static_cast<uint32_t>(index.size()), &fault)) << dataRuleText(fault.rule) << " at " << fault.offset;
  int entries = 0;
  int highestPage = 0;
  for (const WordEntry* entry = entryAt(bytes); entry != nullptr; entry = nextEntry(entry)) {
    ++entries;
    EXPECT_LE(keyLength(entry), 40u);
    highestPage = std::max<int>(highestPage, pageOf(entry, pageCountOf(entry) - 1));
  }
  EXPECT_EQ(entries, 26741);
  EXPECT_EQ(highestPage, 1321);
}

TEST(ShippedData, HeadingTablePassesItsCheckAndHasTheExpectedHeadings) {
  const std::string table = readFile(dataFile("heading_table.bin"));
  const auto* bytes = reinterpret_cast<const unsigned char*>(table.data());
  DataSetFault fault{};
  ASSERT_TRUE(checkHeadingTable(bytes, static_cast<uint32_t>(table.size()), &fault)) << dataRuleText(fault.rule) << " at " << fault.offset;
  int perLevel[4] = {};
  for (const unsigned char* heading = bytes; headingPage(heading) != 0; heading = nextHeading(heading))
    ++perLevel[headingLevel(heading)];
  EXPECT_EQ(perLevel[1], 17);
  EXPECT_EQ(perLevel[2], 111);
  EXPECT_EQ(perLevel[3], 794);
  EXPECT_STREQ(headingTitle(bytes), "1. Erste Schritte mit LinuxCNC");
}

TEST(ShippedData, CaptionNamesTheBookInOneShortCp1252Line) {
  const std::string header = readFile(dataFile("caption.h"));
  const std::string start = "#define QUIREL_CAPTION \"Quirel - Volltextsuche f\\xFCr LinuxCNC";
  const std::size_t at = header.find(start);
  ASSERT_NE(at, std::string::npos);
  const std::string literal = header.substr(at + 23, header.find('\n', at) - at - 23);
  EXPECT_LT(literal.size(), 250u);
  EXPECT_EQ(literal.back(), '"');
  for (char c : literal) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "hex escapes only";
}

}  // namespace
