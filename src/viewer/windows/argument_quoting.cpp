#include "viewer/windows/argument_quoting.h"

#include <cassert>

std::wstring quotedArgument(const std::wstring& argument) {
  const bool wrapped = argument.empty() || argument.find_first_of(L" \t\n\v") != std::wstring::npos;
  std::wstring quoted = wrapped ? L"\"" : L"";
  std::size_t backslashes = 0;
  for (wchar_t character : argument) {
    if (character == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(character == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    quoted += character;
    backslashes = 0;
  }
  quoted.append(wrapped ? 2 * backslashes : backslashes, L'\\');
  if (wrapped) quoted += L'"';
  return quoted;
}

std::wstring quotedProgram(const std::wstring& program) {
  assert(!program.empty() && program.find(L'"') == std::wstring::npos);
  return L"\"" + program + L"\"";
}
