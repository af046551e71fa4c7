# The native build and its whole test suite.
set -eu
cmake --preset default
cmake --build --preset default
ctest --preset default
