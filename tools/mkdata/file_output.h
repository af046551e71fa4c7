// Reading whole files, and replacing output files so that a reader never
// meets one half-written: every file goes to a temporary beside its target
// and is renamed into place only when all of them were written.
#pragma once

#include <string>
#include <vector>

bool readWholeFile(const std::string& path, std::string& content, std::string& error);

struct OutputFile {
  std::string path;
  std::string content;
};

bool replaceFiles(const std::vector<OutputFile>& files, std::string& error);
