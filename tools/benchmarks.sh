#!/usr/bin/env bash
# Measures the figures in BENCHMARKS.md: each piece of work beside its floor, as ratios
# taken in the same run. Needs a build (make build) and, for the window, Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
runs=${RUNS:-21}

echo "== In-process (Google Benchmark), time per character"
"$build/bench/dossier_bench" --benchmark_format=csv --benchmark_min_time=1 2>/dev/null |
awk -F, '/^"BM_/ { gsub(/"/, "", $1); ns[$1] = $3 * ($5 == "ms" ? 1e6 : ($5 == "us" ? 1e3 : 1)) }
END {
    printf "%-28s %10.0f ns   floor (die rolls alone) %8.0f ns   ratio %.1f\n", "quick mode in memory",
        ns["BM_QuickInMemory"], ns["BM_FloorDieRolls"], ns["BM_QuickInMemory"] / ns["BM_FloorDieRolls"]
    printf "%-28s %10.0f ns   floor (plain writes)    %8.0f ns   ratio %.1f\n", "quick mode to /dev/null",
        ns["BM_QuickToDevNull"], ns["BM_FloorWritesToDevNull"], ns["BM_QuickToDevNull"] / ns["BM_FloorWritesToDevNull"]
    printf "%-28s %10.0f ns   floor (plain writes, one sync) %8.0f ns   ratio %.2f\n", "batch into a folder, a sheet",
        ns["BM_QuickBatchToFolder/real_time"] / 1000, ns["BM_FloorBatchToFolder/real_time"] / 1000,
        ns["BM_QuickBatchToFolder/real_time"] / ns["BM_FloorBatchToFolder/real_time"]
    printf "%-28s %10.0f ns   floor (plain replace, no sync) %8.0f ns   ratio %.2f\n", "one sheet replaced durably",
        ns["BM_QuickToSheetFileDurably/real_time"], ns["BM_FloorReplaceFile/real_time"],
        ns["BM_QuickToSheetFileDurably/real_time"] / ns["BM_FloorReplaceFile/real_time"]
    printf "%-28s %10.0f ns   (clock-reseeded dice, same number of rolls)\n", "die rolls, default dice", ns["BM_ClockDiceRolls"]
}'

echo
echo "== In-process (Google Benchmark), networks"
"$build/bench/dossier_network_bench" --benchmark_format=csv 2>/dev/null |
awk -F, '/^"BM_/ { gsub(/"/, "", $1); ms[$1] = $3 * ($5 == "ns" ? 1e-6 : ($5 == "us" ? 1e-3 : 1)) }
END {
    printf "%-40s %8.1f ms   beside the same members as a batch %8.1f ms   ratio %.2f\n",
        "1,000 networks of 8 as JSON", ms["BM_ThousandNetworksOfEightAsJson"],
        ms["BM_ThousandBatchesOfEightAsJson"],
        ms["BM_ThousandNetworksOfEightAsJson"] / ms["BM_ThousandBatchesOfEightAsJson"]
    printf "%-40s %8.1f ms\n", "a network of 30 as its PDF", ms["BM_NetworkOfThirtyAsPdf"]
}'

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
elapsed_ms() { local start end; start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N); echo $(( (end - start) / 1000000 )); }

