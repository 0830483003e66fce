#!/usr/bin/env python3
"""Builds the tables of the FGTS index revision (TR x INPC or IPCA-E) in data/tabelas from the
official monthly series kept in data/oficial.

One row per JAM credit: column 0 the credit date (day 10 of the credit month M), column 1 the
competence (M - 2: the month worked, deposited in M - 1 and credited in M), the TR of the JAM
credited in M (TR of the period starting on day 1 of M - 1, BCB SGS 226), the yearly 3% as its
monthly equivalent, and the INPC (IBGE) or IPCA-E (= IPCA-15, IBGE) of M - 1. The input tables
carry the credit date and the deposit date (day 7 of M - 1).

The JAM coefficients published for 01/1999 on are checked against the TR column: the JAM
credited in M is trunc6((1 + TR(M-1)) * 1,0024662698 - 1).

Usage: tools/fgts_revision_tables.py [official-folder] [target-folder]
"""
import os
import sys
from decimal import Decimal, ROUND_DOWN

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OFFICIAL = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "oficial")
TARGET = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "data", "tabelas")

RATE = "0,2466"  # 3% a year as a monthly rate, four decimals

HEADER = ["Data do Crédito", "Competência", "(a) Depósito", "(b) Saques",
          "(c) Saldo base TR", "(d) Juros", "(e) TR", "(f) Saldo corrigido TR",
          "(g) Saldo base {ix}", "(h) Juros", "(i) {ix}", "(j) Saldo corrigido {ix}",
          "(l) Diferença (j-f)"]
INPUT_HEADER = ["Data do Crédito", "Data do Depósito", "Depósito", "Saques"]


def series(name):
    out = {}
    with open(os.path.join(OFFICIAL, name), encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line:
                continue
            key, value = line.split(";")
            mm, yyyy = key.split("/")
            out[(int(yyyy), int(mm))] = value
    return out


def step(ym, n):
    y, m = ym
    k = y * 12 + (m - 1) + n
    return (k // 12, k % 12 + 1)


def month(ym):
    return "%02d/%04d" % (ym[1], ym[0])


def pad(value, decimals):
    """The source's digits with zeros added up to `decimals` places (no rounding)."""
    whole, _, frac = value.partition(",")
    if len(frac) > decimals:
        raise ValueError("more decimals than the table keeps: " + value)
    return whole + "," + frac.ljust(decimals, "0")


def write_tab(name, rows):
    data = "".join("\t".join(r) + "\r\n" for r in rows)
    path = os.path.join(TARGET, name)
    with open(path + ".tmp", "wb") as f:
        f.write(data.encode("cp1252"))
    os.replace(path + ".tmp", path)


def revision(first_credit, tr, index, ix_name, ix_decimals):
    rows = [[h.format(ix=ix_name) for h in HEADER]]
    inputs = [list(INPUT_HEADER)]
    ym = first_credit
    while step(ym, -1) in tr and step(ym, -1) in index:
        prev = step(ym, -1)
        credit = "10/" + month(ym)
        rows.append([credit, month(step(ym, -2)), "", "", "", RATE, pad(tr[prev], 4), "", "",
                     RATE, pad(index[prev], ix_decimals), "", ""])
        inputs.append([credit, "07/" + month(prev), "", ""])
        ym = step(ym, 1)
    return rows, inputs


def check_jam(tr, jam):
    agree = total = 0
    for ym, coef in jam.items():
        prev = step(ym, -1)
        if prev not in tr:
            continue
        total += 1
        f = (1 + Decimal(tr[prev].replace(",", ".")) / 100) * Decimal("1.0024662698") - 1
        if abs(f.quantize(Decimal("0.000001"), rounding=ROUND_DOWN) -
               Decimal(coef.replace(",", "."))) <= Decimal("0.000001"):
            agree += 1
    return agree, total


def main():
    tr = series("tr_bcb_sgs226_dia1.csv")
    inpc = series("inpc_ibge.csv")
    ipcae = series("ipca15_ibge.csv")
    jam = series("fgts_jam_coeficiente.csv")
    agree, total = check_jam(tr, jam)
    if agree < total - 10:
        sys.exit("JAM and TR disagree in %d of %d months" % (total - agree, total))

    z, x = revision((1999, 1), tr, inpc, "INPC", 2)
    j, xj = revision((1991, 3), tr, inpc, "INPC", 2)
    e, _ = revision((1999, 1), tr, ipcae, "IPCA-E", 2)
    write_tab("fgtsdifz.tab", z)
    write_tab("fgtsdifx.tab", x)
    write_tab("fgtsdifj.tab", j)
    write_tab("fgtsdifxj.tab", xj)
    write_tab("ipcaez.tab", e)
    # The revision table of the older calculation files: the same rows as fgtsdifz.tab.
    write_tab("fgtsdif.tab", z)
    # Its presence offers the start in February 1991; the program reads no value from it.
    write_tab("abre.tab", [["Cálculo desde"], ["Janeiro de 1999"], ["Fevereiro de 1991"]])
    print("fgtsdifz/fgtsdifx/ipcaez: %s a %s; fgtsdifj/fgtsdifxj: %s a %s; JAM = TR em %d de %d meses"
          % (z[1][0], z[-1][0], j[1][0], j[-1][0], agree, total))


if __name__ == "__main__":
    main()
