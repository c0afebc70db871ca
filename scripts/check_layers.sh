#!/usr/bin/env bash
# Checks the layers of the program: the core has no Qt and knows nothing of the windows, and the
# window folders include only downwards: ui <- checks/ui, dictionaries/ui <- screens <- app; the
# core's folders include only the folders their libraries link.
# Prints every include that breaks a rule and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/../src"

failed=0
# forbid FOLDERS... -- PATTERN [GREP OPTIONS]: no file under the folders includes a header matching
# the pattern.
forbid() {
  local folders=() pattern
  while [ "$1" != "--" ]; do folders+=("$1"); shift; done
  pattern="$2"
  shift 2
  local found
  found="$(grep -rnE "^#include [<\"]($pattern)" "${folders[@]}" --include='*.h' --include='*.cpp' "$@" || true)"
  if [ -n "$found" ]; then
    echo "$found"
    failed=1
  fi
}

core=(storage model dictionaries calc export checks report carryover imports filing)
# The window parts of the checks and dictionaries live in their folders' ui/ below.
forbid "${core[@]}" -- 'Q|app/|screens/|ui/|checks/ui/|dictionaries/ui/|print/' --exclude-dir=ui
forbid ui -- 'app/|screens/|checks/ui/|dictionaries/ui/'
forbid checks/ui dictionaries/ui -- 'app/|screens/'
forbid screens -- 'app/'

# The core's own folders include only the folders below them, as their libraries link
# (src/CMakeLists.txt): FOLDER followed by the folders it may include besides itself.
core_order=(
  "storage"
  "model storage"
  "dictionaries storage"
  "calc model storage"
  "export calc model dictionaries storage"
  "checks calc model dictionaries storage"
  "report calc model storage"
  "imports model dictionaries storage"
  "carryover imports model dictionaries storage"
  "filing export report calc model dictionaries storage"
)
for row in "${core_order[@]}"; do
  read -r folder allowed <<<"$row"
  others=()
  for c in "${core[@]}"; do
    [ "$c" = "$folder" ] && continue
    case " $allowed " in *" $c "*) ;; *) others+=("$c/") ;; esac
  done
  [ ${#others[@]} -gt 0 ] && forbid "$folder" -- "$(IFS='|'; echo "${others[*]}")" --exclude-dir=ui
done

if [ "$failed" -ne 0 ]; then
  echo "Нарушены слои программы: см. включения выше" >&2
  exit 1
fi
