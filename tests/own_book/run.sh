#!/bin/sh
# Makes a Quirel of the small book as a reader makes one of their own: the
# PDF, `quirel-mkdata book`, a build with -DQUIREL_BOOK (the script driver,
# which finds the PDF where the book command read it), and the driver run on
# a dialog script, byte for byte against its expected output. Then the
# writer's one command, tools/make-kit, makes the book's kit (the Debian
# package, the Windows folders, the page) in build/own-book/kit, its builds
# kept in build/own-book for tools/check.d/45-kit.sh; its 64-bit quirel.exe
# must carry the book's caption.
# Usage: tests/own_book/run.sh   (after the default build; from the top)
set -eu
work=build/own-book
rm -rf "${work}/book" "${work}/native" "${work}/kit" && mkdir -p "${work}"
build/default/tests/mkdata/make-small-book "${work}/buch.pdf"
build/default/tools/mkdata/quirel-mkdata book "${work}/buch.pdf" "${work}/book"
book=$(pwd)/${work}/book
cmake --preset default -B "${work}/native" -DQUIREL_BOOK="${book}" -DQUIREL_WINDOW=OFF >/dev/null
cmake --build "${work}/native" --target quirel-script
sh tests/scripts/run_script.sh "$(pwd)/${work}/native/src/app/quirel-script" tests/own_book small_book
tools/make-kit --build-dir "${work}" "${work}/buch.pdf" "${work}/kit"
strings -el "${work}/mingw64/src/app/quirel.exe" | grep -q "Das Spindelbuch" ||
  { echo "quirel.exe does not carry the small book's caption"; exit 1; }
echo "own book: the small book's Quirel finds its words on their printed pages, and its kit is made"
