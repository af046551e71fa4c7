// The Windows viewer as a desktop's file association leads to it: .pdf names
// a document kind whose "open" runs the recorder, under a known viewer's name
// or an unknown one. Each case asks for a document at a page with a word and
// reads the recorder's command line back through the system's own parser.
// Last, the real program: a double-click on a result row of quirel.exe,
// started from a folder beside a stand-in for the book's PDF, starts the
// viewer at the row's PDF page with its word. The association is left
// removed in the session's own prefix.
//
//   test_viewer PROGRAMS_FOLDER QUIREL_EXE   (the recorder under each name)
#include <cstdlib>
#include <string>

#include "checks.h"
#include "viewer_association.h"
#include "viewer/document_viewer.h"

namespace {

const std::wstring folder = L"C:\\B\u00fccher Regal\\";
const std::wstring record = folder + L"record.txt";

Arguments recordedArguments() { return ::recordedArguments(record); }

// The stand-in's checksum is not the book's, so the program says so first,
// and the test answers. The book's PDF page is its printed page + 56. The
// first row of "Achse" begins on printed page 2, where "Achse" does not
// stand and "Achsen", the list's second word, does.
void checkDoubleClick(const std::wstring& quirel) {
  const std::wstring copy = folder + L"quirel.exe", pdf = folder + L"LinuxCNC_Documentation_de.pdf";
  CopyFileW(quirel.c_str(), copy.c_str(), FALSE);
  CloseHandle(CreateFileW(pdf.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  CreateProcessW(copy.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program);
  HWND dialog = dialogOf(program.dwThreadId, nullptr);
  const std::string row = doubleClickFirstRow(dialog, "Achse");
  PostMessageA(dialogOf(program.dwThreadId, dialog), WM_COMMAND, IDOK, 0);
  const Arguments expected = {L"-page", std::to_wstring(std::atoi(row.c_str()) + 56), L"-search", L"Achsen", pdf};
  CHECK(std::atoi(row.c_str()) > 0 && recordedArguments() == expected, "a double-click on " + row);
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (WaitForSingleObject(program.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(program.hProcess, 1);
  CloseHandle(program.hThread);
  CloseHandle(program.hProcess);
  DeleteFileW(copy.c_str());
  DeleteFileW(pdf.c_str());
}

struct Case {
  const wchar_t* program;  // the association's, in the programs folder; none: no association
  std::wstring document;
  ViewerStart start;
  Arguments arguments;  // as the viewer reads them
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::wstring programs = windowsPath(argv[1]);
  CreateDirectoryW(folder.c_str(), nullptr);
  SetEnvironmentVariableW(L"VIEWER_RECORD", record.c_str());
  const std::wstring odd = folder + L"-Band \"2\" \u00e4\u00f6\u00fc.pdf";
  const std::wstring word = L"-Gr\u00fc\u00dfe \"2\" $x";
  const std::wstring greeting = folder + L"-Gr\u00fc\u00dfe aus K\u00f6ln.pdf";
  CloseHandle(CreateFileW(greeting.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const Case cases[] = {
      {L"SumatraPDF.exe", odd, ViewerStart::started, {L"-page", L"412", L"-search", word, odd}},
      {L"AcroRd32.exe", odd, ViewerStart::started, {L"/A", L"page=412", odd}},
      {L"MSEdge.exe", odd, ViewerStart::started,
       {L"file:///C:/B%C3%BCcher%20Regal/-Band%20%222%22%20%C3%A4%C3%B6%C3%BC.pdf#page=412"}},
      {L"firefox.exe", odd, ViewerStart::started,
       {L"file:///C:/B%C3%BCcher%20Regal/-Band%20%222%22%20%C3%A4%C3%B6%C3%BC.pdf#page=412"
        L"&search=-Gr%C3%BC%C3%9Fe%20%222%22%20%24x"}},
      {L"pdf-leser.exe", greeting, ViewerStart::started, {greeting}},
      {L"missing\\SumatraPDF.exe", odd, ViewerStart::failed, {}},
      {L"", greeting, ViewerStart::noViewer, {}},
  };
  for (const Case& c : cases) {
    associate(programs, c.program);
    const ViewerStart start = showDocumentAtPage(utf8Of(c.document).c_str(), 412, utf8Of(word).c_str());
    const std::string about = utf8Of(std::wstring(c.program) + L": " + c.document);
    CHECK(start == c.start, about + ", start " + std::to_string(static_cast<int>(start)));
    if (c.start == ViewerStart::started) CHECK(recordedArguments() == c.arguments, about);
  }
  associate(programs, L"SumatraPDF.exe");
  checkDoubleClick(windowsPath(argv[2]));
  associate(programs, L"");
  DeleteFileW(greeting.c_str());
  RemoveDirectoryW(folder.c_str());
  return checkSummary("test_viewer");
}
