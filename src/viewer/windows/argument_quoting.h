// One argument of a Windows command line, written so that the parser every
// program's C runtime uses (the rules CommandLineToArgvW follows too) reads
// it back unchanged. Pure, so it is tested on every platform.
#pragma once

#include <string>

// `argument` as it goes on a command line after the program: each quote
// escaped with a backslash, the backslashes just before a quote doubled, and
// the whole wrapped in quotes when it holds a blank or is empty (then the
// backslashes before the closing quote are doubled too). Anything else,
// a leading '-' or '/' included, stays as it is.
std::wstring quotedArgument(const std::wstring& argument);

// The program's own path, the first item of a command line: the runtime
// reads it up to the next quote, without escapes, so it is always wrapped
// and may hold no quote.
std::wstring quotedProgram(const std::wstring& program);
