#!/bin/bash
# The whole-process counting rate of vantry-cli: every corpus file with a
# reference figure, repeated to about a second of tdoku's work (so start-up
# does not count), through `vantry-cli --jobs 1 count` and then on every core. The rate
# is in processor time (user + system), which the other programs on a shared
# machine disturb far less than the wall clock; "ratio" is that rate against
# tdoku's on one core of this kind of machine, the goal being 0.8. Then the
# wall-clock time of one job and of every core (the speed-up means something
# only on an otherwise idle machine), and whether every core's output is the
# output of one job.
#   bench/cli_rate.sh [VANTRY_CLI] [CORPUS_DIR]
set -euo pipefail
cli=${1:-build/src/cli/vantry-cli}
corpus=${2:-../shared/corpus}
goal=0.8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cores=$(nproc)

# tdoku counting up to two solutions, puzzles a second on one core.
declare -A tdoku=(
  [a_qqwing_any_2000]=317000 [b_17clue]=268000 [c_magictour]=98000
  [d_forum_hardest_1106]=11000 [d_forum_hardest_1905]=17700
  [e_multi_removed_clues]=176000 [e_nosol_wrong_clue]=97000
)

# Runs the command and prints its processor seconds (user + system) and its
# wall-clock seconds.
timed() {
  local out=$1; shift
  local TIMEFORMAT='%U %S %R'
  { time "$@" > "$out" 2>/dev/null; } 2>&1 | awk '{ printf "%.3f %.3f\n", $1 + $2, $3 }'
}

printf '%-44s %8s %10s %8s %7s %9s %8s %8s %8s %5s\n' file puzzles 'puz/s cpu' tdoku/s ratio \
  "goal $goal" 'jobs 1' "jobs $cores" speed-up same
failed=0
for file in "$corpus"/*.txt; do
  name=$(basename "$file" .txt)
  reference=0
  for prefix in "${!tdoku[@]}"; do
    [[ $name == "$prefix"* ]] && reference=${tdoku[$prefix]}
  done
  ((reference > 0)) || continue
  lines=$(grep -c . "$file")
  # About a second of tdoku's time, and at least the file once.
  repeat=$(( (reference + lines - 1) / lines ))
  for ((i = 0; i < repeat; i++)); do cat "$file"; done > "$work/in.txt"
  puzzles=$((lines * repeat))
  read -r one one_wall < <(timed "$work/one.txt" "$cli" --jobs 1 count "$work/in.txt")
  read -r _ wall < <(timed "$work/all.txt" "$cli" --jobs "$cores" count "$work/in.txt")
  same=yes
  cmp -s "$work/one.txt" "$work/all.txt" || { same=NO; failed=1; }
  rate=$(awk -v n="$puzzles" -v s="$one" 'BEGIN { print n / (s > 0 ? s : 0.001) }')
  ratio=$(awk -v r="$rate" -v t="$reference" 'BEGIN { print r / t }')
  verdict=$(awk -v r="$ratio" -v g="$goal" 'BEGIN { print (r >= g ? "met" : "missed") }')
  speedup=$(awk -v a="$one_wall" -v b="$wall" 'BEGIN { print a / (b > 0 ? b : 0.001) }')
  printf '%-44s %8d %10.0f %8d %7.2f %9s %7.2fs %7.2fs %8.2f %5s\n' "$name" "$puzzles" "$rate" "$reference" \
    "$ratio" "$verdict" "$one_wall" "$wall" "$speedup" "$same"
done
exit $failed
