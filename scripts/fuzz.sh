#!/usr/bin/env bash
# Runs a libFuzzer campaign on one fuzz target: fuzz.sh TARGET [SECONDS]
# (default 60). Builds fuzz_TARGET with clang in build-fuzz/ and fuzzes a
# scratch copy of fuzz/corpus/TARGET, so the committed corpus stays as it is;
# an input that breaks a property is kept in build-fuzz/finds/TARGET/.
# Further arguments go to libFuzzer (e.g. -jobs=2, -max_len=8192).
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(option_parser console_game move_code engine_protocol match_record transcript_checker)
target=${1:-}
seconds=${2:-60}
if [[ ! -d fuzz/corpus/$target || -z $target ]]; then
  echo "usage: $0 TARGET [SECONDS] [LIBFUZZER OPTIONS...]; TARGET is one of: ${targets[*]}" >&2
  exit 2
fi
shift $(($# < 2 ? $# : 2))
bash scripts/setup.sh --fuzz

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTREVOSK_FUZZ=ON -DBUILD_TESTING=OFF -DTREVOSK_BENCH=OFF -DTREVOSK_GUI=OFF > /dev/null
cmake --build build-fuzz -j 2 --target "fuzz_$target"

work=build-fuzz/corpus/$target
finds=build-fuzz/finds/$target
rm -rf "$work"
mkdir -p "$work" "$finds"
cp fuzz/corpus/"$target"/* "$work"/
echo "== fuzz_$target for $seconds s on a copy of fuzz/corpus/$target ($work)"
nice -n 10 "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$finds/" "$@" "$work"
echo "== corpus: $(ls "$work" | wc -l) inputs in $work"
