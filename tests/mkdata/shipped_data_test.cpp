// The data sets built into every executable are exactly what packing the
// committed lists gives (packing runs the load-time checks on them).
#include <gtest/gtest.h>

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
