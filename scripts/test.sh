#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
bash scripts/build.sh
# A run that finds no tests fails rather than passing on nothing.
ctest --test-dir build --output-on-failure --no-tests=error
# Every file formatted with .clang-format and clean under .clang-tidy.
bash scripts/ci-lint.sh
# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, leaks included.
bash scripts/ci-sanitize.sh
# The bots.ini and libraryfolders.vdf readers against generated input.
bash scripts/ci-fuzz.sh
# The packages install, validate and start.
bash scripts/ci-package.sh
# The Windows program: cross-built against a static Qt (built once, then cached), packed as the
# player's ZIP, its tests and a player's session run under Wine.
bash scripts/windows-test.sh
