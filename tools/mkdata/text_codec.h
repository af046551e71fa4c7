// UTF-8 (the text files) and cp1252 (the data sets): decoding, validating
// and converting between the two.
#pragma once

#include <cstddef>
#include <string>

// Decodes well-formed UTF-8; false on the first malformed sequence (overlong
// forms, surrogates and values beyond U+10FFFF included), whose byte offset
// is left in badOffset.
bool decodeUtf8(const std::string& text, std::u32string& codePoints, std::size_t& badOffset);

void appendUtf8(std::string& text, char32_t codePoint);
std::string encodeUtf8(const std::u32string& codePoints);

// The cp1252 byte of a code point; false when cp1252 cannot hold it.
bool cp1252Byte(char32_t codePoint, unsigned char& byte);
char32_t cp1252CodePoint(unsigned char byte);

// The cp1252 character that comes closest to one cp1252 lacks (a dash for
// the minus sign, the plain letter for one with a mark cp1252 lacks);
// '?' when there is none.
unsigned char nearestCp1252Byte(char32_t codePoint);

// UTF-8 text to cp1252, exactly; false with a reason when the text is
// malformed or holds a character that cp1252 cannot hold.
bool utf8ToCp1252(const std::string& text, std::string& cp1252, std::string& reason);
std::string cp1252ToUtf8(const std::string& cp1252);
