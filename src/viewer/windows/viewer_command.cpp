#include "viewer/windows/viewer_command.h"

#include <cassert>

#include "viewer/windows/argument_quoting.h"
#include "viewer/windows/file_url.h"

namespace {

// The ways a viewer takes a page, each as the arguments after the program.
enum class PageArguments {
  pageOption,     // -page N "document"
  openParameter,  // /A "page=N" "document"
  urlFragment,    // file:///C:/document#page=N
};

// The ways a viewer takes a word to find from that page.
enum class WordArguments {
  none,            // the page alone: no way, or one that would leave the page
  searchOption,    // -search "word", before the document
  searchFragment,  // &search=word after the page in the address
};

struct KnownWindowsViewer {
  const wchar_t* executable;  // lower case
  PageArguments page;
  WordArguments word;
};

// Each row with the option as the viewer's own documentation gives it, and
// what the viewer does when it is given the page and the word together.
constexpr KnownWindowsViewer knownWindowsViewers[] = {
    // SumatraPDF, "Command-line arguments" (sumatrapdfreader.org/docs/Command-line-arguments):
    // "-page <pageNo> : scrolls the first indicated file to the indicated page."; "-search
    // <term> : Start a search for a given term when opening a document e.g. SumatraPDF -search
    // "foo" bar.pdf. Ver 3.4+". It goes to the page first, then FindTextOnThread searches from
    // ctrl->CurrentPageNo(), so the word is marked on the page; the argument after -search is
    // its term whatever it begins with (args.EatParam()). A SumatraPDF before 3.4 would take
    // "-search" and the word for two more files to open.
    {L"sumatrapdf.exe", PageArguments::pageOption, WordArguments::searchOption},
    // Adobe Acrobat and Reader, Acrobat SDK "Parameters for Opening PDF Files": "pass the
    // parameters to the open command using the /A switch with the following syntax:
    // <Acrobat path> /A "<parameter>=<value>" "<PDF path>""; "page=pagenum Specifies a
    // numbered page in the document, using an integer value. The document's first page has a
    // pagenum value of 1." Its "search=wordList Opens the Search panel and performs a search
    // for any of the words in the specified word list. The first matching word is highlighted
    // in the document": the document's first match, not the page's, so the page alone.
    {L"acrord32.exe", PageArguments::openParameter, WordArguments::none},
    {L"acrobat.exe", PageArguments::openParameter, WordArguments::none},
    // Microsoft Edge: its viewer reads the open parameters of a PDF address's fragment, RFC 8118
    // section 3 ("page=<pagenum>", as in "#page=2"); the PDF Association's "PDF Fragment
    // Identifiers" (pdfa.org, 2024) lists #page as supported by Edge, Chrome and Firefox. No
    // word: its viewer, Chromium's, reads none.
    {L"msedge.exe", PageArguments::urlFragment, WordArguments::none},
    // Google Chrome: the PDF viewer's OpenPdfParamsParser (chrome/browser/resources/pdf/
    // open_pdf_params_parser.ts) reads "page" from the address's fragment, "#page=N", and no word.
    {L"chrome.exe", PageArguments::urlFragment, WordArguments::none},
    // Mozilla Firefox, whose viewer is PDF.js, "Viewer options" (github.com/mozilla/pdf.js/wiki/
    // Viewer-options): "page: page number. Example: page=2", given after the hash, "#page=2".
    // Its PDFLinkService.setHash reads "search" too and sets the page; PDFFindController then
    // starts at "this._linkService.page - 1": the word is marked on the page.
    {L"firefox.exe", PageArguments::urlFragment, WordArguments::searchFragment},
};

const KnownWindowsViewer* knownWindowsViewer(const std::wstring& viewer) {
  const std::wstring name = executableName(viewer);
  for (const KnownWindowsViewer& known : knownWindowsViewers) {
    if (name == known.executable) return &known;
  }
  return nullptr;
}

// The word's arguments before the document, or after the page in the address.
std::wstring searchOption(const KnownWindowsViewer& viewer, const std::wstring& word) {
  return viewer.word == WordArguments::searchOption ? L"-search " + quotedArgument(word) + L" " : L"";
}

std::wstring searchFragment(const KnownWindowsViewer& viewer, const std::wstring& word) {
  return viewer.word == WordArguments::searchFragment ? L"&search=" + addressTextOf(word) : L"";
}

std::wstring argumentsAtPage(const KnownWindowsViewer& viewer, const std::wstring& document, int page,
                             const std::wstring& word) {
  const std::wstring number = std::to_wstring(page);
  switch (viewer.page) {
    case PageArguments::pageOption:
      return L"-page " + number + L" " + searchOption(viewer, word) + quotedArgument(document);
    case PageArguments::openParameter:
      return L"/A \"page=" + number + L"\" " + quotedArgument(document);
    case PageArguments::urlFragment:
      return quotedArgument(fileUrlOfWindowsPath(document) + L"#page=" + number + searchFragment(viewer, word));
  }
  assert(false);
  return {};
}

}  // namespace

std::wstring executableName(const std::wstring& viewer) {
  const std::size_t separator = viewer.find_last_of(L"\\/");
  std::wstring name = viewer.substr(separator == std::wstring::npos ? 0 : separator + 1);
  for (wchar_t& character : name) {
    if (character >= L'A' && character <= L'Z') character = static_cast<wchar_t>(character - L'A' + L'a');
  }
  return name;
}

std::optional<std::wstring> commandLineAtPage(const std::wstring& viewer, const std::wstring& document, int page,
                                              const std::wstring& word) {
  assert(!document.empty() && page >= 1 && !word.empty());
  const KnownWindowsViewer* known = knownWindowsViewer(viewer);
  if (known == nullptr) return std::nullopt;
  return quotedProgram(viewer) + L" " + argumentsAtPage(*known, document, page, word);
}
