#!/usr/bin/env bash
# Installs what is missing, builds the game and its content, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec ./build/umbravale
