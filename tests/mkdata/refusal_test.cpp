// Input that breaks a rule is refused with its file and line, the exit code
// says so, and no output file is replaced or left half-written.
#include <gtest/gtest.h>

#include <filesystem>

#include "tool_runner.h"

namespace {

const char goodWords[] = "Achse\t1,2\nKurbel\t3\n";
const char goodHeadings[] = "1\t1\t1. Kapitel\n2\t2\t1.1 Abschnitt\n";

struct Refusal {
  const char* words;
  const char* headings;
  const char* message;  // expected on stderr
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.message; }

class PackRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(PackRefusal, IsReportedAndReplacesNothing) {
  ScratchDir scratch;
  writeFile(scratch.path("words.tsv"), GetParam().words);
  writeFile(scratch.path("headings.tsv"), GetParam().headings);
  writeFile(scratch.path("word_index.bin"), "old index");
  writeFile(scratch.path("heading_table.bin"), "old table");
  const ToolRun run = runTool({"pack", scratch.path("words.tsv"), scratch.path("headings.tsv"),
                               scratch.path("word_index.bin"), scratch.path("heading_table.bin")}, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(scratch.path(GetParam().message)), std::string::npos) << run.err;
  EXPECT_EQ(readFile(scratch.path("word_index.bin")), "old index");
  EXPECT_EQ(readFile(scratch.path("heading_table.bin")), "old table");
  EXPECT_EQ(scratch.names(),
            (std::vector<std::string>{"heading_table.bin", "headings.tsv", "word_index.bin", "words.tsv"}));
}

// The lists' own form, and the data-set rules by their one sentence each.
INSTANTIATE_TEST_SUITE_P(Words, PackRefusal, ::testing::Values(
    Refusal{"Achse\t1\nKurbel 3\n", goodHeadings, "words.tsv:2: erwartet: ein Wort und seine Seiten, getrennt durch einen Tabulator"},
    Refusal{"Achse\t1\n\nKurbel\t2\n", goodHeadings, "words.tsv:2: erwartet: ein Wort und seine Seiten"},
    Refusal{"Achse\t\n", goodHeadings, "words.tsv:1: keine Seiten"},
    Refusal{"Achse\t1,,2\n", goodHeadings, "words.tsv:1: Seite \"\" ist keine Zahl"},
    Refusal{"Achse\t-1\n", goodHeadings, "words.tsv:1: Seite \"-1\" ist keine Zahl"},
    Refusal{"Achse\t1\r\n", goodHeadings, "words.tsv:1: Seite \"1\r\" ist keine Zahl"},
    Refusal{"Achse\t4294967297\n", goodHeadings, "words.tsv:1: Seite \"4294967297\" ist keine Zahl"},
    Refusal{"Achse\t1\nKurbel\t1800\n", goodHeadings, "words.tsv:2: Eine Seite liegt nicht zwischen 0 und 1799"},
    Refusal{"Achse\t1\nACHSE\t2\n", goodHeadings, "words.tsv:2: derselbe Schlüssel wie Zeile 1"},
    Refusal{"Caf\xC3\xA9\t1\n", goodHeadings, "words.tsv:1: Ein Zeichen des Anzeigeworts ergibt nicht seinen Schlüsselcode"},
    Refusal{"\t1\n", goodHeadings, "words.tsv:1: leeres Wort"},
    Refusal{"A\t1\n", goodHeadings, "words.tsv:1: das Wort hat 1 Zeichen, nicht 2 bis 40"},
    Refusal{"Donaudampfschifffahrtsgesellschaftskapit\xC3\xA4\t1\n", goodHeadings, "words.tsv:1: das Wort hat 41 Zeichen"},
    Refusal{"Achse\t1\nK\xFCrbel\t2\n", goodHeadings, "words.tsv:2: ungültiges UTF-8 bei Byte 1"},
    Refusal{"Ach\xED\xA0\x80se\t1\n", goodHeadings, "words.tsv:1: ungültiges UTF-8 bei Byte 3"}));

INSTANTIATE_TEST_SUITE_P(Headings, PackRefusal, ::testing::Values(
    Refusal{goodWords, "1\t1\t1. Kapitel\n2\t2\n", "headings.tsv:2: erwartet: Seite, Ebene und Titel, getrennt durch Tabulatoren"},
    Refusal{goodWords, "1\t1\t1. Kapitel\twas\n", "headings.tsv:1: der Titel enthält einen Tabulator"},
    Refusal{goodWords, "-1\t1\t1. Kapitel\n", "headings.tsv:1: Seite \"-1\" ist keine Zahl"},
    Refusal{goodWords, "1\t\t1. Kapitel\n", "headings.tsv:1: Ebene \"\" ist keine Zahl"},
    Refusal{goodWords, "1\t1\t\n", "headings.tsv:1: leerer Titel"},
    Refusal{goodWords, "1\t1\t1. \xE2\x86\x92\n", "headings.tsv:1: das Zeichen U+2192 gibt es in cp1252 nicht"},
    Refusal{goodWords, "1\t1\t1. Kap\xC2\x85itel\n", "headings.tsv:1: das Zeichen U+0085 gibt es in cp1252 nicht"},
    Refusal{goodWords, "1\t1\t1. Kapitel\n2\t2\t1.1 Ab\xE0\x80\x80schnitt\n", "headings.tsv:2: ungültiges UTF-8 bei Byte 6"},
    Refusal{goodWords, "0\t1\t1. Kapitel\n", "headings.tsv:1: Eine Seite liegt unter 1 oder unter der Seite davor"},
    Refusal{goodWords, "5\t1\t1. Kapitel\n4\t2\t1.1 Abschnitt\n", "headings.tsv:2: Eine Seite liegt unter 1 oder unter der Seite davor"},
    Refusal{goodWords, "1\t4\t1. Kapitel\n", "headings.tsv:1: Eine Ebene ist nicht 1, 2 oder 3"},
    Refusal{goodWords, "1\t2\t1.1 Abschnitt\n", "headings.tsv:1: Die Tabelle beginnt nicht mit einem Kapitel"},
    Refusal{goodWords, "1\t1\t1. Kapitel\n1\t3\t1.0.1 Unter\n", "headings.tsv:2: Ein Unterabschnitt folgt direkt auf ein Kapitel"},
    Refusal{goodWords, "1\t1\t1. Kapitel\r\n", "headings.tsv:1: Ein Titel enthält einen Tabulator, ein Steuerzeichen"},
    Refusal{goodWords, "1\t1\t1. Kap\xC2\x81itel\n", "headings.tsv:1: Ein Titel enthält einen Tabulator, ein Steuerzeichen"}));

TEST(PackRefusal, AHeadingTrailOverTheLineLimitIsRefused) {
  const std::string title(400, 'x');
  const std::string headings = "1\t1\t" + title + "\n2\t2\t" + title + "\n3\t3\t" + title.substr(0, 177) +
                               "\n4\t3\t" + title.substr(0, 178) + "\n";
  ScratchDir scratch;
  writeFile(scratch.path("words.tsv"), goodWords);
  writeFile(scratch.path("headings.tsv"), headings);
  const ToolRun run = runTool({"pack", scratch.path("words.tsv"), scratch.path("headings.tsv"),
                               scratch.path("w.bin"), scratch.path("h.bin")}, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, scratch.path("headings.tsv") +
                         ":4: Die gleichzeitig geltenden Titel haben zusammen mehr als 977 Zeichen\n");
  EXPECT_EQ(scratch.names(), (std::vector<std::string>{"headings.tsv", "words.tsv"}));
}

// Good lists whose second output cannot be written: the first output must
// not be replaced either, and no temporary file may stay behind.
struct OutputFault {
  const char* what;
  const char* headingTarget;   // relative to the scratch directory
  const char* directory;       // made before the run, or nullptr
};

TEST(PackRefusal, AnOutputThatCannotBeWrittenReplacesNothing) {
  const OutputFault faults[] = {
      {"directory missing", "missing/heading_table.bin", nullptr},
      {"target is a directory", "heading_table.bin", "heading_table.bin"},
  };
  for (const OutputFault& fault : faults) {
    ScratchDir scratch;
    writeFile(scratch.path("words.tsv"), goodWords);
    writeFile(scratch.path("headings.tsv"), goodHeadings);
    writeFile(scratch.path("word_index.bin"), "old index");
    if (fault.directory != nullptr) std::filesystem::create_directory(scratch.path(fault.directory));
    const std::vector<std::string> before = scratch.names();
    const ToolRun run = runTool({"pack", scratch.path("words.tsv"), scratch.path("headings.tsv"),
                                 scratch.path("word_index.bin"), scratch.path(fault.headingTarget)}, scratch);
    EXPECT_EQ(run.exitCode, 1) << fault.what;
    EXPECT_EQ(run.err.rfind(scratch.path(fault.headingTarget) + ": ", 0), 0u) << fault.what << ": " << run.err;
    EXPECT_EQ(readFile(scratch.path("word_index.bin")), "old index") << fault.what;
    EXPECT_EQ(scratch.names(), before) << fault.what;
  }
}

TEST(PackRefusal, EveryBrokenLineIsReportedNotOnlyTheFirst) {
  ScratchDir scratch;
  writeFile(scratch.path("words.tsv"), "Achse\t1\nB\t2\nKurbel\t3\nC\t4\n");
  writeFile(scratch.path("headings.tsv"), "1\t0\tx\n");
  const ToolRun run = runTool({"pack", scratch.path("words.tsv"), scratch.path("headings.tsv"),
                               scratch.path("w.bin"), scratch.path("h.bin")}, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, scratch.path("words.tsv") + ":2: das Wort hat 1 Zeichen, nicht 2 bis 40\n" +
                         scratch.path("words.tsv") + ":4: das Wort hat 1 Zeichen, nicht 2 bis 40\n" +
                         scratch.path("headings.tsv") + ":1: Eine Ebene ist nicht 1, 2 oder 3\n");
}

TEST(Usage, MisuseExitsWithTwoAndTheUsage) {
  ScratchDir scratch;
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, {"bake"}, {"pack", "a"}, {"extract", "a", "b", "2", "4", "d"}, {"stats"}}) {
    const ToolRun run = runTool(arguments, scratch);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.rfind("usage: quirel-mkdata", 0), 0u) << run.err;
    if (arguments.empty()) {
      EXPECT_NE(run.err.find("quirel-mkdata book BOOK.pdf"), std::string::npos) << run.err;
    }
  }
}

