#!/usr/bin/env python3
"""Builds the FGTS tables of data/tabelas from the official series in data/oficial.

fgts.tab       month, TR of the month before (%), JAM 3% and 6% of the month (%), origin of
               each, JAM index 3% and 6% (currency changes built in), currency
fgtsmes3.tab   FGTS credit dates with the month's rate (fraction) for 3% accounts
fgtsmes6.tab   the same for 6% accounts
fgtsjuros.tab  the progressive-interest month list (sample)

Months without an official figure are sample values and are marked "exemplo".
"""
from decimal import Decimal, ROUND_DOWN, getcontext
from pathlib import Path

getcontext().prec = 40
ROOT = Path(__file__).resolve().parent.parent
OFFICIAL = ROOT / "data" / "oficial"
SAMPLE = ROOT / "data" / "tabelas"

R3 = Decimal("1.0024662698")   # 3% a.a. capitalised monthly
R6 = Decimal("1.004867551")    # 6% a.a. capitalised monthly


def read_series(name):
    out = {}
    for line in (OFFICIAL / name).read_text(encoding="utf-8").splitlines():
        if line.strip():
            k, v = line.split(";")
            out[k] = Decimal(v.replace(",", "."))
    return out


def months(first, last):
    m, y = map(int, first.split("/"))
    lm, ly = map(int, last.split("/"))
    while (y, m) <= (ly, lm):
        yield m, y
        m += 1
        if m == 13:
            m, y = 1, y + 1


def key(m, y):
    return f"{m:02d}/{y}"


def prev(m, y):
    return (12, y - 1) if m == 1 else (m - 1, y)


def br(d, places):
    q = Decimal(1).scaleb(-places)
    return str(d.quantize(q)).replace(".", ",")


def trunc6(d):
    return d.quantize(Decimal("0.000001"), rounding=ROUND_DOWN)


def currency(m, y):
    if (y, m) < (1990, 3):
        return "NCz$"
    if (y, m) < (1993, 8):
        return "Cr$"
    if (y, m) < (1994, 7):
        return "CR$"
    return "R$"


# Sample monthly JAM (%) for 01/1989 .. 02/1991, before the official TR starts.
SAMPLE_JAM3 = [22, 18, 20, 10, 12, 15, 25, 28, 30, 32, 35, 40,
               50, 55, 60, 70, 10, 8, 10, 11, 12, 13, 14, 16, 18, 20]

jam_official = read_series("fgts_jam_coeficiente.csv")
tr = read_series("tr_bcb_sgs226_dia1.csv")

coef3, coef6, origin3, origin6 = {}, {}, {}, {}
for i, (m, y) in enumerate(months("01/1989", "06/2024")):
    k = key(m, y)
    pk = key(*prev(m, y))
    if pk in tr:
        t = 1 + tr[pk] / 100
        if k in jam_official:
            coef3[k], origin3[k] = jam_official[k], "oficial"
        else:
            coef3[k], origin3[k] = trunc6(t * R3 - 1), "calculado da TR oficial"
        coef6[k], origin6[k] = trunc6(t * R6 - 1), "calculado da TR oficial"
    else:
        c3 = Decimal(SAMPLE_JAM3[i]) / 100
        coef3[k], origin3[k] = c3, "exemplo"
        coef6[k], origin6[k] = trunc6((1 + c3) * R6 / R3 - 1), "exemplo"


def conversion(m, y):
    return Decimal(1000) if (m, y) == (8, 1993) else Decimal(2750) if (m, y) == (7, 1994) else Decimal(1)


def write_tab(name, rows):
    text = "".join("\t".join(r) + "\r\n" for r in rows)
    (SAMPLE / name).write_bytes(text.encode("cp1252"))


# fgts.tab
rows = [["Mês", "TR mês anterior (%)", "JAM 3% (%)", "JAM 6% (%)", "Origem JAM 3%",
         "Origem JAM 6%", "Índice JAM 3%", "Índice JAM 6%", "Moeda"]]
