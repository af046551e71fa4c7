// The program's text is cp1252; files, terminals and windows speak UTF-8.
// This is the one table of the code page and the one UTF-8 coder, for every
// edge where text is drawn, printed or read, and for the data tool. Plain
// C++, so the script driver can use it on Windows as well.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The character a cp1252 byte stands for. The five bytes cp1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of the
// same number, as Windows maps them: every byte goes to UTF-8 and back
// unchanged, and the data-set rules, not the code page, keep them out of
// words and titles.
char32_t cp1252CodePoint(unsigned char byte);
// The byte of a character; false when cp1252 cannot hold it.
bool cp1252Byte(char32_t codePoint, unsigned char& byte);

// One UTF-8 sequence at `at`, which moves past it; false when it is
// malformed. A cut sequence moves `at` past its lead byte only; a whole one
// that is overlong, a surrogate or beyond U+10FFFF is passed whole.
bool decodeUtf8At(std::string_view text, std::size_t& at, char32_t& codePoint);
void appendUtf8(std::string& text, char32_t codePoint);

std::string cp1252ToUtf8(std::string_view cp1252);
// A character cp1252 cannot hold, or a byte that is no part of valid UTF-8,
// becomes '?'.
std::string utf8ToCp1252(std::string_view utf8);
