#include "viewer/windows/file_url.h"

#include <cassert>
#include <string>

#include "viewer/percent_encoding.h"
#include "platform/win32/cp1252.h"

namespace {

// The character at `at`, which moves past it: a surrogate pair is one
// character; a lone surrogate, which no text can hold, becomes U+FFFD.
char32_t characterAt(const std::wstring& text, std::size_t& at) {
  const auto first = static_cast<char32_t>(text[at++]);
  if (first < 0xD800 || first > 0xDFFF) return first;
  if (first > 0xDBFF || at == text.size()) return 0xFFFD;
  const auto second = static_cast<char32_t>(text[at]);
  if (second < 0xDC00 || second > 0xDFFF) return 0xFFFD;
  ++at;
  return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
}

bool hasDrive(const std::wstring& path) {
  return path.size() >= 2 && path[1] == L':' &&
         ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}

}  // namespace

std::wstring fileUrlOfWindowsPath(const std::wstring& path) {
  assert(hasDrive(path) || path.rfind(L"\\\\", 0) == 0);
  std::wstring url = hasDrive(path) ? L"file:///" : L"file:";
  std::size_t at = 0;
  if (hasDrive(path)) {
    url += {path[0], L':'};
    at = 2;
  }
  // The path in UTF-8 with slashes for backslashes, then encoded; what the
  // encoding gives is ASCII.
  std::string utf8;
  while (at < path.size()) {
    const char32_t character = characterAt(path, at);
    appendUtf8(utf8, character == U'\\' ? U'/' : character);
  }
  for (char c : percentEncoded(utf8, "/")) url += static_cast<wchar_t>(c);
  return url;
}
