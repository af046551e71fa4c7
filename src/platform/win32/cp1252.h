// Conversion between the program's cp1252 text and UTF-8, for the edges where
// text is drawn, printed or read. Plain C++, so the script driver can use it
// on Windows as well.
#pragma once

#include <string>
#include <string_view>

std::string cp1252ToUtf8(std::string_view cp1252);
// A character cp1252 cannot hold, or a byte that is no part of valid UTF-8,
// becomes '?'.
std::string utf8ToCp1252(std::string_view utf8);
