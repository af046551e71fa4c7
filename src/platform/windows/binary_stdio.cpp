// The script driver's input and output are bytes, the same as on every other
// platform: in the C runtime's text mode a line end would be written as CR LF,
// and reading would stop at the first Ctrl+Z. Linked into the driver only on
// Windows; it switches the three streams before main runs. A stream that is
// not open stays as it is.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

bool switchToBinary() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  return true;
}

[[maybe_unused]] const bool standardStreamsBinary = switchToBinary();

}  // namespace
