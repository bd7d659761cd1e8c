#!/usr/bin/env bash
# Random input on the real game for a long time (30 minutes by default) under a
# virtual display: prints every crash and freeze and the game's resident memory
# every minute. Builds first if needed.
#   bash scripts/soak.sh [SECONDS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1800}
seed=${2:-1}
bash scripts/setup.sh
bash scripts/build.sh > /dev/null
export ALSOFT_DRIVERS=null
xvfb-run -a -s "-screen 0 1920x1080x24" build/tests/umbravale_soak build/umbravale "$PWD" "$seconds" 60 "$seed"
