// Reading whole files, and replacing output files so that a reader never
// meets one half-written: every file goes to a temporary beside its target
// and is renamed into place only when all of them were written. (A set of
// files that must change together is replaced as a directory:
// output_directory.h.)
#pragma once

#include <string>
#include <vector>

// Reads a regular file only: a directory, a FIFO, a device or a socket is
// refused with one line naming it and what it is, and none of them is
// opened in a way that could block.
bool readWholeFile(const std::string& path, std::string& content, std::string& error);

// The whole content to an open file; false, errno set, when it cannot.
bool writeAll(int descriptor, const std::string& content);

struct OutputFile {
  std::string path;
  std::string content;
};

bool replaceFiles(const std::vector<OutputFile>& files, std::string& error);
