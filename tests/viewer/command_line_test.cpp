// The command lines built from an Exec line: each known viewer told the
// page its own way, and the word where it finds it from the page; the Exec
// rules' quoting and field codes.
#include <gtest/gtest.h>

#include "viewer/xdg/viewer_command.h"

namespace {

struct Case {
  const char* exec;
  const char* path;
  int page;
  const char* argv;  // words joined by '|'; "refused" for a line the rules refuse
  const char* word = "Welle";
};

std::string joined(const DesktopEntry& entry, const Case& c) {
  std::vector<std::string> argv;
  if (!viewerCommandLine(entry, c.path, c.page, c.word, argv)) return "refused";
  std::string text;
  for (const std::string& word : argv) text += (text.empty() ? "" : "|") + word;
  return text;
}

template <std::size_t count>
void check(const Case (&cases)[count]) {
  for (const Case& c : cases) {
    DesktopEntry entry = {"leser.desktop", "/apps/leser.desktop", c.exec, "leser-icon", "Leser", {}};
    EXPECT_EQ(joined(entry, c), c.argv) << c.exec;
  }
}

TEST(ViewerCommandLine, EachKnownViewerIsToldThePageItsOwnWayAndTheWordWhereItFindsItThere) {
  const Case cases[] = {
      {"evince %U", "/books/a b.pdf", 412, "evince|--page-index=412|--find=Welle|/books/a b.pdf"},
      {"atril %U", "/books/a b.pdf", 412, "atril|--page-index=412|/books/a b.pdf"},
      {"xreader %U", "/books/a b.pdf", 1, "xreader|--page-index=1|/books/a b.pdf"},
      {"okular %U", "/books/a b.pdf", 412, "okular|-p|412|/books/a b.pdf"},
      {"/usr/bin/okular --unique %U", "/b.pdf", 7, "/usr/bin/okular|-p|7|--unique|/b.pdf"},
      {"zathura %U", "/books/a b.pdf", 412, "zathura|--page=412|--find=Welle|/books/a b.pdf"},
      {"mupdf %f", "/books/a b.pdf", 412, "mupdf|/books/a b.pdf|412"},
      {"mupdf-gl %f", "/b.pdf", 3, "mupdf-gl|/b.pdf|3"},
      {"mupdf-x11 -r 96 %f", "/b.pdf", 3, "mupdf-x11|-r|96|/b.pdf|3"},
      {"qpdfview --unique %F", "/books/a b.pdf", 412, "qpdfview|--search|Welle|--unique|/books/a b.pdf#412"},
      {"firefox %u", "/books/a b.pdf", 412, "firefox|file:///books/a%20b.pdf#page=412&search=Welle"},
      {"firefox-esr %u", "/b/\xC3\xA4#1 ?%.pdf", 3,
       "firefox-esr|file:///b/%C3%A4%231%20%3F%25.pdf#page=3&search=Welle"},
      {"chromium %U", "/b.pdf", 9, "chromium|file:///b.pdf#page=9"},
      {"/usr/bin/chromium-browser %U", "/b.pdf", 9, "/usr/bin/chromium-browser|file:///b.pdf#page=9"},
      {"/usr/bin/google-chrome-stable %U", "/b.pdf", 9, "/usr/bin/google-chrome-stable|file:///b.pdf#page=9"},
      // Not known: the Exec line as it is, the document in its place.
      {"lesewerk --fit %f --fast", "/books/a b.pdf", 412, "lesewerk|--fit|/books/a b.pdf|--fast"},
      {"flatpak run org.gnome.Evince %U", "/b.pdf", 4, "flatpak|run|org.gnome.Evince|/b.pdf"},
      // Without a file code the document comes last.
      {"evince", "/b.pdf", 5, "evince|--page-index=5|--find=Welle|/b.pdf"},
      {"mupdf -I", "/b.pdf", 5, "mupdf|-I|/b.pdf|5"},
  };
  check(cases);
}

// Each word is one argument of its own, or in an address percent-encoded;
// none can be taken for an option or a file.
TEST(ViewerCommandLine, AnAwkwardWordStaysOneArgument) {
  const char* awkward = "-K\xC3\xBChler \"2\" $x&page=1#";
  const Case cases[] = {
      {"evince %U", "/b.pdf", 4, "evince|--page-index=4|--find=-K\xC3\xBChler \"2\" $x&page=1#|/b.pdf", awkward},
      {"zathura %U", "/b.pdf", 4, "zathura|--page=4|--find=-K\xC3\xBChler \"2\" $x&page=1#|/b.pdf", awkward},
      {"qpdfview %F", "/b.pdf", 4, "qpdfview|--search|-K\xC3\xBChler \"2\" $x&page=1#|/b.pdf#4", awkward},
      {"qpdfview %F", "/b.pdf", 4, "qpdfview|--search|--unique|/b.pdf#4", "--unique"},
      {"firefox %u", "/b.pdf", 4, "firefox|file:///b.pdf#page=4&search=-K%C3%BChler%20%222%22%20%24x%26page%3D1%23",
       awkward},
  };
  check(cases);
}

TEST(ViewerCommandLine, ExecLinesAreSplitAndExpandedByTheDesktopEntryRules) {
  const Case cases[] = {
      {"\"/opt/my app/lesen\" %f", "/d.pdf", 1, "/opt/my app/lesen|/d.pdf"},
      {"lesen \"a \\\"q\\\" \\$ \\` \\\\ b\" %f", "/d.pdf", 1, "lesen|a \"q\" $ ` \\ b|/d.pdf"},
      {"lesen \"\\n\" %f", "/d.pdf", 1, "lesen|\\n|/d.pdf"},
      {"lesen a\\ b 'c d' %f", "/d.pdf", 1, "lesen|a b|'c|d'|/d.pdf"},
      {"lesen ; $HOME `x` | > %f", "/d.pdf", 1, "lesen|;|$HOME|`x`|||>|/d.pdf"},
      {"  lesen\t\t%f  ", "/d.pdf", 1, "lesen|/d.pdf"},
      {"lesen \"\" %f", "/d.pdf", 1, "lesen||/d.pdf"},
      {"lesen --file=%f", "/d.pdf", 1, "lesen|--file=/d.pdf"},
      {"lesen --name=%c --entry=%k %i %F", "/d.pdf", 1,
       "lesen|--name=Leser|--entry=/apps/leser.desktop|--icon|leser-icon|/d.pdf"},
      {"lesen 100%% %u", "/d.pdf", 1, "lesen|100%|/d.pdf"},
      {"lesen %d %D %n %N %v %m -x%m %f", "/d.pdf", 1, "lesen|-x|/d.pdf"},
      {"lesen %x %f", "/d.pdf", 1, "refused"},
      {"lesen %f 50%", "/d.pdf", 1, "refused"},
      {"lesen \"unclosed %f", "/d.pdf", 1, "refused"},
      {"%f", "/d.pdf", 1, "refused"},
      {"\"\" %f", "/d.pdf", 1, "refused"},
      {"   ", "/d.pdf", 1, "refused"},
  };
  check(cases);
}

}  // namespace
