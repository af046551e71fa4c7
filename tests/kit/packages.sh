#!/bin/sh
# The kits' Debian packages as a reader's apt installs them, on this machine
# (as root; CI's machine is thrown away): lintian finds no error, each
# package holds what tests/kit/*.contents lists; installed, the book's
# programs name their book, and its script driver and its window (on a
# virtual screen, with a stand-in viewer) open the installed PDF at a row's
# page; the same with the built-in book's package beside it, the two without
# a file in common; purged, not a file is left. Whatever happens, what was
# installed is purged, and a run starts by purging what a killed one left.
# Usage: tests/kit/packages.sh BOOK_KIT BUILTIN_KIT   (BOOK_KIT the small
#        book's; from the top, after the default build)
set -eu
book_kit=$1 builtin_kit=$2
book_deb=$(realpath "${book_kit}"/*.deb) builtin_deb=$(realpath "${builtin_kit}"/*.deb)
book=$(dpkg-deb -f "${book_deb}" Package)
pdf=/usr/share/doc/${book}/$(sed -n 's/^pdf-file	//p' "${book_kit}/book/book.txt")
work=$(mktemp -d)
purge() { dpkg --purge "${book}" quirel >/dev/null 2>&1 || true; }
trap 'purge; rm -rf "${work}"' EXIT
trap 'exit 1' INT TERM HUP
purge

passed=0 failed=0
# check WHAT COMMAND...: one check, its output shown when it fails.
check() {
  what=$1; shift
  if "$@" >"${work}/out" 2>&1; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "failed: ${what}"; sed 's/^/  /' "${work}/out"
  fi
}
# holds_listed DEB LIST: the package's paths are the list's, the book's
# package name written quirel-NAME (quirel_NAME where AppStream has it).
holds_listed() {
  dpkg-deb --contents "$1" | awk '{print $6}' |
    sed "s|^\./||; s|/$||; s|${book}|quirel-NAME|g; s|$(echo "${book}" | tr - _)|quirel_NAME|g" | grep -v '^$' |
    LC_ALL=C sort | diff -u "$2" -
}
files() { find /usr /etc /opt /var/lib/dpkg/info -xdev 2>/dev/null | LC_ALL=C sort; }
# says PROGRAM OPTION TEXT: PROGRAM OPTION prints a line holding TEXT;
# runs PROGRAM SCRIPT TEXT: so does the script driver given SCRIPT.
says() { "$1" "$2" 2>&1 | grep -F "$3"; }
runs() { printf '%s\n' "$2" | "$1" 2>&1 | grep -F "$3"; }
manual_pages_render() {
  for page in /usr/share/man/man1/"${book}"*.1.gz; do man --warnings -l "${page}" 2>&1 >/dev/null; done | grep . && return 1
  return 0
}
common_files() {
  dpkg -L "${book}" quirel | LC_ALL=C sort | uniq -d | while read -r path; do [ -d "${path}" ] || echo "${path}"; done |
    grep . && return 1
  return 0
}
install_deb() {
  apt-get install -y -qq --no-install-recommends "$1" >"${work}/apt.log" 2>&1 || { cat "${work}/apt.log"; exit 1; }
}

for deb in "${book_deb}" "${builtin_deb}"; do
  lintian --fail-on error "${deb}" 2>&1 | grep -v '^running with root' || true
  check "lintian: no error in ${deb}" lintian --fail-on error "${deb}"
done
check "the book's package holds what book.contents lists" holds_listed "${book_deb}" tests/kit/book.contents
check "the built-in book's package holds what builtin.contents lists" holds_listed "${builtin_deb}" \
  tests/kit/builtin.contents

files >"${work}/before"
install_deb "${book_deb}"
# The book's Quirel as installed.
installed_book_checks() {
  check "--version names the book" says "${book}" --version "Das Spindelbuch"
  check "the script driver's --version" says "${book}-script" --version "${book}-script 1"
  check "the script driver finds the installed PDF" \
    sh tests/scripts/run_script.sh "/usr/bin/${book}-script" tests/own_book small_book
  check "the window opens the installed PDF at the row's page" \
    build/default/tests/kit/kit_window_test "/usr/bin/${book}" "${pdf}" spindeldrehzahl
}
installed_book_checks
check "the desktop entry is valid" desktop-file-validate "/usr/share/applications/${book}.desktop"
check "the AppStream metadata are valid" \
  appstreamcli validate --no-net "/usr/share/metainfo/org.quirel.$(echo "${book}" | tr - _).metainfo.xml"
check "the manual pages render without a warning" manual_pages_render

install_deb "${builtin_deb}"
installed_book_checks
check "the built-in book's Quirel beside it" runs quirel-script "term 1 Werkzeugwechsel
show" "Werkzeugwechsel, "
check "the built-in book's program names its book" says quirel --version "LinuxCNC"
check "the two packages have no file in common" common_files

dpkg --purge "${book}" quirel >/dev/null
files >"${work}/after"
check "purged, no file is left" diff -u "${work}/before" "${work}/after"
echo "kit packages: ${passed} passed, ${failed} failed"
[ "${failed}" = 0 ]
