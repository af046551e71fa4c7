#!/bin/sh
# Runs one dialog script through quirel-script and compares what it printed
# with what was expected. For a script NAME in DIRECTORY:
#   NAME.script    the input
#   NAME.args      options, paths relative to DIRECTORY (optional)
#   NAME.expected  standard output
#   NAME.stderr    standard error (optional; none expected without it)
#   NAME.status    exit status (optional; 0 without it)
# With QUIREL_REGENERATE=1 the expected files are written instead. A driver
# built for another processor runs through the EMULATOR given (qemu-i386).
# Usage: run_script.sh DRIVER DIRECTORY NAME [EMULATOR]
set -u
driver=$1
cd "$2"
name=$3
emulator=${4:-}
args=""
[ -f "${name}.args" ] && args=$(cat "${name}.args")
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "${out}" "${err}"' EXIT
status=0
# shellcheck disable=SC2086
${emulator} "${driver}" ${args} <"${name}.script" >"${out}" 2>"${err}" || status=$?

if [ "${QUIREL_REGENERATE:-0}" = 1 ]; then
  cp "${out}" "${name}.expected"
  if [ -s "${err}" ]; then cp "${err}" "${name}.stderr"; else rm -f "${name}.stderr"; fi
  if [ "${status}" != 0 ]; then echo "${status}" >"${name}.status"; else rm -f "${name}.status"; fi
  exit 0
fi

failed=0
diff -u "${name}.expected" "${out}" || failed=1
if [ -f "${name}.stderr" ]; then
  diff -u "${name}.stderr" "${err}" || failed=1
elif [ -s "${err}" ]; then
  echo "unexpected standard error:"; cat "${err}"; failed=1
fi
expected_status=0
[ -f "${name}.status" ] && expected_status=$(cat "${name}.status")
if [ "${status}" != "${expected_status}" ]; then
  echo "exit status ${status}, expected ${expected_status}"; failed=1
fi
exit "${failed}"
