#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a set time, one after another.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
# FUZZ_RUNS=N also stops each target after N executions; FUZZ_TIMEOUT (20)
# is the wall-clock limit of one input, longer on a loaded machine.
# Corpora grow under BUILD_DIR/corpus/TARGET, seeded from fuzz/seeds/TARGET
# and the tests' own files; a crash is saved under BUILD_DIR/crashes and
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
seconds=${2:?seconds per target}
shift 2
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(reg_text_fuzz property_document_fuzz dispatch_fuzz plot_fuzz sim_config_fuzz
           command_line_fuzz)
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Controls must not touch the user's store.
export BRENNIX_REGISTRY=$scratch/registry.reg

mkdir -p "$build/crashes"
failed=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  if [[ -d fuzz/seeds/$target ]]; then
    cp -n fuzz/seeds/"$target"/* "$corpus"/ 2>/dev/null || true
  fi
  case $target in
    sim_config_fuzz) cp -n simulator/simulator.conf.example "$corpus"/example.conf ;;
    property_document_fuzz) export BRENNIX_FUZZ_SEEDS=$corpus ;;
  esac
  echo "== $target: ${seconds}s"
  if ! "$build/bin/$target" -max_total_time="$seconds" ${FUZZ_RUNS:+-runs="$FUZZ_RUNS"} \
      -print_final_stats=1 -timeout="${FUZZ_TIMEOUT:-20}" \
      -rss_limit_mb=2048 -artifact_prefix="$build/crashes/$target-" "$corpus" \
      2> "$build/crashes/$target.log"; then
    failed+=("$target")
    tail -n 40 "$build/crashes/$target.log"
  fi
  unset BRENNIX_FUZZ_SEEDS
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$build/crashes/$target.log" || true
  echo "corpus: $(find "$corpus" -type f | wc -l) files"
done

if ((${#failed[@]} > 0)); then
  echo "fuzz: crashes in ${failed[*]} (inputs in $build/crashes)" >&2
  exit 1
fi
