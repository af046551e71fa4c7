// All input and output of the script driver: the script on standard input,
// the shown state on standard output, errors on standard error, and the
// data-set files of its options. Text here is UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The next line without its line end (a CR before the LF goes too); false at
// the end of the input.
bool readScriptLine(std::string& line);
void writeOutput(std::string_view text);
void writeError(std::string_view text);
// A data-set file read whole; false with the system's reason when it cannot be.
bool readDataFile(const char* path, std::vector<unsigned char>& bytes, std::string& reason);
