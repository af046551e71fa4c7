// The viewers whose way to be told a page is known, each row with what its
// own documentation says.
#include <cstring>

#include "viewer/xdg/viewer_command.h"

namespace {

constexpr const char* pdfOpenParameters =
    "RFC 8118 and the PDF open parameters: a fragment \"page=pagenum\", the first page 1";

const KnownXdgViewer knownXdgViewers[] = {
    {"evince", PageStyle::optionJoined, "--page-index=",
     "evince(1): -i, --page-index=NUMBER  Open the document on the page with the specified page "
     "index (this is the exact page number, not a page label)."},
    {"atril", PageStyle::optionJoined, "--page-index=",
     "atril(1): -i, --page-index=NUMBER  Here you can specify a page number, this page will be "
     "selected in the document if it exists."},
    {"xreader", PageStyle::optionJoined, "--page-index=",
     "xreader(1): -i, --page-index=NUMBER  Here you can specify a page number, this page will be "
     "selected in the document if it exists."},
    {"okular", PageStyle::optionApart, "-p", "okular(1): -p, --page number  Open a given page in the document."},
    {"zathura", PageStyle::optionJoined, "--page=",
     "zathura(1): -P, --page=number  Opens the document at the given page number. Pages are "
     "numbered starting with 1"},
    {"mupdf", PageStyle::pageAfterFile, nullptr, "mupdf(1): SYNOPSIS  mupdf [options] file [page_number]"},
    {"mupdf-gl", PageStyle::pageAfterFile, nullptr, "mupdf(1): SYNOPSIS  mupdf [options] file [page_number]"},
    {"mupdf-x11", PageStyle::pageAfterFile, nullptr, "mupdf(1): SYNOPSIS  mupdf [options] file [page_number]"},
    {"qpdfview", PageStyle::fileFragment, nullptr,
     "qpdfview(1): qpdfview [options] [--] [file[#page]] ...  The optional parameter page opens the "
     "file at the given page."},
    {"firefox", PageStyle::urlFragment, nullptr,
     "PDF.js viewer options (Firefox's PDF viewer): given after the hash, \"page: page number. "
     "Example: page=2\""},
    {"firefox-esr", PageStyle::urlFragment, nullptr,
     "PDF.js viewer options (Firefox's PDF viewer): given after the hash, \"page: page number. "
     "Example: page=2\""},
    {"chromium", PageStyle::urlFragment, nullptr, pdfOpenParameters},
    {"chromium-browser", PageStyle::urlFragment, nullptr, pdfOpenParameters},
    {"google-chrome", PageStyle::urlFragment, nullptr, pdfOpenParameters},
    {"google-chrome-stable", PageStyle::urlFragment, nullptr, pdfOpenParameters},
};

}  // namespace

const KnownXdgViewer* knownXdgViewer(const std::string& programBasename) {
  for (const KnownXdgViewer& viewer : knownXdgViewers) {
    if (programBasename == viewer.program) return &viewer;
  }
  return nullptr;
}
