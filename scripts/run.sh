#!/usr/bin/env bash
# Sets everything up, builds the program and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/zizaza "$@"
fi
echo "Нет графического дисплея: запускается zizaza-cli." >&2
exec build/bin/zizaza-cli --help
