#!/usr/bin/env bash
# Runs every fuzz target of a clang build for a bounded time, then replays the saved
# regression inputs. Usage: fuzz/run-all.sh <build dir> <seconds per target>
# Each target works on a copy of its seed corpus, so the repository is never changed. Exits
# non-zero when any target crashes, hangs or breaks one of its promises; the input that did it
# is left in the work folder printed below (see fuzz/README.md).
set -euo pipefail

build=${1:?usage: $0 <build dir> <seconds per target>}
seconds=${2:?usage: $0 <build dir> <seconds per target>}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrune-fuzz.XXXXXX")
echo "fuzz work folder: $work"

targets=(mod_parser apply_step kestrune_ini oxel_reader ini_plus font_string)
status=0
for name in "${targets[@]}"; do
    binary=$(find "$build" -type f -name "${name}_fuzzer" -perm -u+x | head -n 1)
    if [ -z "$binary" ]; then
        echo "missing fuzz target ${name}_fuzzer in $build" >&2
        exit 1
    fi
    corpus="$work/corpus/$name"
    mkdir -p "$corpus" "$work/crashes/$name"
    cp -R "$here/corpus/$name/." "$corpus/" 2>/dev/null || true

    regressions=()
    if [ -d "$here/regressions/$name" ]; then
        while IFS= read -r -d '' file; do regressions+=("$file"); done \
            < <(find "$here/regressions/$name" -type f -print0)
    fi
    if [ ${#regressions[@]} -gt 0 ]; then
        echo "== $name: ${#regressions[@]} regression inputs"
        if ! "$binary" "${regressions[@]}" >"$work/$name.regressions.log" 2>&1; then
            tail -n 40 "$work/$name.regressions.log" >&2
            echo "FAILED: a regression input of $name fails again" >&2
            status=1
            continue
        fi
    fi

    echo "== $name: ${seconds}s"
    if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
        -print_final_stats=0 -artifact_prefix="$work/crashes/$name/" \
        "$corpus" >"$work/$name.log" 2>&1; then
        tail -n 40 "$work/$name.log" >&2
        echo "FAILED: $name; reproducer in $work/crashes/$name/" >&2
        status=1
    fi
done

if [ $status -eq 0 ]; then
    rm -rf "$work"
    echo "fuzzing: no crash"
fi
exit $status
