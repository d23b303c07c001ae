#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 600
# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, leaks included.
bash scripts/ci-sanitize.sh
# The bots.ini reader and writer, and the libraryfolders.vdf reader, against generated input.
bash scripts/ci-fuzz.sh
# The packages install, validate and start.
bash scripts/ci-package.sh
