#!/usr/bin/env bash
# Plants the one-line faults of scripts/mutants.txt in the product one at a time and runs the test
# suite against each: a fault is killed when a test fails. Prints killed or survived per fault (with
# the failing test) and the score; exits 1 when a fault survived or could not be planted or built.
#
#   bash scripts/mutants.sh [TEXT...]    only the faults whose description contains one of the TEXTs
#
# The faults are planted in a copy of the tree (build-mutants/tree), built into build-mutants/build
# and tested there without the CUPS and installation tests; this tree is never changed. The copy is
# brought up to date with this tree's files at every start, so builds after the first are
# incremental. Not run in CI: each fault costs a build and a test run.
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true
cd "$(dirname "$0")/.."
top=$PWD
table=scripts/mutants.txt
work=$top/build-mutants
tree=$work/tree
build=$work/build
logs=$work/logs
only=("$@")

names=() files=() froms=() tos=()
while IFS= read -r line || [[ -n $line ]]; do
    case $line in
        'fault: '*) names+=("${line#fault: }") ;;
        'file: '*) files+=("${line#file: }") ;;
        'from: '*) froms+=("${line#from: }") ;;
        'to: '*) tos+=("${line#to: }") ;;
        '' | '#'*) ;;
        *) echo "$table: not a fault line: $line" >&2; exit 2 ;;
    esac
done <"$table"
if ((${#files[@]} != ${#names[@]} || ${#froms[@]} != ${#names[@]} || ${#tos[@]} != ${#names[@]})); then
    echo "$table: every fault needs the four lines fault, file, from and to" >&2
    exit 2
fi

# The text of a file, trailing line ends included.
read_text() { local text; text=$(cat "$1"; printf x); printf '%s' "${text%x}"; }

# How often snippet $2 occurs in text $1: 0, 1 or 2 (for more than one).
occurrences() {
    local rest=${1#*"$2"}
    [[ $rest == "$1" ]] && { echo 0; return; }
    [[ ${rest#*"$2"} == "$rest" ]] && echo 1 || echo 2
}

# Every snippet must name exactly one place in this tree before anything is built.
selected=()
for i in "${!names[@]}"; do
    wanted=$((${#only[@]} == 0))
    for text in "${only[@]}"; do
        [[ ${names[i]} == *"$text"* ]] && wanted=1
    done
    ((wanted)) || continue
    count=$(occurrences "$(read_text "${files[i]}")" "${froms[i]}")
    if [[ $count != 1 ]]; then
        echo "${names[i]}: the snippet occurs $count times in ${files[i]} (needs exactly once)" >&2
        exit 2
    fi
    selected+=("$i")
done
((${#selected[@]} > 0)) || { echo "no fault matches: ${only[*]}" >&2; exit 2; }

# The copy holds exactly this tree's files (tracked and new, not ignored); a changed file is copied
# with a new time so that the build sees it.
echo "bringing $tree up to date"
mkdir -p "$tree" "$logs"
listed=$(mktemp)
trap 'rm -f "$listed"' EXIT
git ls-files -z --cached --others --exclude-standard >"$listed"
while IFS= read -r -d '' file; do
    [[ -e $file ]] || continue
    if ! cmp -s "$file" "$tree/$file"; then
        mkdir -p "$tree/$(dirname "$file")"
        cp -P "$file" "$tree/$file"
    fi
done <"$listed"
(cd "$tree" && find . -type f -printf '%P\0') | while IFS= read -r -d '' file; do
    grep -qzxF -- "$file" "$listed" || rm -f "$tree/$file"
done

# Puts file $1 of the copy back as it is in this tree.
restore() { cp "$top/$1" "$tree/$1"; }
planted=
trap 'rm -f "$listed"; [[ -z $planted ]] || restore "$planted"' EXIT
trap 'exit 130' INT TERM

export CMAKE_CXX_COMPILER_LAUNCHER=ccache QT_QPA_PLATFORM=offscreen
[[ -f $build/CMakeCache.txt ]] || cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$logs/configure.log"
build_tree() { flock /tmp/tavrel-build.lock cmake --build "$build" -j2 >"$1" 2>&1; }
# Runs the suite; prints the failing tests, nothing when all passed.
run_tests() {
    ctest --test-dir "$build" -LE 'cups|install' -j2 --stop-on-failure --timeout 300 >"$1" 2>&1 || true
    sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) .*\*\*\*.*/\1/p' "$1" | sort -u | paste -sd ' ' -
}

echo "building and testing the unchanged copy"
build_tree "$logs/build-0.log" || { echo "the unchanged copy does not build: $logs/build-0.log" >&2; exit 2; }
failing=$(run_tests "$logs/test-0.log")
[[ -z $failing ]] || { echo "the unchanged copy fails $failing: $logs/test-0.log" >&2; exit 2; }

killed=0 survived=0 broken=0
for i in "${selected[@]}"; do
    file=${files[i]}
    text=$(read_text "$file")
    planted=$file
    printf '%s' "${text/"${froms[i]}"/"${tos[i]}"}" >"$tree/$file"
    n=$((i + 1))
    if ! build_tree "$logs/build-$n.log"; then
        result="not built" detail=$logs/build-$n.log
        broken=$((broken + 1))
    else
        failing=$(run_tests "$logs/test-$n.log")
        if [[ -n $failing ]]; then
            result=killed detail="by $failing"
            killed=$((killed + 1))
        else
            result=survived detail="$file: ${tos[i]}"
            survived=$((survived + 1))
        fi
    fi
    restore "$file"
    planted=
    printf '%2d %-9s %s\n             %s\n' "$n" "$result" "${names[i]}" "$detail"
done

total=${#selected[@]}
echo "killed $killed of $total ($((100 * killed / total)) %), survived $survived, not built $broken"
((survived == 0 && broken == 0))
