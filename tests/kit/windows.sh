#!/bin/sh
# The kit's Windows folders as a reader unzips them: each zip holds one
# folder with quirel.exe of its processor, the PDF and LIESMICH.txt; the
# 64-bit one unzipped under Wine into a folder whose name has a blank and an
# umlaut, where its quirel.exe opens and a double-click on a result row
# hands the PDF beside it to the associated viewer (the recorder) at the
# row's page with its word, as tests/own_book/small_book.expected gives them.
# Usage: tests/kit/windows.sh KIT   (the small book's kit; from the top,
#        after the mingw64 build)
set -eu
kit=$1
package=$(dpkg-deb -f "$(ls "${kit}"/*.deb)" Package)
pdf_file=$(sed -n 's/^pdf-file	//p' "${kit}/book/book.txt")
opening=$(grep -m 1 '^open: ' tests/own_book/small_book.expected)
page=$(echo "${opening}" | sed -n 's/^open: .* page \([0-9]*\) word .*/\1/p')
word=$(echo "${opening}" | sed -n 's/^open: .* word //p')
passed=0 failed=0
# same WHAT GOT WANTED: one check.
same() {
  if [ "$2" = "$3" ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "failed: $1: '$2', not '$3'"; fi
}
scratch=$(mktemp -d)
for bits in 32 64; do
  zip=$(ls "${kit}"/*_win${bits}.zip)
  same "${zip}'s files" "$(unzip -Z1 "${zip}" | LC_ALL=C sort | tr '\n' ' ')" \
    "${package}/LIESMICH.txt ${package}/${pdf_file} ${package}/quirel.exe "
  unzip -p "${zip}" "${package}/quirel.exe" >"${scratch}/quirel.exe"
  case "${bits}" in 32) want=pei-i386 ;; 64) want=pei-x86-64 ;; esac
  same "${zip}'s quirel.exe" "$(x86_64-w64-mingw32-objdump -f "${scratch}/quirel.exe" | sed -n 's/.*file format //p')" \
    "${want}"
done
rm -rf "${scratch}"

. tools/wine-session.sh
trap wine_session_stop EXIT
wine_session_start
folder="${WINEPREFIX}/drive_c/Meine Bücher"
mkdir -p "${folder}"
unzip -q "$(ls "${kit}"/*_win64.zip)" -d "${folder}"
status=0
wine build/mingw64/tests/wine/test_kit_folder.exe "Z:$(pwd)/build/mingw64/tests/wine/viewer programs" \
  "C:\\Meine Bücher\\${package}" spindeldrehzahl "${pdf_file}" "${page}" "${word}" || status=$?
same "the unzipped quirel.exe hands the PDF beside it to the viewer: exit status" "${status}" 0
echo "kit windows: ${passed} passed, ${failed} failed"
[ "${failed}" = 0 ]
