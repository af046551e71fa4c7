# The native build, the rooms of the source tree and the whole test suite.
set -eu
cmake --preset default
cmake --build --preset default
tools/check-rooms build/default
ctest --preset default
