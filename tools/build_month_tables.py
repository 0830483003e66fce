#!/usr/bin/env python3
"""Builds the month tables of the configured-savings windows (mes.tab, mes2.tab, mes3.tab).

Inputs (data/oficial/, copies of the official series):
  tr_bcb_sgs226_dia1.csv                      TR of the period starting day 1 (02/1991 on)
  poupanca_juros_remuneracao_adicional_pnrj.csv  savings interest part from 05/2012 on
  tjsp_tabela_pratica_ed2022-07.csv           TJSP factors (monthly index of 07/1987 to 01/1991)
Columns: 0 label, 1 factor F (fraction, 6 decimals, cut), 2..6 empty (computed), 7 currency.
"""
from decimal import Decimal, ROUND_DOWN
from pathlib import Path
import sys

ROOT = Path(__file__).resolve().parent.parent
OFFICIAL = ROOT / "data" / "oficial"
OUT = ROOT / "data" / "tabelas"
NAMES = ["JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"]
HEADER = ["Mês", "Índice", "Valor", "Índice creditado", "Valor creditado", "Diferença",
          "Saldo da diferença", "Moeda"]


def read(name):
    rows = {}
    for line in (OFFICIAL / name).read_text(encoding="utf-8").splitlines():
        if line.strip():
            k, v = line.split(";")
            m, y = k.split("/")
            rows[(int(y), int(m))] = Decimal(v.replace(",", "."))
    return rows


TR = read("tr_bcb_sgs226_dia1.csv")
JUROS = read("poupanca_juros_remuneracao_adicional_pnrj.csv")
TJSP = read("tjsp_tabela_pratica_ed2022-07.csv")
HALF = Decimal("0.005")


def cut6(x):
    return x.quantize(Decimal("0.000001"), rounding=ROUND_DOWN)


def text(x, places=6):
    s = f"{x:.{places}f}"
    return s.replace(".", ",")


def nxt(y, m):
    return (y + 1, 1) if m == 12 else (y, m + 1)


def label(y, m):
    return f"{NAMES[m - 1]}/{y % 100:02d}"


def currency(y, m):
    if (y, m) < (1989, 1):
        return "Cz$"
    if (y, m) < (1990, 3):
        return "NCz$"
    if (y, m) < (1993, 7):
        return "Cr$"
    if (y, m) < (1994, 6):
        return "CR$"
    return "R$"


def monthly_factor(y, m):
    if (y, m) >= (1991, 2):
        juros = JUROS.get((y, m), HALF)
        return cut6((1 + TR[(y, m)] / 100) * (1 + juros) - 1)
    # Before the TR: the month's index from the ratio of the TJSP factors, plus 0,5 %.
    ratio = TJSP[nxt(y, m)] / TJSP[(y, m)]
    if ratio < Decimal("0.01"):  # the cruzado novo cut between the two factors
        ratio *= 1000
    return cut6(ratio * (1 + HALF) - 1)


# Statement rows: the plan month's IPC plus 0,5 % (F) and the rate the bank credited (G).
IPC = {"Jul/87": "26.06", "Fev/89": "42.72", "Abr/90": "84.32", "Mai/90": "44.80",
       "Jun/90": "7.87", "Mar/91": "21.87", "Fev/91": "21.87"}
CREDITED = {"Jul/87": "18.6106", "Fev/89": "22.9708", "Abr/90": "41.9865", "Mai/90": "0.5",
            "Jun/90": "5.9069", "Mar/91": "7.535", "Fev/91": "20.81105"}
UNIT = {"Jul/87": "Cz$", "Fev/89": "NCz$"}


def statement(name):
    f = cut6((1 + Decimal(IPC[name]) / 100) * (1 + HALF) - 1)
    g = cut6(Decimal(CREDITED[name]) / 100)
    return ["Extrato " + name, text(f), "", text(g), "", "", "", UNIT.get(name, "Cr$")]


def monthly(y, m):
    return [label(y, m), text(monthly_factor(y, m)), "", "", "", "", "", currency(y, m)]


def months(start, end):
    y, m = start
    while (y, m) <= end:
        yield y, m
        y, m = nxt(y, m)


def build(layout):
    last = max(TR)
    rows = [HEADER]
    for item in layout:
        if isinstance(item, str):
            rows.append(statement(item))
        else:
            a, b = item
            rows.extend(monthly(y, m) for y, m in months(a, b or last))
    return rows


LAYOUTS = {
    "mes.tab": ["Jul/87", ((1987, 7), (1989, 1)), "Fev/89", ((1989, 2), (1990, 4)), "Mai/90",
                ((1990, 5), (1990, 5)), "Jun/90", ((1990, 6), None)],
    "mes2.tab": ["Jul/87", ((1987, 7), (1989, 1)), "Fev/89", ((1989, 2), (1990, 3)), "Abr/90",
                 ((1990, 4), (1990, 4)), "Mai/90", ((1990, 5), (1990, 5)), "Jun/90",
                 ((1990, 6), (1991, 2)), "Mar/91", ((1991, 3), None)],
    "mes3.tab": ["Jul/87", ((1987, 7), (1989, 1)), "Fev/89", ((1989, 2), (1990, 3)), "Abr/90",
                 ((1990, 4), (1990, 4)), "Mai/90", ((1990, 5), (1990, 5)), "Jun/90",
                 ((1990, 6), (1991, 1)), "Fev/91", ((1991, 2), None)],
}
STATEMENT_ROWS = {"mes.tab": [1, 21, 37, 39], "mes2.tab": [1, 21, 36, 38, 40, 50],
                  "mes3.tab": [1, 21, 36, 38, 40, 49]}

for name, layout in LAYOUTS.items():
    rows = build(layout)
    found = [i for i, r in enumerate(rows) if r[0].startswith("Extrato")]
    assert found == STATEMENT_ROWS[name], (name, found)
    data = "".join("\t".join(r) + "\r\n" for r in rows).encode("cp1252")
    (OUT / name).write_bytes(data)
    print(f"{name}: {len(rows)} linhas, última {rows[-1][0]}", file=sys.stderr)
