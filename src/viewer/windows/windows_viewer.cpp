// The Windows desktop's viewer: the application the file association names
// for the document's kind. A viewer whose page option is known is started
// with the page, and the word where it finds it from the page, by
// CreateProcessW with a command line of its own (no shell ever reads it);
// any other viewer, or none, is left to the shell's "open" of the file,
// without the page. The document's name and the word are UTF-16 from the
// first call on.
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cassert>
#include <cwchar>
#include <string>

#include "viewer/document_viewer.h"
#include "viewer/windows/viewer_command.h"

namespace {

// False for bytes that are no UTF-8.
bool wideFromUtf8(const char* utf8, std::wstring& wide) {
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
  if (length <= 0) return false;
  wide.assign(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide.data(), length);
  wide.pop_back();
  return true;
}

// The path made full, so that no viewer can take the document for an option.
bool fullPathOf(const std::wstring& path, std::wstring& full) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return false;
  full.assign(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  full.resize(length);
  return length > 0 && length < size;
}

// The executable that the association of the document's extension opens it
// with; empty when there is none.
std::wstring associatedViewer(const std::wstring& document) {
  const wchar_t* extension = PathFindExtensionW(document.c_str());
  const ASSOCF flags = ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE;
  DWORD size = 0;
  if (*extension == L'\0' ||
      FAILED(AssocQueryStringW(flags, ASSOCSTR_EXECUTABLE, extension, L"open", nullptr, &size)) || size == 0) {
    return {};
  }
  std::wstring viewer(size, L'\0');
  if (AssocQueryStringW(flags, ASSOCSTR_EXECUTABLE, extension, L"open", viewer.data(), &size) != S_OK) return {};
  viewer.resize(std::wcslen(viewer.c_str()));
  return viewer;
}

// Started and let go: nothing of ours is inherited, and it is not waited for.
// A viewer named without a folder is looked for as the system looks for a
// program; one with a full path is started from exactly there.
ViewerStart startViewer(const std::wstring& viewer, std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const wchar_t* program = PathIsRelativeW(viewer.c_str()) ? nullptr : viewer.c_str();
  if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return ViewerStart::failed;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return ViewerStart::started;
}

ViewerStart openWithShell(const std::wstring& document, bool associated) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return ViewerStart::started;
  return !associated && result == SE_ERR_NOASSOC ? ViewerStart::noViewer : ViewerStart::failed;
}

}  // namespace

ViewerStart showDocumentAtPage(const char* path, int page, const char* word) {
  assert(path != nullptr && page >= 1 && word != nullptr && word[0] != '\0');
  std::wstring asked, document, wideWord;
  if (!wideFromUtf8(path, asked) || !fullPathOf(asked, document) || !wideFromUtf8(word, wideWord)) {
    return ViewerStart::failed;
  }
  const std::wstring viewer = associatedViewer(document);
  if (auto commandLine = commandLineAtPage(viewer, document, page, wideWord)) {
    return startViewer(viewer, *commandLine);
  }
  return openWithShell(document, !viewer.empty());
}
