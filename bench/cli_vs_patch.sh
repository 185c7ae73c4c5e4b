#!/usr/bin/env bash
# Times `kestrune-cli install` against `patch -p1` applying the same change as a unified diff
# (made by `kestrune-cli install --dry-run --diff`), on a generated forum and mod. Each tool runs
# RUNS times on a fresh copy of the forum; the medians of wall time and peak memory are shown.
#
#   bench/cli_vs_patch.sh [path/to/kestrune-cli]      (default: build/program/kestrune-cli)
#   RUNS=9 FILES=60 FILE_KB=120 STEPS=1200 bench/cli_vs_patch.sh
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=$(realpath "${1:-$here/../build/program/kestrune-cli}")
runs=${RUNS:-7}
files=${FILES:-60}
file_kb=${FILE_KB:-120}
steps=${STEPS:-1200}

[ -x "$cli" ] || { echo "no kestrune-cli at $cli; build it first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }
[ -x /usr/bin/patch ] || { echo "needs /usr/bin/patch" >&2; exit 2; }

work=$(mktemp -d /tmp/kestrune-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_cli_bench.py" "$work/template" --files "$files" --file-kb "$file_kb" \
    --steps "$steps"
edited_kb=$(du -sk "$work/template/forum/Sources" | cut -f1)

fresh() {
    rm -rf "$work/run"
    cp -a "$work/template" "$work/run"
}
cli_args=(--home "$work/run/program" --script "$work/run/forum/YaBB.pl")

fresh
"$cli" "${cli_args[@]}" install --dry-run --diff bench.mod >"$work/change.diff" 2>/dev/null
echo "diff: $(wc -l <"$work/change.diff") lines, $(grep -c '^@@' "$work/change.diff") hunks"

# Check once that both give the same forum.
fresh
"$cli" "${cli_args[@]}" install bench.mod >/dev/null
mv "$work/run/forum" "$work/by-cli"
fresh
(cd "$work/run/forum" && patch -p1 --batch --silent <"$work/change.diff")
diff -r "$work/by-cli" "$work/run/forum" >/dev/null || { echo "the results differ" >&2; exit 1; }
rm -rf "$work/by-cli"

# One run: prints "wall-seconds cpu-seconds peak-kilobytes". The wall time is taken by bash
# around /usr/bin/time, whose own start costs both tools the same; CPU is user + system time
# and the memory the peak resident set, both from /usr/bin/time.
measure() {
    local start end
    start=$EPOCHREALTIME
    /usr/bin/time -f "%U %S %M" -o "$work/usage" "$@" >/dev/null 2>&1
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" '{ printf "%.4f %.2f %d\n", e - s, $1 + $2, $3 }' "$work/usage"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
column() { cut -d' ' -f"$1" "$2" | median; }

: >"$work/cli.txt"
: >"$work/patch.txt"
# Every run gets its own copy, made and flushed before any timing: removing files between runs
# makes the next flush wait for the discards of the old ones.
rm -rf "$work/run"
for ((i = 0; i < runs; i++)); do
    cp -a "$work/template" "$work/cli-$i"
    cp -a "$work/template" "$work/patch-$i"
done
sync
sleep 1
# A flush before each run: the first flush of a run would otherwise write back what the run
# before it left in the page cache (ext4 commits those renamed files with its journal).
for ((i = 0; i < runs; i++)); do
    sync
    measure "$cli" --home "$work/cli-$i/program" --script "$work/cli-$i/forum/YaBB.pl" \
        install bench.mod >>"$work/cli.txt"
    sync
    (cd "$work/patch-$i/forum" && measure patch -p1 --batch --silent -i "$work/change.diff") \
        >>"$work/patch.txt"
done

printf 'forum: %d files, %d KB edited; mod: %d steps; median of %d runs each\n' "$files" \
    "$edited_kb" "$steps" "$runs"
printf '%-22s %10s %10s %10s\n' tool "wall s" "cpu s" "peak KB"
for tool in cli patch; do
    name=$([ "$tool" = cli ] && echo "kestrune-cli install" || echo "patch -p1")
    printf '%-22s %10s %10s %10s\n' "$name" "$(column 1 "$work/$tool.txt")" \
        "$(column 2 "$work/$tool.txt")" "$(column 3 "$work/$tool.txt")"
done
awk -v cw="$(column 1 "$work/cli.txt")" -v pw="$(column 1 "$work/patch.txt")" \
    -v cm="$(column 3 "$work/cli.txt")" -v kb="$edited_kb" 'BEGIN {
        printf "wall time ratio cli/patch: %.2f\n", cw / pw
        printf "peak memory / edited size: %.2f (target: below 3)\n", cm / kb
    }'
