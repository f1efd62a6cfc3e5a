#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a set time, one after another
# by default.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
#   scripts/run-fuzzers.sh BUILD_DIR merge [TARGET...]
# FUZZ_RUNS=N also stops each target after N executions; FUZZ_TIMEOUT (20)
# is the wall-clock limit of one input, longer on a loaded machine;
# FUZZ_JOBS=2 runs two targets at a time.
# Corpora grow under BUILD_DIR/corpus/TARGET; the committed seeds in
# fuzz/seeds/TARGET are read as a second corpus and never written. A crash
# is saved under BUILD_DIR/crashes and fails the run. `merge` minimises
# seeds and grown corpus into a fresh fuzz/seeds/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
seconds=${2:?seconds per target, or merge}
shift 2
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(reg_text_fuzz property_document_fuzz dispatch_fuzz plot_fuzz sim_config_fuzz
           command_line_fuzz)
fi

# Longest input per target: enough for every step a target reads, and no
# more, so that an execution stays cheap.
max_len() {
  case $1 in
    command_line_fuzz) echo 256 ;;
    dispatch_fuzz) echo 1024 ;;
    property_document_fuzz) echo 12288 ;;  # a default Chart document is 8 KiB
    *) echo 4096 ;;
  esac
}

# The control targets see tens of thousands of features an input; keeping
# libFuzzer's counts of the rarest of them cost half of each execution, and
# without them a run finds more in the same time.
schedule() {
  case $1 in
    property_document_fuzz | dispatch_fuzz | plot_fuzz) echo -entropic=0 ;;
    *) echo -entropic=1 ;;
  esac
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Controls must not touch the user's store.
export BRENNIX_REGISTRY=$scratch/registry.reg

# One target; its libFuzzer log goes to BUILD_DIR/crashes/TARGET.log.
run_one() {
  local target=$1 corpus=$build/corpus/$1 seeds=fuzz/seeds/$1 log=$build/crashes/$1.log
  mkdir -p "$corpus" "$seeds"
  case $target in
    sim_config_fuzz) cp -n simulator/simulator.conf.example "$corpus"/example.conf ;;
    property_document_fuzz) export BRENNIX_FUZZ_SEEDS=$corpus ;;
  esac
  local common=(-max_len="$(max_len "$target")" "$(schedule "$target")"
                -timeout="${FUZZ_TIMEOUT:-20}" -rss_limit_mb=2048
                -artifact_prefix="$build/crashes/$target-")
  local status=0
  if [[ $seconds == merge ]]; then
    echo "== $target: merge into $seeds"
    local fresh=$scratch/$target
    mkdir -p "$fresh"
    if "$build/bin/$target" -merge=1 ${FUZZ_MERGE_FLAGS:-} "${common[@]}" "$fresh" "$seeds" \
        "$corpus" 2> "$log"; then
      rm -rf "$seeds"
      mv "$fresh" "$seeds"
    else
      status=1
    fi
  else
    echo "== $target: ${seconds}s"
    "$build/bin/$target" -max_total_time="$seconds" ${FUZZ_RUNS:+-runs="$FUZZ_RUNS"} \
      -print_final_stats=1 "${common[@]}" "$corpus" "$seeds" 2> "$log" || status=1
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$log" || true
  fi
  ((status == 0)) || tail -n 40 "$log"
  echo "corpus: $(find "$corpus" -type f | wc -l) files, seeds: $(find "$seeds" -type f | wc -l)"
  return "$status"
}

# FUZZ_JOBS (1) targets at a time: each is one process on one core.
mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= ${FUZZ_JOBS:-1})); do
    wait -n || true
  done
  (
    status=0
    run_one "$target" > "$scratch/$target.out" 2>&1 || status=$?
    echo "$status" > "$scratch/$target.status"
  ) &
done
wait
failed=()
for target in "${targets[@]}"; do
  cat "$scratch/$target.out"
  [[ $(cat "$scratch/$target.status") == 0 ]] || failed+=("$target")
done

if ((${#failed[@]} > 0)); then
  echo "fuzz: crashes in ${failed[*]} (inputs in $build/crashes)" >&2
  exit 1
fi
