#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Which tests catch which faults: each line of mutants.tsv is a small change
# to the product code (id, file, an exact snippet, its replacement, the fault
# it stands for; "\n" in a snippet is a line end). For each mutant this puts
# the change in, rebuilds, runs the whole ctest suite, puts the file back
# (git checkout) and appends a row to results.tsv:
#     id, file, fault, caught-by (failed tests, "SURVIVED" or "build failed"),
#     test seconds, the failed test functions and rows (QtTest's FAIL! lines)
# A baseline run without any change comes first and must pass (baseline.txt).
# Ids already in results.tsv are skipped, so an interrupted run goes on where
# it stopped; the file is put back on Ctrl-C too.
#
#   bench/mutants/run.sh [ID...]     the mutants named, or all of them
#   bench/mutants/run.sh --check     each snippet found once, each mutant compiles
#                                    (syntax only, its file alone); nothing recorded
#
# RESULTS=file and BASELINE=file write the rows and the baseline there instead
# of results.tsv and baseline.txt. SLOW=regex (say
# "tst_alertpath|tst_speechtext") runs the other tests first and the slow ones
# only when those catch nothing: a caught mutant's caught-by then lists only
# the quick tests that failed; a survivor has still met the whole suite.
#
# Configure the build first (BUILD, default build/), e.g.
#   cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHATWATCH_QT=5 -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Builds and tests run under nice -n 19, -j2, with every wait bounded.
set -u

# All read before anything runs: the script may be edited during a long run.
{

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD:-$root/build}
list=$here/mutants.tsv
results=${RESULTS:-$here/results.tsv}
slow=${SLOW:-}
baseline=${BASELINE:-$here/baseline.txt}
logs=$build/mutant-logs
build_limit=${BUILD_LIMIT:-3600}   # seconds
test_limit=${TEST_LIMIT:-2400}     # seconds for the whole suite; each test has 300 at most
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_DIR=${CCACHE_DIR:-/work/.ccache}
export QT_QPA_PLATFORM=offscreen

die() { echo "run.sh: $*" >&2; exit 1; }

[ -f "$list" ] || die "no $list"
[ -f "$build/CMakeCache.txt" ] || die "configure $build first"
cd "$root" || exit 1
mkdir -p "$logs"
exec 9>"$logs/lock"
flock -n 9 || die "another run.sh uses $build"

# The mutated file, put back whatever happens.
current=""
child=""
restore() {
    if [ -n "$current" ]; then
        git checkout -- "$current" && echo "restored $current"
        current=""
    fi
}
stop_child() {
    if [ -n "$child" ]; then
        kill -TERM -- "-$child" 2>/dev/null || kill -TERM "$child" 2>/dev/null
        child=""
    fi
}
trap 'stop_child; restore; exit 130' INT TERM HUP
trap 'stop_child; restore' EXIT

# Runs "$@" in its own process group, bounded by $1 seconds; its output to the file $2.
bounded() {
    local limit=$1 out=$2
    shift 2
    setsid timeout --kill-after=30 "$limit" "$@" >"$out" 2>&1 &
    child=$!
    wait "$child"
    local rc=$?
    child=""
    return $rc
}

# Puts the mutant's replacement in its file: the snippet must be there exactly once.
apply() {
    python3 - "$1" "$2" "$3" <<'EOF'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace('\\n', '\n'), sys.argv[3].replace('\\n', '\n')
text = open(path, encoding='utf-8').read()
n = text.count(old)
if n != 1:
    sys.exit(f"snippet found {n} times in {path}: {old!r}")
open(path, 'w', encoding='utf-8').write(text.replace(old, new))
EOF
}

build_all() { bounded "$build_limit" "$1" nice -n 19 cmake --build "$build" -j2; }

run_tests() { bounded "$test_limit" "$1" nice -n 19 ctest --test-dir "$build" -j2 --timeout 300 --output-on-failure "${@:2}"; }

# The functions and rows QtTest reports as failed in $1, "; "-separated.
failed_functions() { perl -ne 'print "$1\n" if /^FAIL!  : (\S+::\w+\(.*?\))(?=\s|$)/' "$1" | sort -u | paste -sd';' - | sed 's/;/; /g'; }

