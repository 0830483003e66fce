#!/usr/bin/env bash
# `make run`: starts the program on the bundled sample data folder.
set -euo pipefail
build=${1:-build/release}
root=$(cd "$(dirname "$0")/.." && pwd)
data="$root/data/sample"
if [ -x "$build/src/gui/corvana" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  echo "Exemplos de cálculo para abrir com \"Abrir\" na Poupança Diária: $root/data/examples/*.e12"
  # The program runs on a fresh writable copy, so the bundled folder keeps no reports or settings.
  gui_data="$root/$build/dados"
  rm -rf "$gui_data"
  mkdir -p "$gui_data"
  cp -R "$data"/. "$gui_data"/
  exec "$build/src/gui/corvana" --data-dir "$gui_data"
fi
echo "Sem tela (DISPLAY/WAYLAND_DISPLAY vazios): o programa de janelas não pode abrir."
echo "Tabelas de exemplo em $data:"
for t in "$data"/*.tab; do
  [ -e "$t" ] && "$build/src/cli/corvana-cli" tabela "$t"
done
# The example calculations are replayed on a copy of the sample data folder, so the
# bundled folder keeps no reports or backups.
work="$(cd "$build" && pwd)/dados-exemplo"
rm -rf "$work"
mkdir -p "$work"
cp -R "$data"/. "$work"/
echo "Recalculando os exemplos de data/examples com corvana-cli (pasta de dados: $work):"
for calc in "$root"/data/examples/*.e12 "$root"/data/examples/*.e20; do
  [ -e "$calc" ] || continue
  name=$(basename "$calc")
  name=${name%.*}
  out="$work/$name.html"
  if "$build/src/cli/corvana-cli" report --data-dir "$work" "$calc" -o "$out" >/dev/null; then
    echo "  $(basename "$calc") -> $out"
  else
    echo "  $(basename "$calc"): o cálculo foi interrompido (veja a mensagem acima)"
  fi
done
