#!/usr/bin/env bash
# Runs every test: installs what is missing, builds, then the native unit tests, a short fuzzing
# run, and the end-to-end tests of the real programs under Wine. Exits non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fuzz_seconds=${FUZZ_SECONDS:-15}

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

passed=0
failed=0
step() {  # name, command...
    local name=$1; shift
    echo
    echo "=== $name"
    if "$@"; then passed=$((passed + 1)); else echo "*** $name failed"; failed=$((failed + 1)); fi
}

as_root "$root/scripts/install-deps.sh" || exit 1
"$root/scripts/build.sh" || { echo "build failed"; exit 1; }

step "unit tests" ctest --test-dir build/native --output-on-failure -j 2
for fuzz in tests/fuzz/run-*-fuzz.sh; do
    [ -x "$fuzz" ] && step "fuzzing $(basename "$fuzz" .sh) for ${fuzz_seconds}s" "$fuzz" "$fuzz_seconds"
done
step "end-to-end tests under Wine" /usr/bin/python3 -m pytest -q -p no:cacheprovider tests/e2e

echo
echo "suites: $passed passed, $failed failed"
[ "$failed" = 0 ]
