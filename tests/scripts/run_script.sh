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
# A run that ends with status 1 having printed nothing is run once more and
# said so, and its NAME added to the file QUIREL_RETRY_LOG names, if set.
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
run_driver() {
  status=0
  # shellcheck disable=SC2086
  ${emulator} "${driver}" ${args} <"${name}.script" >"${out}" 2>"${err}" || status=$?
}
run_driver
# The driver prints before each of its exits, so such a run never reached
# it: under Wine, a process that ended before the program ran
# (tools/wine-session.sh). Only the second run is judged.
if [ "${status}" = 1 ] && [ ! -s "${out}" ] && [ ! -s "${err}" ]; then
  echo "retried: the first run ended with status 1 and printed nothing"
  [ -n "${QUIREL_RETRY_LOG:-}" ] && echo "${name}" >>"${QUIREL_RETRY_LOG}"
  run_driver
fi

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
