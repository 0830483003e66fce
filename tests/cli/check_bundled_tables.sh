#!/usr/bin/env bash
# Rebuilds the bundled tables with the converter into a scratch folder and compares them with
# data/tabelas byte for byte; every .tab of data/tabelas must have its row in fontes.tab.
set -euo pipefail
cli=$1
root=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$root/tools/build-tables.sh" "$cli" "$out" > /dev/null
status=0
for f in "$out"/*.tab; do
    n=$(basename "$f")
    if ! cmp -s "$f" "$root/data/tabelas/$n"; then
        echo "difere de data/tabelas: $n"
        status=1
    fi
done
listed=$(iconv -f cp1252 -t utf-8 "$root/data/tabelas/fontes.tab" | cut -f1)
for f in "$root"/data/tabelas/*.tab; do
    n=$(basename "$f")
    [ "$n" = fontes.tab ] && continue
    if ! grep -qxF "$n" <<< "$listed"; then
        echo "sem linha em fontes.tab: $n"
        status=1
    fi
done
exit $status
