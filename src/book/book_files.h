// The few things the program asks of the file system to open its book,
// with paths in UTF-8 on every platform.
#pragma once

#include <string>

// The directory the running executable is in; empty when unknown.
std::string programDirectory();
// A directory and a file name joined with the platform's separator.
std::string pathIn(const std::string& directory, const std::string& fileName);
bool isRegularFile(const std::string& path);
// The file's SHA-256; false when it cannot be read.
constexpr int sha256Size = 32;
bool sha256OfFile(const std::string& path, unsigned char (&digest)[sha256Size]);
