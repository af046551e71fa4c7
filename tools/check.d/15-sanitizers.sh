# The whole test suite again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer: any read or write outside a buffer, any leak and
# any undefined operation stops the test that caused it.
set -eu
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan-libraries.supp:print_suppressions=0"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
