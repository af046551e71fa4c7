// The data tool's text: UTF-8 files in, cp1252 data sets out, exactly. The
// code page and the UTF-8 coder themselves are the program's own.
#pragma once

#include <cstddef>
#include <string>

#include "index/word_index.h"
#include "platform/win32/cp1252.h"

// Decodes well-formed UTF-8; false on the first malformed sequence, whose
// byte offset is left in badOffset.
bool decodeUtf8(const std::string& text, std::u32string& codePoints, std::size_t& badOffset);
std::string encodeUtf8(const std::u32string& codePoints);

// Text as a reader reads it: Unicode's composed form (NFC), so that "u"
// with a combining diaeresis is "ü". Ligatures stay as they are.
std::string composedUtf8(const std::string& text);
void compose(std::u32string& text);   // in place: most text is left as it is, uncopied

// The cp1252 character that comes closest to one cp1252 lacks (a dash for
// the minus sign, the plain letter for one with a mark cp1252 lacks);
// '?' when there is none.
unsigned char nearestCp1252Byte(char32_t codePoint);

// UTF-8 text to cp1252, exactly; false with a reason when the text is
// malformed or holds a character that cp1252 cannot hold.
bool utf8ToCp1252Exactly(const std::string& text, std::string& cp1252, std::string& reason);

// A broken data-set rule's sentence, as the tool prints it.
std::string ruleSentence(DataRule rule);