# The tests ctest lists as failed in its output $1, comma-separated.
failed_tests() { sed -n 's/^[[:space:]]*[0-9][0-9]* - \([^ ]*\) (.*/\1/p' "$1" | sort -u | paste -sd, -; }

# Only a clean tree: the run puts files back with git checkout.
git diff --quiet -- app monitor speech starmap ui || die "uncommitted product changes: commit or stash them first"

# Splits a row into id, file, old, new, fault; an empty field (a removal) stays a field.
fields() { IFS=$'\037' read -r id file old new fault < <(printf '%s\n' "$1" | tr '\t' '\037'); }

mapfile -t rows < <(grep -v '^#' "$list" | grep -v '^[[:space:]]*$')

if [ "${1:-}" = "--check" ]; then
    bad=0
    for row in "${rows[@]}"; do
        fields "$row"
        cmd=$(python3 - "$build/compile_commands.json" "$root/$file" <<'EOF'
import json, sys
for e in json.load(open(sys.argv[1])):
    if e['file'] == sys.argv[2]:
        print(e['command'].split(' -o ')[0] + ' -fsyntax-only ' + e['file'])
        break
EOF
)
        [ -n "$cmd" ] || { echo "$id: $file not in compile_commands.json"; bad=1; continue; }
        current=$file
        if ! apply "$file" "$old" "$new"; then
            echo "$id: NOT APPLIED"; bad=1
        elif ! (cd "$build" && eval "nice -n 19 $cmd" >"$logs/$id.check.log" 2>&1); then
            echo "$id: DOES NOT COMPILE (see $logs/$id.check.log)"; bad=1
        else
            echo "$id: ok"
        fi
        restore
    done
    exit $bad
fi

if [ ! -s "$baseline" ]; then
    echo "baseline: building"
    start=$(date +%s)
    build_all "$logs/baseline.build.log" || die "baseline build failed (see $logs/baseline.build.log)"
    built=$(date +%s)
    run_tests "$logs/baseline.test.log" ||
        die "baseline tests failed: $(failed_tests "$logs/baseline.test.log") (see $logs/baseline.test.log)"
    done_at=$(date +%s)
    printf 'baseline %s: build %d s, whole ctest suite %d s, all passed (%s)\n' "$(date -u +%FT%TZ)" \
        $((built - start)) $((done_at - built)) "$(grep 'tests passed' "$logs/baseline.test.log")" | tee "$baseline"
fi

[ -f "$results" ] || printf 'id\tfile\tfault\tcaught-by\ttest-seconds\tfailed-functions\n' >"$results"
for row in "${rows[@]}"; do
    fields "$row"
    if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx -- "$id"; then
        continue
    fi
    if cut -f1 "$results" | grep -qx -- "$id"; then
        echo "$id: already in results.tsv"
        continue
    fi
    echo "$id ($file): $fault"
    current=$file
    apply "$file" "$old" "$new" || die "$id: not applied"
    seconds=0
    functions=""
    if build_all "$logs/$id.build.log"; then
        start=$(date +%s)
        if [ -n "$slow" ]; then
            run_tests "$logs/$id.test.log" -E "$slow"
            rc=$?
            if [ -z "$(failed_tests "$logs/$id.test.log")" ] && [ $rc -eq 0 ]; then
                mv "$logs/$id.test.log" "$logs/$id.quick.log"
                run_tests "$logs/$id.test.log" -R "$slow"
                rc=$?
            fi
        else
            run_tests "$logs/$id.test.log"
            rc=$?
        fi
        caught=$(failed_tests "$logs/$id.test.log")
        functions=$(failed_functions "$logs/$id.test.log")
        seconds=$(($(date +%s) - start))
        if [ -z "$caught" ]; then
            [ $rc -eq 0 ] && caught=SURVIVED || caught="ctest error $rc (see $logs/$id.test.log)"
        fi
    else
        caught="build failed"
    fi
    restore
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$id" "$file" "$fault" "$caught" "$seconds" "$functions" >>"$results"
    echo "$id: $caught"
done

# Leave the build as the tree is.
build_all "$logs/final.build.log" || echo "run.sh: the final build of the clean tree failed" >&2

exit 0
}
