// The viewers whose way to be told a page is known, each row with what its
// own documentation says, and where it can be told a word to find, what it
// does when it is given the page and the word together: a viewer that would
// leave the page for the word gets the page alone.
#include <cstring>

#include "viewer/xdg/viewer_command.h"

namespace {

constexpr const char* pdfOpenParameters =
    "RFC 8118 and the PDF open parameters: a fragment \"page=pagenum\", the first page 1";
constexpr const char* pdfJs =
    "PDF.js viewer options (Firefox's PDF viewer): given after the hash, \"page: page number. Example: page=2\"; "
    "its PDFLinkService.setHash reads \"search\" too: if (params.has(\"search\")) ... "
    "dispatch(\"findfromurlhash\", ...)";
constexpr const char* pdfJsFromThePage =
    "PDF.js sets the page, then PDFFindController's nextMatch starts at \"this._linkService.page - 1\": "
    "the word is found from the page";
constexpr const char* chromiumNoWord = "Chromium's OpenPdfParamsParser reads page, zoom, view and nameddest, no word";
constexpr const char* mupdf = "mupdf(1): SYNOPSIS  mupdf [options] file [page_number]; no option finds a word";

const KnownXdgViewer knownXdgViewers[] = {
    {"evince", Told::optionJoined, "--page-index=", Told::optionJoined, "--find=",
     "evince(1): -i, --page-index=NUMBER  Open the document on the page with the specified page index (this is "
     "the exact page number, not a page label). -l, --find=string  You can pass a word or phrase here. If it "
     "exists, evince will display the document and the first match.",
     "Evince 43 finds from the page it opened: it stays there and marks the word, though the word stands on an "
     "earlier page too (tests/fltk_window, the real Evince)"},
    {"atril", Told::optionJoined, "--page-index=", Told::nothing, nullptr,
     "atril(1): -i, --page-index=NUMBER  Here you can specify a page number, this page will be selected in the "
     "document if it exists. atril --help: -l, --find=STRING  The word or phrase to find in the document",
     "Atril 1.26 given --find shows the document's first page, its page field at the match, and marks "
     "nothing: the page alone"},
    {"xreader", Told::optionJoined, "--page-index=", Told::nothing, nullptr,
     "xreader(1): -i, --page-index=NUMBER  Here you can specify a page number, this page will be selected in the "
     "document if it exists.",
     "Xreader is not in Debian, and what its --find does with the page is not known: the page alone"},
    {"okular", Told::optionApart, "-p", Told::nothing, nullptr,
     "okular(1): -p, --page number  Open a given page in the document. --find string  Find a string on the text.",
     "Okular's find bar searches from the document's start unless its reader has asked for \"From current "
     "page\" (SearchFromCurrentPage, false by default): the page alone"},
    {"zathura", Told::optionJoined, "--page=", Told::optionJoined, "--find=",
     "zathura(1): -P, --page=number  Opens the document at the given page number. Pages are numbered starting "
     "with 1. -f, --find=string  Opens the document and searches for the given string.",
     "zathura 0.5 opens the page, then its cmd_search walks the pages from the current one: it stays there and "
     "marks the word"},
    {"mupdf", Told::afterDocument, nullptr, Told::nothing, nullptr, mupdf, ""},
    {"mupdf-gl", Told::afterDocument, nullptr, Told::nothing, nullptr, mupdf, ""},
    {"mupdf-x11", Told::afterDocument, nullptr, Told::nothing, nullptr, mupdf, ""},
    {"qpdfview", Told::fileFragment, nullptr, Told::optionApart, "--search",
     "qpdfview(1): qpdfview [options] [--] [file[#page]] ...  The optional parameter page opens the file at the "
     "given page. --search text  Initiates a search for text in the current tab.",
     "qpdfview 0.5 opens the page, then searches from the current page: it stays there and marks the word; the "
     "argument after --search is the text whatever it begins with"},
    {"firefox", Told::urlFragment, "#page=", Told::urlFragment, "&search=", pdfJs, pdfJsFromThePage},
    {"firefox-esr", Told::urlFragment, "#page=", Told::urlFragment, "&search=", pdfJs, pdfJsFromThePage},
    {"chromium", Told::urlFragment, "#page=", Told::nothing, nullptr, pdfOpenParameters, chromiumNoWord},
    {"chromium-browser", Told::urlFragment, "#page=", Told::nothing, nullptr, pdfOpenParameters, chromiumNoWord},
    {"google-chrome", Told::urlFragment, "#page=", Told::nothing, nullptr, pdfOpenParameters, chromiumNoWord},
    {"google-chrome-stable", Told::urlFragment, "#page=", Told::nothing, nullptr, pdfOpenParameters, chromiumNoWord},
};

}  // namespace

const KnownXdgViewer* knownXdgViewer(const std::string& programBasename) {
  for (const KnownXdgViewer& viewer : knownXdgViewers) {
    if (programBasename == viewer.program) return &viewer;
  }
  return nullptr;
}
