#!/usr/bin/env bash
# Builds every libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds
# (60 by default), then prints each target's executions and findings.
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

need=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
bash scripts/setup.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DUMBRAVALE_FUZZ=ON -DUMBRAVALE_TESTS=OFF -DUMBRAVALE_BENCH=OFF > /dev/null
cmake --build build-fuzz -j"$(nproc)"

targets=$(find build-fuzz/fuzz -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
summary=()
status=0
for target in $targets; do
  name=$(basename "$target")
  corpus_name=${name#fuzz_}
  case "$corpus_name" in room_*) seeds=fuzz/corpus/room ;; *) seeds=fuzz/corpus/${corpus_name%%_*} ;; esac
  work=build-fuzz/corpus/$name
  artifacts=build-fuzz/findings/$name/
  mkdir -p "$work" "$artifacts"
  log=build-fuzz/$name.log
  echo "== $name: $seconds s over $seeds"
  set +e
  "$target" -max_total_time="$seconds" -timeout=5 -artifact_prefix="$artifacts" "$work" "$seeds" > "$log" 2>&1
  rc=$?
  set -e
  runs=$(grep -Eo 'Done [0-9]+ runs' "$log" | grep -Eo '[0-9]+' | tail -1 || true)
  [ -n "$runs" ] || runs=$(grep -Eo '^#[0-9]+' "$log" | tail -1 | tr -d '#' || true)
  findings=$(find "$artifacts" -type f | wc -l)
  [ "$rc" -ne 0 ] && status=1
  summary+=("$name: ${runs:-0} executions, $findings findings, exit $rc")
done
echo
printf '%s\n' "${summary[@]}"
exit $status
