#!/bin/sh
# --help and --version of the three programs, and an argument they do not
# take, as one table: PROGRAM ARGUMENT | STATUS | what the first line of
# its output (standard output, then standard error) begins with.
# Usage: program_options.sh BUILD_DIR   (PROGRAM names the built program)
set -u
build=$1
version=$(sed -n 's/^#define QUIREL_VERSION "\(.*\)"$/\1/p' "${build}/generated/quirel_version.h")
passed=0 failed=0
while IFS='|' read -r call status begins; do
  set -- ${call}
  case "$1" in
    quirel-mkdata) program=${build}/tools/mkdata/quirel-mkdata ;;
    *) program=${build}/src/app/$1 ;;
  esac
  got_status=0
  output=$("${program}" "$2" 2>&1 </dev/null) || got_status=$?
  begins=$(echo "${begins}" | sed "s/^ *//; s/ *$//; s/VERSION/${version}/")
  case "${output}" in
    "${begins}"*) [ "${got_status}" = "$(echo ${status})" ] && { passed=$((passed + 1)); continue; } ;;
  esac
  failed=$((failed + 1))
  echo "${call}: status ${got_status}, output: $(echo "${output}" | head -n 2)"
done <<'EOF_TABLE'
quirel --version          | 0 | quirel VERSION
quirel --help             | 0 | Usage: quirel [--help | --version]
quirel --page             | 2 | quirel: unknown argument '--page'
quirel-script --version   | 0 | quirel-script VERSION
quirel-script --help      | 0 | Usage: quirel-script [--index FILE] [--headings FILE] < SCRIPT
quirel-script --page      | 2 | usage: quirel-script [--index FILE]
quirel-mkdata --version   | 0 | quirel-mkdata VERSION
EOF_TABLE
# The caption's book reference in the second line of --version.
"${build}/src/app/quirel" --version | sed -n 2p | grep -q "LinuxCNC - Dokumentation" &&
  passed=$((passed + 1)) || { failed=$((failed + 1)); echo "quirel --version names no book"; }
echo "program options: ${passed} passed, ${failed} failed"
[ "${failed}" = 0 ]
