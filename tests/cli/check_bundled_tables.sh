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
# A table built from official data only names its source and edition; "Exemplo" is "Sim" or "Não".
bad=$(iconv -f cp1252 -t utf-8 "$root/data/tabelas/fontes.tab" | tr -d '\r' | awk -F'\t' '
    NR > 1 && ($6 != "Sim" && $6 != "Não") { print "coluna Exemplo inválida em fontes.tab: " $1 }
    NR > 1 && $6 == "Não" && ($3 == "" || $4 == "") { print "tabela oficial sem fonte ou edição: " $1 }')
if [ -n "$bad" ]; then
    echo "$bad"
    status=1
fi
exit $status