// Every command is listed, each has its help, on standard output.
TEST(Usage, HelpListsEveryCommandAndExplainsEach) {
  ScratchDir scratch;
  const ToolRun all = runTool({"--help"}, scratch);
  EXPECT_EQ(all.exitCode, 0);
  for (const char* command : {"book BOOK.pdf OUT_DIR", "pack WORDS_TSV", "stats DATA_SET", "COMMAND --help"})
    EXPECT_NE(all.out.find(std::string("quirel-mkdata ") + command), std::string::npos) << command;
  for (const char* command : {"book", "pack", "stats"}) {
    const ToolRun help = runTool({command, "--help"}, scratch);
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_EQ(help.out.rfind(std::string("usage: quirel-mkdata ") + command, 0), 0u) << help.out;
    EXPECT_GT(help.out.size(), 150u) << command;
  }
}

TEST(Stats, ARefusedDataSetIsReportedWithItsFault) {
  ScratchDir scratch;
  writeFile(scratch.path("broken.bin"), std::string("\x03\x05\x00", 3));
  const ToolRun run = runTool({"stats", scratch.path("broken.bin")}, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("broken.bin: kein gültiger Datensatz; als Wortindex, Byte 3: Ein Anzeigewort reicht"), std::string::npos)
      << run.err;
}

}  // namespace
