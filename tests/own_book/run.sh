#!/bin/sh
# Makes a Quirel of the small book as a reader makes one of their own: the
# PDF, `quirel-mkdata book`, a build with -DQUIREL_BOOK (the script driver
# natively, the program for 64-bit Windows), and the driver run on a dialog
# script, byte for byte against its expected output.
# Usage: tests/own_book/run.sh   (after the default build; from the top)
set -eu
work=build/own-book
rm -rf "${work}" && mkdir -p "${work}"
build/default/tests/mkdata/make-small-book "${work}/buch.pdf"
build/default/tools/mkdata/quirel-mkdata book "${work}/buch.pdf" "${work}/book"
book=$(pwd)/${work}/book
cmake --preset default -B "${work}/native" -DQUIREL_BOOK="${book}" -DQUIREL_WINDOW=OFF >/dev/null
cmake --build "${work}/native" --target quirel-script
sh tests/scripts/run_script.sh "$(pwd)/${work}/native/src/app/quirel-script" tests/own_book small_book
if command -v x86_64-w64-mingw32-g++ >/dev/null; then
  cmake --preset mingw64 -B "${work}/mingw64" -DQUIREL_BOOK="${book}" >/dev/null
  cmake --build "${work}/mingw64" --target quirel
  strings -el "${work}/mingw64/src/app/quirel.exe" | grep -q "Das Spindelbuch" ||
    { echo "quirel.exe does not carry the small book's caption"; exit 1; }
fi
echo "own book: the small book's Quirel finds its words on their printed pages"
