// The Windows viewer as a desktop's file association leads to it: .pdf names
// a document kind whose "open" runs the recorder,
// under a known viewer's name or an unknown one. Each case asks for a
// document at a page and reads the recorder's command line back through the
// system's own parser.
//
//   test_viewer PROGRAMS_FOLDER   (the recorder under each name)
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "checks.h"
#include "platform/viewer/document_viewer.h"

namespace {

using Arguments = std::vector<std::wstring>;

const std::wstring folder = L"C:\\B\u00fccher Regal\\";
const std::wstring record = folder + L"record.txt";

std::string utf8Of(const std::wstring& wide) {
  std::string utf8(4 * wide.size() + 1, '\0');
  utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(),
                                                           static_cast<int>(utf8.size()), nullptr, nullptr) - 1));
  return utf8;
}

void setDefault(const wchar_t* key, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(2 * value.size() + 2));
}

// The association's "open" runs `program` from the programs folder; none
// when it is empty. (Wine's classes root is the machine's: the user's own
// classes do not reach it.)
void associate(const std::wstring& programs, const std::wstring& program) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".pdf");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TestViewer.Document");
  if (program.empty()) return;
  setDefault(L".pdf", L"TestViewer.Document");
  setDefault(L"TestViewer.Document\\shell\\open\\command", L"\"" + programs + L"\\" + program + L"\" \"%1\"");
}

// The arguments after the program's own name, once the recorder has written
// them; none after 30 s.
Arguments recordedArguments() {
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int waited = 0; waited < 600 && file == INVALID_HANDLE_VALUE; ++waited, Sleep(50)) {
    file = CreateFileW(record.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  char utf8[4096] = {};
  DWORD length = 0;
  ReadFile(file, utf8, sizeof utf8 - 1, &length, nullptr);
  CloseHandle(file);
  DeleteFileW(record.c_str());
  wchar_t line[4096] = {};
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, line, 4096);
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(line, &count);
  Arguments arguments(argv + (count > 0 ? 1 : 0), argv + count);
  LocalFree(argv);
  return arguments;
}

struct Case {
  const wchar_t* program;  // the association's, in the programs folder; none: no association
  std::wstring document;
  ViewerStart start;
  Arguments arguments;  // as the viewer reads them
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::wstring programs(MAX_PATH, L'\0');
  programs.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, programs.data(), MAX_PATH) - 1));
  for (wchar_t& character : programs) character = character == L'/' ? L'\\' : character;
  wchar_t kindBefore[MAX_PATH] = {};
  DWORD size = sizeof kindBefore;
  RegGetValueW(HKEY_CLASSES_ROOT, L".pdf", nullptr, RRF_RT_REG_SZ, nullptr, kindBefore, &size);
  CreateDirectoryW(folder.c_str(), nullptr);
  SetEnvironmentVariableW(L"VIEWER_RECORD", record.c_str());
  const std::wstring odd = folder + L"-Band \"2\" \u00e4\u00f6\u00fc.pdf", greeting = folder + L"-Gr\u00fc\u00dfe aus K\u00f6ln.pdf";
  CloseHandle(CreateFileW(greeting.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const Case cases[] = {
      {L"SumatraPDF.exe", odd, ViewerStart::started, {L"-page", L"412", odd}},
      {L"AcroRd32.exe", odd, ViewerStart::started, {L"/A", L"page=412", odd}},
      {L"MSEdge.exe", odd, ViewerStart::started, {L"file:///C:/B%C3%BCcher%20Regal/-Band%20%222%22%20%C3%A4%C3%B6%C3%BC.pdf#page=412"}},
      {L"pdf-leser.exe", greeting, ViewerStart::started, {greeting}},
      {L"missing\\SumatraPDF.exe", odd, ViewerStart::failed, {}},
      {L"", greeting, ViewerStart::noViewer, {}},
  };
  for (const Case& c : cases) {
    associate(programs, c.program);
    const ViewerStart start = showDocumentAtPage(utf8Of(c.document).c_str(), 412);
    const std::string about = utf8Of(std::wstring(c.program) + L": " + c.document);
    CHECK(start == c.start, about + ", start " + std::to_string(static_cast<int>(start)));
    if (c.start == ViewerStart::started) CHECK(recordedArguments() == c.arguments, about);
  }
  associate(programs, L"");
  if (kindBefore[0] != L'\0') setDefault(L".pdf", kindBefore);
  DeleteFileW(greeting.c_str());
  RemoveDirectoryW(folder.c_str());
  return checkSummary("test_viewer");
}
