#!/usr/bin/env bash
# Renders every sample object in the tree to PNG and SVG, as the screen shows it and as its first
# printed page, and fails on any byte that differs between two builds. A refactoring must leave
# every picture as it was; exit status and messages count too.
#
#   scripts/compare-renders.sh REFERENCE_CLI [CLI]   render with both programs and compare
#   scripts/compare-renders.sh --save DIR [CLI]      keep CLI's renders in DIR as a reference
#   scripts/compare-renders.sh --against DIR [CLI]   compare CLI's renders with those kept in DIR
#
# CLI defaults to the build's own vordalis-cli ($BUILD_DIR, default build). Exit status: 0 all
# renders identical, 1 a render differs or is missing, 2 wrong arguments.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  sed -n '5,7s/^#   //p' "$0" >&2
  exit 2
}

mode=compare
reference_cli='' reference_dir=''
case "${1:-}" in
  --save) mode=save reference_dir=${2:-} && shift 2 || usage ;;
  --against) mode=against reference_dir=${2:-} && shift 2 || usage ;;
  '' | -*) usage ;;
  *) reference_cli=$1 && shift ;;
esac
[[ $# -le 1 ]] || usage
cli=${1:-${BUILD_DIR:-build}/bin/vordalis-cli}
[[ -z $reference_dir ]] && [[ $mode != compare ]] && usage
for program in "$cli" ${reference_cli:+"$reference_cli"}; do
  [[ -x $program ]] || { echo "compare-renders: $program is not an executable program" >&2; exit 2; }
done
[[ $mode == against && ! -d $reference_dir ]] && { echo "compare-renders: no folder $reference_dir" >&2; exit 2; }

# The samples shipped with the suite and the object corpus the fuzzers start from (it holds the
# files that once broke a reader or a painter); a corpus copy of a sample is rendered once.
list_samples() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files '*.vdo' && git ls-files 'fuzz/corpus/objects/*'
  else
    find . -path ./build -prune -o -name '*.vdo' -type f -printf '%P\n' | sort
    find fuzz/corpus/objects -type f | sort
  fi
}
mapfile -t samples < <(list_samples | xargs -d '\n' md5sum | awk '!seen[$1]++ { print $2 }')
[[ ${#samples[@]} -gt 0 ]] || { echo "compare-renders: no sample found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# render_all PROGRAM DIR: every sample in every form into DIR, one file a render, and beside it
# the program's exit status and what it wrote to stderr.
render_all() {
  local program=$1 out=$2 sample name variant ext status
  mkdir -p "$out"
  for sample in "${samples[@]}"; do
    name=${sample//\//_}
    for variant in screen page1; do
      for ext in png svg; do
        local target="$out/$name.$variant.$ext" args=()
        [[ $variant == page1 ]] && args=(--page 1)
        # Settings of their own each time, so that neither the user's nor an earlier run's count.
        local config
        config=$(mktemp -d "$work/config.XXXXXX")
        status=0
        XDG_CONFIG_HOME=$config "$program" render "$sample" -o "$target" "${args[@]}" \
          2>"$target.stderr" || status=$?
        echo "$status" >"$target.status"
        rm -rf "$config"
      done
    done
  done
}

case $mode in
  save)
    render_all "$cli" "$reference_dir"
    echo "compare-renders: ${#samples[@]} samples rendered into $reference_dir"
    exit 0
    ;;
  against) expected=$reference_dir ;;
  compare)
    expected=$work/reference
    render_all "$reference_cli" "$expected"
    ;;
esac
actual=$work/actual
render_all "$cli" "$actual"

renders=$(find "$expected" -name '*.png' -o -name '*.svg' | wc -l)
if ! differences=$(diff -rq "$expected" "$actual"); then
  echo "$differences" | sed "s|$expected/||; s|$actual/||" | head -n 20 >&2
  echo "compare-renders: $(echo "$differences" | wc -l) of the renders of ${#samples[@]} samples differ" >&2
  exit 1
fi
echo "compare-renders: ${#samples[@]} samples, $renders renders (PNG and SVG), all byte-identical"