i3 = i6 = Decimal(1)
for m, y in months("01/1989", "06/2024"):
    k = key(m, y)
    i3 = i3 * (1 + coef3[k]) / conversion(m, y)
    i6 = i6 * (1 + coef6[k]) / conversion(m, y)
    pk = key(*prev(m, y))
    rows.append([k, br(tr[pk], 4) if pk in tr else "", br(coef3[k] * 100, 4), br(coef6[k] * 100, 4),
                 origin3[k], origin6[k], br(i3, 9), br(i6, 9), currency(m, y)])
write_tab("fgts.tab", rows)


# fgtsmes3.tab and fgtsmes6.tab: row 1 the first Verão month, row 10 the first Collor month.
def credit_rows():
    fixed = [("01/03/1989", [(3, 1989)]), ("01/06/1989", [(4, 1989), (5, 1989), (6, 1989)]),
             ("01/09/1989", [(7, 1989), (8, 1989), (9, 1989)]),
             ("01/12/1989", [(10, 1989), (11, 1989), (12, 1989)]),
             ("01/01/1990", [(1, 1990)]), ("01/02/1990", [(2, 1990)]), ("01/03/1990", [(3, 1990)]),
             ("01/04/1990", [(4, 1990)]), ("02/05/1990", [(5, 1990)])]
    for date, ms in fixed:
        yield date, ms
    for m, y in months("06/1990", "06/2024"):
        yield f"10/{m:02d}/{y}", [(m, y)]


for rate, coef, origin, name, row1, row10 in (
        ("3%", coef3, origin3, "fgtsmes3.tab", "0,879083", "0,002466"),
        ("6%", coef6, origin6, "fgtsmes6.tab", "0,893071", "0,004867")):
    rows = [["Data", "Referência", "Origem", "Taxa", "Taxa (%)", "Moeda",
             "Diferença Plano Verão", "Diferença Plano Collor"]]
    for n, (date, ms) in enumerate(credit_rows(), start=1):
        f = Decimal(1)
        for m, y in ms:
            f *= 1 + coef[key(m, y)]
        r = trunc6(f - 1)
        org = "exemplo" if any(origin[key(m, y)] == "exemplo" for m, y in ms) else origin[key(*ms[-1])]
        ref = ""
        if n == 1:
            r, org, ref = Decimal(row1.replace(",", ".")), "fixo", "IPC 01/1989 42,72% (Súmula 252 do STJ)"
        if n == 10:
            r, org, ref = Decimal(row10.replace(",", ".")), "fixo", "IPC 04/1990 44,80% (Súmula 252 do STJ)"
        d, mo, y = date.split("/")
        rows.append([date, ref, org, br(r, 6), br(r * 100, 4), currency(int(mo), int(y)), "", ""])
    write_tab(name, rows)


# fgtsjuros.tab: sample month list jan/86 .. dez/99.
NAMES = ["jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out", "nov", "dez"]
rows = [["Mês", "a", "b", "c", "d (4%)", "d (5%)", "d (6%)", "e", "f", "g", "h", "Moeda"]]
cur = {(1986, 1): "Cr$"}
for m, y in months("01/1986", "12/1999"):
    label = f"{NAMES[m - 1]}/{y % 100:02d}"
    moeda = ("Cr$" if (y, m) < (1986, 3) else "Cz$" if (y, m) < (1989, 3) else
             "NCz$" if (y, m) < (1990, 3) else "Cr$" if (y, m) < (1993, 8) else
             "CR$" if (y, m) < (1994, 7) else "R$")
    d = ["", "", ""]
    col = 0 if y < 1990 else 1 if y < 1995 else 2
    d[col] = ["0,003274", "0,004074", "0,004868"][col]
    first = (m, y) == (1, 1986)
    rows.append([label, "", "0,002466", "", *d, "", "", "0,00" if first else "",
                 "0,00" if first else "", moeda])
write_tab("fgtsjuros.tab", rows)
