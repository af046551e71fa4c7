# The kits of tools/make-kit, tested through what a reader installs: the
# small book's kit, made again from the builds tests/own_book/run.sh kept
# (stage 25) and compared with its first making byte for byte; the built-in
# book's, from the presets' own builds; then both Debian packages installed,
# used and purged (tests/kit/packages.sh), the Windows folder under Wine
# (tests/kit/windows.sh) and the page from a static server
# (tests/kit/page.test.js).
set -eu
kit=build/own-book/kit
again=build/own-book/kit-again
tools/make-kit --build-dir build/own-book build/own-book/buch.pdf "${again}"
differing=0
for file in $(cd "${kit}" && find . -type f | LC_ALL=C sort); do
  cmp -s "${kit}/${file}" "${again}/${file}" || { echo "not reproduced: ${file}"; differing=1; }
done
[ "$(cd "${kit}" && find . | LC_ALL=C sort)" = "$(cd "${again}" && find . | LC_ALL=C sort)" ] ||
  { echo "the second making wrote other files"; differing=1; }
[ "${differing}" = 0 ] && echo "kit: a second making wrote the same bytes"
[ "${differing}" = 0 ]

tools/make-kit build/kit-builtin
cmake --build --preset default --target kit_window_test viewer-stand-in
cmake --build --preset mingw64 --target test_kit_folder viewer_recorder
sh tests/kit/packages.sh "${kit}" build/kit-builtin
sh tests/kit/windows.sh "${kit}"
opening=$(grep -m 1 '^open: ' tests/own_book/small_book.expected)
page=$(echo "${opening}" | sed -n 's/^open: .* page \([0-9]*\) word .*/\1/p')
word=$(echo "${opening}" | sed -n 's/^open: .* word //p')
QUIREL_PAGE=$(pwd)/${kit}/web/quirel.html QUIREL_KIT_TERM=spindeldrehzahl QUIREL_KIT_PDF_PAGE="${page}" \
  QUIREL_KIT_PDF_WORD="${word}" QUIREL_KIT_PDF_FILE=$(sed -n 's/^pdf-file	//p' "${kit}/book/book.txt") \
  node --test tests/kit/page.test.js
