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

struct KnownWindowsViewer {
  const wchar_t* executable;  // lower case
  PageArguments arguments;
};

// Each row with the option as the viewer's own documentation gives it.
constexpr KnownWindowsViewer knownWindowsViewers[] = {
    // SumatraPDF, "Command-line arguments" (sumatrapdfreader.org/docs/Command-line-arguments):
    // "-page <pageNo> : scrolls the first indicated file to the indicated page."
    {L"sumatrapdf.exe", PageArguments::pageOption},
    // Adobe Acrobat and Reader, Acrobat SDK "Parameters for Opening PDF Files": "pass the
    // parameters to the open command using the /A switch with the following syntax:
    // <Acrobat path> /A "<parameter>=<value>" "<PDF path>""; "page=pagenum Specifies a
    // numbered page in the document, using an integer value. The document's first page has a
    // pagenum value of 1."
    {L"acrord32.exe", PageArguments::openParameter},
    {L"acrobat.exe", PageArguments::openParameter},
    // Microsoft Edge: its viewer reads the open parameters of a PDF address's fragment, RFC 8118
    // section 3 ("page=<pagenum>", as in "#page=2"); the PDF Association's "PDF Fragment
    // Identifiers" (pdfa.org, 2024) lists #page as supported by Edge, Chrome and Firefox.
    {L"msedge.exe", PageArguments::urlFragment},
    // Google Chrome: the PDF viewer's OpenPdfParamsParser (chrome/browser/resources/pdf/
    // open_pdf_params_parser.ts) reads "page" from the address's fragment, "#page=N".
    {L"chrome.exe", PageArguments::urlFragment},
    // Mozilla Firefox, whose viewer is PDF.js, "Viewer options" (github.com/mozilla/pdf.js/wiki/
    // Viewer-options): "page: page number. Example: page=2", given after the hash, "#page=2".
    {L"firefox.exe", PageArguments::urlFragment},
};

const KnownWindowsViewer* knownWindowsViewer(const std::wstring& viewer) {
  const std::wstring name = executableName(viewer);
  for (const KnownWindowsViewer& known : knownWindowsViewers) {
    if (name == known.executable) return &known;
  }
  return nullptr;
}

std::wstring argumentsAtPage(PageArguments arguments, const std::wstring& document, int page) {
  const std::wstring number = std::to_wstring(page);
  switch (arguments) {
    case PageArguments::pageOption:
      return L"-page " + number + L" " + quotedArgument(document);
    case PageArguments::openParameter:
      return L"/A \"page=" + number + L"\" " + quotedArgument(document);
    case PageArguments::urlFragment:
      return quotedArgument(fileUrlOfWindowsPath(document) + L"#page=" + number);
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

std::optional<std::wstring> commandLineAtPage(const std::wstring& viewer, const std::wstring& document, int page) {
  assert(!document.empty() && page >= 1);
  const KnownWindowsViewer* known = knownWindowsViewer(viewer);
  if (known == nullptr) return std::nullopt;
  return quotedProgram(viewer) + L" " + argumentsAtPage(known->arguments, document, page);
}
