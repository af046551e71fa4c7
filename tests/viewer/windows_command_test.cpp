// The Windows viewer's command lines: each argument as the C runtime reads it
// back, and each known viewer started at its page. The real parser reads
// them under Wine (tests/windows/viewer_test.cpp).
#include <gtest/gtest.h>

#include "viewer/windows/argument_quoting.h"
#include "viewer/windows/viewer_command.h"

namespace {

struct Quoting {
  const wchar_t* argument;
  const wchar_t* quoted;
};

TEST(ViewerCommands, ArgumentsAreQuotedForTheRuntimesParser) {
  const Quoting cases[] = {
      {L"C:\\B\u00fccher\\a.pdf", L"C:\\B\u00fccher\\a.pdf"},        // nothing to do, non-ASCII kept
      {L"C:\\a b.pdf", L"\"C:\\a b.pdf\""},                            // a blank wraps
      {L"a\tb", L"\"a\tb\""},                                          // a tab too
      {L"", L"\"\""},                                                  // empty
      {L"say \"hi\"", L"\"say \\\"hi\\\"\""},                          // quotes escaped
      {L"a\"b", L"a\\\"b"},                                            // even unwrapped
      {L"a\\\"b", L"a\\\\\\\"b"},                                      // backslash before a quote doubled
      {L"C:\\dir\\", L"C:\\dir\\"},                                    // trailing backslash, unwrapped: kept
      {L"C:\\my dir\\\\", L"\"C:\\my dir\\\\\\\\\""},                  // wrapped: doubled before the close
      {L"a\\\\b c", L"\"a\\\\b c\""},                                  // backslashes inside: kept
      {L"-page", L"-page"},                                            // a leading '-' stays
  };
  for (const Quoting& c : cases) EXPECT_EQ(quotedArgument(c.argument), c.quoted) << c.argument;
}

struct Command {
  const wchar_t* viewer;
  const wchar_t* document;
  int page;
  const wchar_t* word;
  const wchar_t* commandLine;
};

// SumatraPDF and Firefox find the word from the page; the others get the page alone.
TEST(ViewerCommands, KnownViewersStartAtThePageWithTheWordWhereTheyFindItThere) {
  const Command cases[] = {
      {L"C:\\Program Files\\SumatraPDF\\SumatraPDF.exe", L"C:\\B\u00fccher\\a b.pdf", 412, L"Spindel",
       L"\"C:\\Program Files\\SumatraPDF\\SumatraPDF.exe\" -page 412 -search Spindel \"C:\\B\u00fccher\\a b.pdf\""},
      {L"C:\\S\\sumatrapdf.exe", L"C:\\a.pdf", 5, L"-K\u00fchler \"2\" $x",
       L"\"C:\\S\\sumatrapdf.exe\" -page 5 -search \"-K\u00fchler \\\"2\\\" $x\" C:\\a.pdf"},
      {L"C:\\S\\SumatraPDF.exe", L"C:\\a.pdf", 5, L"-page",
       L"\"C:\\S\\SumatraPDF.exe\" -page 5 -search -page C:\\a.pdf"},
      {L"C:\\Reader\\AcroRd32.exe", L"C:\\-x\\a.pdf", 7, L"Welle",
       L"\"C:\\Reader\\AcroRd32.exe\" /A \"page=7\" C:\\-x\\a.pdf"},
      {L"C:\\A\\ACROBAT.EXE", L"C:\\a \"b\".pdf", 1, L"Welle",
       L"\"C:\\A\\ACROBAT.EXE\" /A \"page=1\" \"C:\\a \\\"b\\\".pdf\""},
      {L"C:\\E\\msedge.exe", L"C:\\B\u00fccher\\a b.pdf", 412, L"Welle",
       L"\"C:\\E\\msedge.exe\" file:///C:/B%C3%BCcher/a%20b.pdf#page=412"},
      {L"C:\\G\\chrome.exe", L"C:\\x\\100%#1?.pdf", 3, L"Welle",
       L"\"C:\\G\\chrome.exe\" file:///C:/x/100%25%231%3F.pdf#page=3"},
      {L"C:\\F\\Firefox.exe", L"\\\\server\\b\u00fccher\\\u20ac \U0001F600.pdf", 2, L"Welle",
       L"\"C:\\F\\Firefox.exe\" file://server/b%C3%BCcher/%E2%82%AC%20%F0%9F%98%80.pdf#page=2&search=Welle"},
      {L"C:\\F\\firefox.exe", L"C:\\a.pdf", 9, L"-K\u00fchler \"2\" $x&page=1#",
       L"\"C:\\F\\firefox.exe\" file:///C:/a.pdf#page=9&search=-K%C3%BChler%20%222%22%20%24x%26page%3D1%23"},
  };
  for (const Command& c : cases) {
    EXPECT_EQ(commandLineAtPage(c.viewer, c.document, c.page, c.word), c.commandLine) << c.viewer;
  }
}

TEST(ViewerCommands, OtherViewersAreLeftToTheShell) {
  for (const wchar_t* viewer :
       {L"", L"C:\\x\\notepad.exe", L"C:\\x\\sumatrapdf.exe.bak", L"C:\\sumatrapdf.exe\\y.exe"}) {
    EXPECT_FALSE(commandLineAtPage(viewer, L"C:\\a.pdf", 1, L"Welle")) << viewer;
  }
}

}  // namespace