echo
echo "== Whole process: dossier-cli --count 100000 --output - > /dev/null (median of 5)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/bin/dossier-cli" --count 100000 --seed 1 --output - > "$scratch/sheets"
cli=$(for i in 1 2 3 4 5; do elapsed_ms sh -c "'$build/bin/dossier-cli' --count 100000 --seed 1 --output - > /dev/null"; done | median)
floor=$(for i in 1 2 3 4 5; do elapsed_ms sh -c "cat '$scratch/sheets' > /dev/null"; done | median)
peak=$( { /usr/bin/time -f "%M" "$build/bin/dossier-cli" --count 100000 --seed 1 --output - > /dev/null; } 2>&1 | tail -1)
echo "dossier-cli ${cli} ms; the same $(stat -c %s "$scratch/sheets") bytes written by cat: ${floor} ms; peak memory ${peak} KB"
json=$(for i in 1 2 3 4 5; do elapsed_ms sh -c "'$build/bin/dossier-cli' --count 100000 --seed 1 --format json --output - > /dev/null"; done | median)
peak=$( { /usr/bin/time -f "%M" "$build/bin/dossier-cli" --count 100000 --seed 1 --format json --output - > /dev/null; } 2>&1 | tail -1)
awk -v j="$json" -v s="$cli" -v p="$peak" 'BEGIN { printf "--format json: %d ms, %.2f times the sheets; peak memory %d KB\n", j, j / s, p }'

echo
echo "== Whole process, 1000 characters (median of 5): text beside JSON, the roster and PDFs"
for format in sheet json roster roster-pdf pdf; do
    out="$scratch/out.$format"; [ "$format" = sheet ] || [ "$format" = json ] && out=-
    ms=$(for i in 1 2 3 4 5; do elapsed_ms sh -c "'$build/bin/dossier-cli' --count 1000 --seed 1 --format $format --output $out > /dev/null"; done | median)
    kb=$( { /usr/bin/time -f "%M" "$build/bin/dossier-cli" --count 1000 --seed 1 --format $format --output $out > /dev/null; } 2>&1 | tail -1)
    echo "--format $format: ${ms} ms, peak memory ${kb} KB"
done

echo
echo "== Profiles beside names alone: 100000 sheets to /dev/null (runs in turn, median of 7)"
names=() profiles=()
for i in 1 2 3 4 5 6 7; do
    names+=("$(elapsed_ms sh -c "'$build/bin/dossier-cli' --count 100000 --seed 1 --names --output - > /dev/null")")
    profiles+=("$(elapsed_ms sh -c "'$build/bin/dossier-cli' --count 100000 --seed 1 --profile --output - > /dev/null")")
done
n=$(printf '%s\n' "${names[@]}" | median) p=$(printf '%s\n' "${profiles[@]}" | median)
for count in 10000 100000 1000000; do
    for flag in --names --profile; do
        kb=$( { /usr/bin/time -f "%M" "$build/bin/dossier-cli" --count $count --seed 1 $flag --output - > /dev/null; } 2>&1 | tail -1)
        echo "peak memory, $count characters $flag: ${kb} KB"
    done
done
awk -v n="$n" -v p="$p" 'BEGIN { printf "--names %d ms, --profile %d ms: ratio %.2f (the goal: at most 1.15)\n", n, p, p / n }'

if [ -x "$build/bench/dossier_startup_probe" ] && command -v xvfb-run >/dev/null; then
    echo
    echo "== Window start-up to its first painted frame (median of $runs, whole process, under Xvfb)"
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        median() { sort -n | awk "{ a[NR] = \$1 } END { print a[int((NR + 1) / 2)] }"; }
        probe=$1; runs=$2
        for i in $(seq "$runs"); do
            s=$(date +%s%N); "$probe" dossier >/dev/null 2>&1; e=$(date +%s%N); echo $(( (e - s) / 100000 )) >> /tmp/dossier-startup.$$
            s=$(date +%s%N); "$probe" bare >/dev/null 2>&1; e=$(date +%s%N); echo $(( (e - s) / 100000 )) >> /tmp/dossier-bare.$$
        done
        d=$(median < /tmp/dossier-startup.$$); b=$(median < /tmp/dossier-bare.$$)
        rm -f /tmp/dossier-startup.$$ /tmp/dossier-bare.$$
        awk -v d="$d" -v b="$b" "BEGIN { printf \"Dossier window %.1f ms, bare Qt window %.1f ms, ratio %.2f\n\", d / 10, b / 10, d / b }"
    ' _ "$build/bench/dossier_startup_probe" "$runs"
fi
