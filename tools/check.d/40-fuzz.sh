# Every fuzz target, built with clang, libFuzzer and the sanitizers, runs for
# a bounded time from its committed seed corpus. A crash, a sanitizer report
# or a failed expectation is a finding and fails the stage, with the log's
# tail and the input that caused it (crash-* in build/fuzz/findings).
set -eu
seconds="${QUIREL_FUZZ_SECONDS:-60}"
targets="data_sets script tsv_reader book"
# Flags for one target (options_NAME); every target runs with libFuzzer's
# leak check, since a dialog keeps nothing once it is closed.
cmake --preset fuzz
for target in ${targets}; do
  cmake --build --preset fuzz --target "fuzz_${target}"
done
mkdir -p build/fuzz/findings
for target in ${targets}; do
  work="build/fuzz/corpus/${target}"
  log="build/fuzz/findings/${target}.log"
  mkdir -p "${work}"
  echo "--- fuzz_${target}: ${seconds} s"
  status=0
  eval "options=\${options_${target}:-}"
  # shellcheck disable=SC2086
  "build/fuzz/fuzz/fuzz_${target}" ${options} -max_total_time="${seconds}" -timeout=20 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/findings/ -print_final_stats=1 \
    "${work}" "fuzz/corpus/${target}" >"${log}" 2>&1 || status=$?
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)" "${log}" || true
  if [ "${status}" != 0 ]; then
    tail -n 60 "${log}"
    exit "${status}"
  fi
done
