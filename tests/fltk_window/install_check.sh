#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop needs:
# both programs, a valid desktop entry that starts quirel, its icon, valid
# AppStream metadata, and both manual pages.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "${prefix}"' EXIT
cmake --install "${build}" --prefix "${prefix}" >/dev/null
fail() { echo "install: $*" >&2; exit 1; }
for program in quirel quirel-script; do
  [ -x "${prefix}/bin/${program}" ] || fail "bin/${program} missing"
done
entry=${prefix}/share/applications/quirel.desktop
[ -f "${entry}" ] || fail "desktop entry missing"
desktop-file-validate "${entry}" || fail "desktop entry invalid"
grep -qx 'Exec=quirel' "${entry}" || fail "desktop entry does not start quirel"
icon=$(sed -n 's/^Icon=//p' "${entry}")
ls "${prefix}"/share/icons/hicolor/*/apps/"${icon}".* >/dev/null 2>&1 || fail "icon ${icon} missing"
appstreamcli validate --no-net "${prefix}/share/metainfo/org.quirel.quirel.metainfo.xml" >/dev/null ||
  fail "AppStream metadata invalid"
for page in quirel quirel-script; do
  [ -f "${prefix}/share/man/man1/${page}.1.gz" ] || fail "manual page ${page}(1) missing"
done
echo "install: 1 passed, 0 failed"
