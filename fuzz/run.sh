#!/usr/bin/env bash
# Runs one fuzz target of the fuzz preset for RUNS executions or SECONDS seconds, whichever
# comes first, growing a work corpus from fuzz/corpus/NAME, then merges what it found back
# into fuzz/corpus/NAME (minimised: only inputs that add coverage, and those kept under a name
# of their own). Crashes land in
# build/fuzz/crashes/NAME. The log is build/fuzz/logs/NAME.log.
#   fuzz/run.sh NAME [RUNS] [SECONDS]
set -euo pipefail
name=$1 runs=${2:-10000000} seconds=${3:-3600}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
work=$build/work/$name corpus=$root/fuzz/corpus/$name
mkdir -p "$work" "$corpus" "$build/crashes/$name" "$build/logs"
nice -n 19 "$build/fuzz/fuzz_$name" -runs="$runs" -max_total_time="$seconds" -timeout=20 \
  -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build/crashes/$name/" "$work" "$corpus" \
  > "$build/logs/$name.log" 2>&1 || { tail -40 "$build/logs/$name.log"; exit 1; }
# Minimise: a fresh folder with only the inputs that add coverage, then it replaces the corpus.
# Coverage here is edges only (-use_counters=0): with hit counts too, every other loop length
# kept an input of its own, and the corpora are also replayed by the test suite.
rm -rf "$work.min" && mkdir -p "$work.min"
nice -n 19 "$build/fuzz/fuzz_$name" -merge=1 -use_counters=0 -timeout=20 "$work.min" "$corpus" "$work" \
  > "$build/logs/$name.merge.log" 2>&1
# Inputs kept under a name (each once found a fault) stay as they are, whatever they add.
for kept in "$corpus"/*; do
  [[ -f $kept ]] || continue
  [[ $(basename "$kept") =~ ^[0-9a-f]{40}$ ]] && continue
  rm -f "$work.min/$(sha1sum "$kept" | cut -d' ' -f1)"
  cp "$kept" "$work.min/"
done
rm -rf "$corpus" && mv "$work.min" "$corpus"
grep -E "^#[0-9]+.*(DONE|cov:)" "$build/logs/$name.log" | tail -1
grep -E "stat::number_of_executed_units|stat::average_exec_per_sec" "$build/logs/$name.log"
echo "corpus: $(ls "$corpus" | wc -l) files, $(cat "$corpus"/* | wc -c) bytes of input"
