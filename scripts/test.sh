#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite on a
# virtual X display (window and texture tests need one; sound goes nowhere).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export ALSOFT_DRIVERS=null
xvfb-run -a -s "-screen 0 1920x1080x24" \
  ctest --test-dir build --output-on-failure --timeout 600 "$@"
