#include "platform/viewer/windows/file_url.h"

#include <cassert>
#include <string>

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

bool keptAsIs(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
         byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

bool hasDrive(const std::wstring& path) {
  return path.size() >= 2 && path[1] == L':' &&
         ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}

void appendEncoded(std::wstring& url, char32_t character) {
  static const wchar_t hexDigits[] = L"0123456789ABCDEF";
  std::string bytes;
  appendUtf8(bytes, character);
  for (unsigned char byte : bytes) {
    if (keptAsIs(byte)) {
      url += static_cast<wchar_t>(byte);
    } else {
      url += {L'%', hexDigits[byte >> 4], hexDigits[byte & 0xF]};
    }
  }
}

}  // namespace

std::wstring fileUrlOf(const std::wstring& path) {
  assert(hasDrive(path) || path.rfind(L"\\\\", 0) == 0);
  std::wstring url = hasDrive(path) ? L"file:///" : L"file:";
  std::size_t at = 0;
  if (hasDrive(path)) {
    url += {path[0], L':'};
    at = 2;
  }
  while (at < path.size()) {
    const char32_t character = characterAt(path, at);
    if (character == U'\\' || character == U'/') {
      url += L'/';
    } else {
      appendEncoded(url, character);
    }
  }
  return url;
}
