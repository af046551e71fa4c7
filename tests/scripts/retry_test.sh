#!/bin/sh
# run_script.sh runs the driver a second time only after a first run that
# ended with status 1 having printed nothing, says so, logs it, and judges the
# second run alone. The driver here is the real one behind a stand-in that
# ends silently with STATUS on its first SILENT runs.
# Usage: retry_test.sh DRIVER DIRECTORY [EMULATOR]
set -u
work=$(mktemp -d)
trap 'rm -rf "${work}"' EXIT
cat >"${work}/driver" <<EOF
#!/bin/sh
runs=\$(cat "${work}/runs" 2>/dev/null || echo 0)
echo \$((runs + 1)) >"${work}/runs"
[ "\${runs}" -lt "\${SILENT}" ] && exit "\${STATUS}"
exec ${3:-} "$1" "\$@"
EOF
chmod +x "${work}/driver"
export QUIREL_RETRY_LOG="${work}/retried"
unset QUIREL_REGENERATE

failed=0
# SILENT STATUS  passes  runs  logged
while read -r silent status passes runs logged; do
  rm -f "${work}/runs" "${QUIREL_RETRY_LOG}"
  passed=yes
  SILENT=${silent} STATUS=${status} sh "$(dirname "$0")/run_script.sh" "${work}/driver" "$2" start \
    >"${work}/said" 2>&1 || passed=no
  ran=$(cat "${work}/runs")
  log=$(cat "${QUIREL_RETRY_LOG}" 2>/dev/null || echo -)
  said=$(grep -c '^retried: the first run ended with status 1 and printed nothing$' "${work}/said")
  if [ "${passed} ${ran} ${log} ${said}" != "${passes} ${runs} ${logged} $([ "${logged}" = - ] && echo 0 || echo 1)" ]; then
    echo "silent ${silent} with status ${status}: passed ${passed}, ${ran} runs, logged ${log}, said:"
    cat "${work}/said"
    failed=1
  fi
done <<TABLE
0 1 yes 1 -
1 1 yes 2 start
2 1 no  2 start
1 2 no  1 -
1 0 no  1 -
TABLE
exit "${failed}"
