#!/usr/bin/env bash
# Rebuilds the tables of the bundled data folder (data/tabelas) from the series of data/oficial
# with the converter of corvana-cli; the same inputs always give the same bytes.
# Usage: tools/build-tables.sh [CORVANA_CLI [OUTPUT_FOLDER]] (the folder defaults to data/tabelas,
# whose sample tables it starts from)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/release/src/cli/corvana-cli}
src=$root/data/oficial
out=${2:-$root/data/tabelas}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tables the converter builds; every other .tab of data/tabelas is a sample table (fontes.tab
# lists it as "exemplo") and stays as it is.
built=(fontes.tab t0001.tab tjsp.tab jf.tab "Justiça Federal - Ações Condenatórias em Geral.tab"
       "INPC IBGE.tab" "IPCA-E.tab" "IGP-M FGV.tab" jfcg.tab "Tribunal de Justiça São Paulo (mensal).tab"
       fgtsdifz.tab fgtsdif.tab fgtsdifx.tab fgtsdifj.tab fgtsdifxj.tab ipcaez.tab abre.tab
       fgts.tab fgtsmes3.tab fgtsmes6.tab mes.tab mes2.tab mes3.tab urvtab.tab)

# The built tables start from nothing, so nothing of an earlier build survives.
cp -p "$root"/data/tabelas/*.tab "$work"/
rm -f "$work"/serie-*.tab
for t in "${built[@]}"; do rm -f "$work/$t"; done

import() { "$cli" importar --data-dir "$work" "$1" "$src/$2" | tail -n 1; }
import tjsp   tjsp_TabelaDebitosJudiciais_ed2026-01.pdf
import jf     cjf_condenatorias_geral_ipcae_variacao_pnrj.csv
import inpc   inpc_ibge.csv
import ipca   ipca_ibge.csv
import ipca15 ipca15_ibge.csv
import igpm   igpm_fgv.csv
import tr     tr_bcb_sgs226_dia1.csv
import selic  selic_acumulada_mes_bcb_sgs4390.csv
import jam    fgts_jam_coeficiente.csv
import poupjuros poupanca_juros_remuneracao_adicional_pnrj.csv
import urv    urv_diaria_parcial_wikipedia_secondary.csv

cp "$work"/serie-*.tab "$out"/
for t in "${built[@]}"; do cp "$work/$t" "$out/"; done
echo "Tabelas oficiais gravadas em $out"
