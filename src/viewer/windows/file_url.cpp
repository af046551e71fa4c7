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

std::wstring addressTextOf(const std::wstring& text, std::string_view alsoKept) {
  std::string utf8;
  for (std::size_t at = 0; at < text.size();) appendUtf8(utf8, characterAt(text, at));
  std::wstring encoded;
  for (char c : percentEncoded(utf8, alsoKept)) encoded += static_cast<wchar_t>(c);
  return encoded;
}

std::wstring fileUrlOfWindowsPath(const std::wstring& path) {
  assert(hasDrive(path) || path.rfind(L"\\\\", 0) == 0);
  std::wstring url = hasDrive(path) ? L"file:///" : L"file:";
  std::wstring rest = path;
  if (hasDrive(path)) {
    url += {path[0], L':'};
    rest.erase(0, 2);
  }
  for (wchar_t& character : rest) {
    if (character == L'\\') character = L'/';
  }
  return url + addressTextOf(rest, "/");
}
