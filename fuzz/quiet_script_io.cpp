// The script driver's input and output for the fuzz targets: the commands
// come from the fuzz input and what they print is of no interest, so that a
// run is not slowed by writing it.
#include "script/script_io.h"

bool readScriptLine(std::string&) { return false; }
void writeOutput(std::string_view) {}
void writeError(std::string_view) {}
bool readDataFile(const char*, std::vector<unsigned char>&, std::string&) { return false; }
