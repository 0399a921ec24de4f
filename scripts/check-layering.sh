#!/usr/bin/env bash
# Fails when a source file includes a header its layer may not reach: a plain C++ library that
# includes Qt, or any folder that includes one above it or beside it (a program's or the
# application's). Tests, fuzz targets and benchmarks may include anything.
# Usage: scripts/check-layering.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The layering, lowest first. A folder's files may include their own folder and the folders named
# after it; the longest folder that starts a file's path is the file's. Kinds: core is plain C++
# without Qt, qt a library on Qt, program the folder of one program.
#
# folder               kind     may include
LAYERS='
program                core     -
settings               core     -
text                   core     -
io                     core     -
transfer               core     io settings
viewer/model           core     io text settings
viewer/plot            core     viewer/model text settings
viewer/cover           core     viewer/plot viewer/model text settings
viewer/rebound         core     viewer/plot viewer/model text settings io
viewer/objects         core     viewer/cover viewer/rebound viewer/plot viewer/model text settings
viewer/update          core     text settings program
settings/qt            qt       settings
program/qt             qt       program
runninglock            core     -
canvas                 qt       viewer/objects viewer/plot viewer/model text settings
viewer/dialogs         qt       viewer/model text settings
viewer/update/qt       qt       viewer/update viewer/model text settings program
viewer/cover/ui        qt       viewer/dialogs canvas viewer/cover viewer/plot viewer/model text settings
viewer/rebound/ui      qt       viewer/dialogs canvas viewer/rebound viewer/plot viewer/model text settings
ondralink/common       qt       runninglock transfer text settings/qt settings program/qt program
viewer/app             program  viewer/dialogs canvas runninglock viewer/update/qt viewer/cover/ui
                                viewer/rebound/ui viewer/objects viewer/cover viewer/rebound viewer/plot
                                viewer/model text settings/qt settings program/qt program
ondralink              program  ondralink/common transfer text settings/qt settings program/qt program
tamlo                  program  ondralink/common transfer text settings/qt settings program/qt program
tools/cli              program  canvas viewer/objects viewer/cover viewer/rebound
                                viewer/plot viewer/model text io settings/qt settings program
tools/transfer         program  transfer io settings/qt settings program
tools/instrument-sim   program  program
resources              program  -
'
EXEMPT='tests fuzz bench'

# Wrong-way includes that are known and being moved away, as "file included-header"; each entry
# goes with the move that removes it.
ALLOWED='
'

declare -A kind_of may_include
folder=''
while IFS= read -r line; do
  [[ -z ${line// /} ]] && continue
  read -r first kind deps <<<"$line"
  if [[ $line == [[:space:]]* ]]; then
    # a continuation: more folders the one above may include
    may_include[$folder]+="$first $kind $deps "
    continue
  fi
  folder=$first
  kind_of[$folder]=$kind
  may_include[$folder]=" ${deps/#-/} "
done <<<"$LAYERS"

declare -A allowed used_allowance
while read -r file header; do
  [[ -n $file ]] && allowed["$file $header"]=1
done <<<"$ALLOWED"

# The folder a path belongs to (into $unit): the longest folder of the table that starts it.
owner() {
  local dir=$1
  unit=''
  while [[ -n $dir && $dir != . ]]; do
    [[ -n ${kind_of[$dir]:-} ]] && { unit=$dir; return; }
    [[ $dir == */* ]] && dir=${dir%/*} || dir=''
  done
}

# A path with its "." and ".." steps taken (into $path); empty when it climbs out of the tree.
normalize() {
  local IFS=/ part parts=()
  for part in $1; do
    case $part in
      '' | .) ;;
      ..) ((${#parts[@]} > 0)) || { path=''; return; }; unset 'parts[-1]' ;;
      *) parts+=("$part") ;;
    esac
  done
  path="${parts[*]}"
}

mapfile -t headers < <(git ls-files '*.h' '*.hpp' 2>/dev/null || find . -name '*.h' -printf '%P\n')
declare -A header_by_name
for h in "${headers[@]}"; do
  name=${h##*/}
  # a name held by two headers cannot be placed by its name alone
  [[ -n ${header_by_name[$name]:-} ]] && header_by_name[$name]=ambiguous || header_by_name[$name]=$h
done

# Where a quoted include lands (into $target): beside the file, from the top of the tree, from
# viewer/ (the viewer's libraries' root), else the one header of that name. Generated headers land
# nowhere.
resolve() {
  local dir=$1 inc=$2 root
  for root in "$dir" . viewer; do
    normalize "$root/$inc"
    [[ -n $path && -f $path ]] && { target=$path; return; }
  done
  target=${header_by_name[${inc##*/}]:-}
  [[ $target == ambiguous ]] && target=''
  return 0
}

failures=0
report() {
  echo "$1" >&2
  failures=$((failures + 1))
}

mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.hpp' 2>/dev/null ||
  find . \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \) -printf '%P\n')
checked=()
for file in "${sources[@]}"; do
  [[ " $EXEMPT " == *" ${file%%/*} "* ]] && continue
  [[ $file == */* ]] && owner "${file%/*}" || unit=''
  if [[ -z $unit ]]; then
    report "$file: its folder is not in the layering table of scripts/check-layering.sh"
  else
    checked+=("$file")
  fi
done

# Every include line of the checked files at once, as FILE:LINE.
while IFS= read -r hit; do
  file=${hit%%:*} line=${hit#*:}
  dir=${file%/*}
  [[ $dir == "$file" ]] && dir=.
  owner "$dir"
  from=$unit
  if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*)[/\>] ]]; then
    [[ ${kind_of[$from]} == core ]] && report "$file: includes Qt (${BASH_REMATCH[1]}) in the plain C++ library $from"
    continue
  fi
  [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
  resolve "$dir" "${BASH_REMATCH[1]}"
  [[ -z $target ]] && continue
  owner "${target%/*}"
  [[ $unit == "$from" || ${may_include[$from]} == *" $unit "* ]] && continue
  if [[ -n ${allowed["$file $target"]:-} ]]; then
    used_allowance["$file $target"]=1
    continue
  fi
  report "$file: includes $target, but $from may not reach ${unit:-a folder outside the table}"
done < <(((${#checked[@]} > 0)) && grep -HE '^[[:space:]]*#[[:space:]]*include' "${checked[@]}")

for entry in "${!allowed[@]}"; do
  [[ -z ${used_allowance[$entry]:-} ]] && echo "check-layering: no longer needed in ALLOWED: $entry" >&2
done
if ((failures > 0)); then
  echo "check-layering: $failures wrong-way include(s)" >&2
  exit 1
fi
echo "check-layering: ${#checked[@]} files follow the layering"
