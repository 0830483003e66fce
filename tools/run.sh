#!/usr/bin/env bash
# `make run`: starts the program on the bundled data folder.
set -euo pipefail
build=${1:-build/release}
root=$(cd "$(dirname "$0")/.." && pwd)
data="$root/data/tabelas"
if [ "${2:-}" = "--build" ]; then
  # Only the three programs, with the compiler's output kept in a log: a second run finds
  # nothing to rebuild and starts in seconds.
  mkdir -p "$build"
  log="$root/$build/build.log"
  jobs=$(nproc 2>/dev/null || echo 2)
  if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "Preparando a compilação em $build (só na primeira vez)..."
    if ! cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1; then
      echo "A preparação falhou; fim do registro ($log):"
      tail -n 30 "$log"
      exit 1
    fi
  fi
  echo "Compilando o programa, o cálculo por linha de comando e o atualizador..."
  if ! cmake --build "$build" -j "$jobs" --target corvana corvana-cli download >>"$log" 2>&1; then
    echo "A compilação falhou; fim do registro ($log):"
    tail -n 30 "$log"
    exit 1
  fi
  echo "Pronto."
fi
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
# The example calculations are replayed on a copy of the bundled data folder, so the
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
