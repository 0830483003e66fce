#!/usr/bin/env bash
# `make run`: starts the program on the bundled sample data folder.
set -euo pipefail
build=${1:-build/release}
root=$(cd "$(dirname "$0")/.." && pwd)
data="$root/data/sample"
if [ -x "$build/src/gui/corvana" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$build/src/gui/corvana" --data-dir "$data"
fi
if [ -x "$build/src/gui/corvana" ]; then
  echo "Sem tela (DISPLAY/WAYLAND_DISPLAY vazios): o programa de janelas não pode abrir."
fi
echo "Tabelas de exemplo em $data:"
for t in "$data"/*.tab; do
  [ -e "$t" ] && "$build/src/cli/corvana-cli" tabela "$t"
done
"$build/src/cli/corvana-cli" formatar '#,##0.00' '1.234,565'
