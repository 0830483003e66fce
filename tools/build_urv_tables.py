#!/usr/bin/env python3
"""Builds the URV calculator's tables of data/tabelas from the series in data/oficial.

INPC IBGE.tab, IPCA-E.tab, IGP-M FGV.tab and jfcg.tab are built by the converter
(tools/build-tables.sh).
Official (copied unchanged into data/oficial, sources in data/tabelas/LEIA-ME.txt):
  urvtab.tab, days 01/03/1994 to 01/04/1994: the daily URV published for those days;
  urvtab.tab, days of June 1994: the June values of the calculator's own lists.
Sample ("EXEMPLO" in the header): every other table named by the calculator's index box, at a
constant 0,50 % a month from 03/1994, and the URV of 01/11/1993 to 28/02/1994.
urv.tab is the month list 03/1994 to 03/2026 with empty salaries (no values).
"""
import datetime
import pathlib
from decimal import Decimal, ROUND_HALF_UP

ROOT = pathlib.Path(__file__).resolve().parent.parent
OFF = ROOT / "data" / "oficial"
OUT = ROOT / "data" / "tabelas"

JUNE = ["1.908,68", "1.942,11", "1.942,11", "1.976,13", "1.976,13", "1.976,13", "2.010,74", "2.046,38",
        "2.082,65", "2.119,80", "2.157,78", "2.157,78", "2.157,78", "2.196,55", "2.236,02", "2.276,91",
        "2.318,55", "2.361,49", "2.361,49", "2.361,49", "2.406,05", "2.452,17", "2.499,18", "2.547,09",
        "2.596,58", "2.596,58", "2.596,58", "2.647,03", "2.698,46", "2.750,00"]

SAMPLE_TABLES = [
    "Tribunal de Justiça Minas Gerais(expurgada)", "Tribunal de Justiça Minas Gerais(não expurgada)",
    "Tribunal de Justiça Paraná", "Tribunal de Justiça São Paulo (mensal)",
    "Tribunal de Justiça de Rondônia(expurgada)", "Tribunal de Justiça de Rondônia(não expurgada)",
    "Tribunal de Justiça do Rio Grande do Sul", "Tribunal de Justiça Mato Grosso(expurgada)",
    "Tribunal de Justiça Mato Grosso(não expurgada)", "Tribunal de Justiça do Espirito Santo",
    "Tribunal de Justiça Pernambuco(expurgada)", "Tribunal de Justiça Pernambuco(não expurgada)",
    "IGP-DI FGV"]


def write(name, header, rows):
    text = "".join("\t".join(r) + "\r\n" for r in [header] + rows)
    (OUT / name).write_bytes(text.encode("cp1252"))


def series(file):
    rows = []
    for line in (OFF / file).read_text(encoding="utf-8").splitlines():
        if line.strip():
            k, v = line.split(";")
            rows.append((k, v))
    return rows


def pct(fraction_text):
    d = Decimal(fraction_text.replace(",", ".")) * 100
    d = d.quantize(Decimal("0.000001"), rounding=ROUND_HALF_UP)
    s = format(d, "f").rstrip("0")
    if "." not in s:
        s += ".00"
    whole, dec = s.split(".")
    dec = dec.ljust(2, "0")
    return whole + "," + dec


def months(first, last):
    y, m = first
    while (y, m) <= last:
        yield "%02d/%04d" % (m, y)
        m += 1
        if m == 13:
            y, m = y + 1, 1


def money(v):
    s = "{:,.2f}".format(Decimal(v).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP))
    return s.replace(",", "X").replace(".", ",").replace("X", ".")


def main():
    sample = [[m, "0,50"] for m in months((1994, 3), (2026, 3))]
    for t in SAMPLE_TABLES:
        write(t + ".tab", ["Mês", "EXEMPLO - não oficial (%)"], sample)
    # URV: sample days of 11/1993 to 02/1994 (a steady daily rise ending at 637,64, the value
    # of 28/02/1994 that the published March values imply), then the published days.
    urv = []
    d = datetime.date(1993, 11, 1)
    end = datetime.date(1994, 2, 28)
    while d <= end:
        v = Decimal("637.64") / (Decimal("1.0115") ** (end - d).days)
        urv.append([d.strftime("%d/%m/%Y"), money(v)])
        d += datetime.timedelta(days=1)
    for k, v in series("urv_diaria_parcial_wikipedia_secondary.csv"):
        urv.append([k, money(Decimal(v.replace(",", ".")))])
    for i, v in enumerate(JUNE):
        urv.append(["%02d/06/1994" % (i + 1), v])
    write("urvtab.tab", ["Data", "URV (11/1993 a 02/1994: EXEMPLO)"], urv)
    write("urv.tab", ["Data", "Remuneração"], [[m, ""] for m in months((1994, 3), (2026, 3))])


if __name__ == "__main__":
    main()
