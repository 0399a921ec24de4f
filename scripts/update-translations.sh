#!/usr/bin/env bash
# Rewrites resources/translations/<group>_<lang>.ts from the sources with lupdate: new texts are
# added untranslated, texts no longer in the sources are dropped. With --check the files stay
# as they are: lupdate works on copies, and every file whose copy differs is named (status 1).
# The build runs it as the target update_translations and the test translations_in_step.
# Usage: scripts/update-translations.sh [--check] [LUPDATE]
set -euo pipefail
check=0
if [[ ${1:-} == --check ]]; then
  check=1
  shift
fi
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
cd "$(dirname "$0")/.."

languages=(de fr ru zh_CN)
# Each group is one file per language with the texts of its folders (not their subfolders).
# The Qt-free libraries mark theirs with VORDALIS_TRANSLATE_NOOP (model/Strings.h): the group
# "strings", which the viewer looks up in the context "Strings".
groups=(
  "viewer viewer/app"
  "cover viewer/cover/ui"
  "rebound viewer/rebound/ui"
  "update viewer/update/qt"
  "strings viewer/model viewer/plot viewer/objects viewer/cover viewer/rebound viewer/update"
)

tree=resources/translations
out=$tree quiet=()
if ((check)); then
  out=$(mktemp -d) quiet=(-silent)
  trap 'rm -rf "$out"' EXIT
  cp "$tree"/*.ts "$out"/
fi

expected=()
for group in "${groups[@]}"; do
  read -r name folders <<<"$group"
  ts=()
  for lang in "${languages[@]}"; do
    ts+=("$out/${name}_$lang.ts")
    expected+=("${name}_$lang.ts")
  done
  # No line numbers: the files change with the texts, not with every edit around them.
  # shellcheck disable=SC2086
  "$lupdate" "${quiet[@]}" -no-recursive -locations none -no-obsolete \
    -tr-function-alias QT_TRANSLATE_NOOP+=VORDALIS_TRANSLATE_NOOP -I viewer -I . $folders -ts "${ts[@]}"
done
((check)) || exit 0

status=0
for file in "${expected[@]}"; do
  if ! cmp -s "$out/$file" "$tree/$file"; then
    echo "$tree/$file is not in step with the sources:"
    diff -u --label "$tree/$file" --label lupdate "$tree/$file" "$out/$file" | head -40 || true
    status=1
  fi
done
for path in "$tree"/*.ts; do
  if [[ " ${expected[*]} " != *" ${path##*/} "* ]]; then
    echo "$path belongs to no group of scripts/update-translations.sh"
    status=1
  fi
done
if ((status)); then
  echo "Run: cmake --build <build> --target update_translations, translate the new texts, commit."
fi
exit $status
