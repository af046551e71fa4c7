// A made-up book of four printed pages through the whole chain, the way the
// rebuild script runs it: extract, pack, stats.
#include <gtest/gtest.h>

#include <sstream>

#include "tool_runner.h"

namespace {

std::string hexBytes(const std::string& hex) {
  std::string bytes;
  std::istringstream in(hex);
  unsigned value = 0;
  while (in >> std::hex >> value) bytes += static_cast<char>(value);
  return bytes;
}

class SampleBook : public ::testing::Test {
 protected:
  void SetUp() override {
    extracted = runTool({"extract", sampleFile("book.txt"), sampleFile("outline.txt"), "2", "4",
                         scratch.path("")}, scratch);
    packed = runTool({"pack", scratch.path("words.tsv"), scratch.path("headings.tsv"),
                      scratch.path("word_index.bin"), scratch.path("heading_table.bin")}, scratch);
  }
  ScratchDir scratch;
  ToolRun extracted{};
  ToolRun packed{};
};

TEST_F(SampleBook, ExtractWritesTheExpectedLists) {
  ASSERT_EQ(extracted.exitCode, 0) << extracted.err;
  EXPECT_EQ(readFile(scratch.path("words.tsv")), readFile(sampleFile("words.tsv")));
  EXPECT_EQ(readFile(scratch.path("headings.tsv")), readFile(sampleFile("headings.tsv")));
  EXPECT_EQ(extracted.out, "pages 3, words scanned 36, entries 27, headings 5\n");
}

TEST_F(SampleBook, TitleCharacterOutsideCp1252IsReplacedAndReported) {
  EXPECT_NE(extracted.err.find("outline.txt:4: U+2192 replaced by \">\""), std::string::npos) << extracted.err;
  EXPECT_NE(readFile(scratch.path("headings.tsv")).find("3\t1\t2. Zweites > Pfeil\n"), std::string::npos);
}

TEST_F(SampleBook, HeadingsTheTextDoesNotShowOnTheirPageAreReported) {
  const std::string notes = extracted.err.substr(extracted.err.find('\n') + 1);
  EXPECT_EQ(notes,
            "heading \"2. Zweites > Pfeil\" is not printed on page 3\n"
            "heading \"2.1.1 Der \"Unter\"abschnitt\" is not printed on page 3\n");
}

TEST_F(SampleBook, PackWritesTheExpectedHeadingTable) {
  ASSERT_EQ(packed.exitCode, 0) << packed.err;
  EXPECT_EQ(readFile(scratch.path("heading_table.bin")),
            hexBytes("01 00 01 31 2e 20 45 72 73 74 65 20 53 63 68 72 69 74 74 65 00 00"   // odd: fill
                     " 01 00 02 31 2e 31 20 dc 62 65 72 20 64 69 65 20 4b 75 72 62 65 6c 00 00"
                     " 03 00 01 32 2e 20 5a 77 65 69 74 65 73 20 3e 20 50 66 65 69 6c 00"  // even
                     " 03 00 02 32 2e 31 20 41 62 73 63 68 6e 69 74 74 00 00"
                     " 03 00 03 32 2e 31 2e 31 20 44 65 72 20 22 55 6e 74 65 72 22 61 62 73 63 68"
                     " 6e 69 74 74 00"  // even
                     " 00 00"));
}

TEST_F(SampleBook, PackWritesTheExpectedWordIndex) {
  ASSERT_EQ(packed.exitCode, 0) << packed.err;
  const std::string index = readFile(scratch.path("word_index.bin"));
  ASSERT_EQ(index.size(), 516u);
  const struct {
    std::size_t offset;
    const char* hex;
  } entries[] = {
      {0, "03 05 17 06 0b 11 0c 19 19 00 41 62 73 63 68 6e 69 74 74 00 01 00 03 00"},  // Abschnitt 3
      {56, "07 0c 08 00 64 69 65 00 02 00 01 00 02 00"},                             // die 1,2
      {70, "07 12 11 21 19 00 64 6f 6e 27 74 00 01 00 02 00"},                       // don't 2
      {102, "08 0c 11 01 00 45 69 6e 2d 00 01 00 01 00"},                             // Ein- 1
      {494, "20 1d 08 0c 19 08 17 00 5a 77 65 69 74 65 73 00 01 00 03 00 00 00"},     // Zweites 3, end
  };
  for (const auto& entry : entries) {
    const std::string expected = hexBytes(entry.hex);
    EXPECT_EQ(index.substr(entry.offset, expected.size()), expected) << "at offset " << entry.offset;
  }
}

TEST_F(SampleBook, StatsDescribeThePackedSets) {
  ASSERT_EQ(packed.exitCode, 0) << packed.err;
  const ToolRun stats =
      runTool({"stats", scratch.path("word_index.bin"), scratch.path("heading_table.bin")}, scratch);
  ASSERT_EQ(stats.exitCode, 0) << stats.err;
  for (const char* line : {"| Word entries | 27 |", "| Length of the data set | 516 bytes |",
                           "| Entries | 5: 2 of level 1, 2 of level 2, 1 of level 3 |",
                           "| Length of the data set | 118 bytes |"}) {
    EXPECT_NE(stats.out.find(line), std::string::npos) << line << "\n" << stats.out;
  }
}

}  // namespace
