# Run-time settings of the sanitizer build (sourced by test.sh --sanitizers and fuzz/campaign.sh).
# Every report ends the process with status 86, also where a test expects the game to end with 1,
# and goes to stderr, which the end-to-end tests require to be empty: no report can pass a test.
# print_suppressions=0 keeps the count of suppressed driver leaks off stderr. The quarantine of
# freed memory, 256 MB by default, counts against the fuzzers' 300 MB limit: a smaller one leaves
# that limit to the readers' own memory.
sanitizer_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS="halt_on_error=1:exitcode=86:detect_leaks=1:check_initialization_order=1:strict_init_order=1:quarantine_size_mb=64"
export UBSAN_OPTIONS="halt_on_error=1:exitcode=86:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$sanitizer_dir/lsan.supp:print_suppressions=0"
if [ -x /usr/bin/llvm-symbolizer-16 ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-16
fi
