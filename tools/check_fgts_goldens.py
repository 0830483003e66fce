#!/usr/bin/env python3
"""Recomputes the FGTS golden reports of tests/data/fgts from the rules, independently of the
program, and compares every table cell and total with the reviewed report."""
import re
import sys
from datetime import date
from decimal import Decimal as D, ROUND_HALF_UP
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "tests" / "data" / "fgts"
fails = 0


def num(t):
    k = "".join(c for c in t if c.isdigit() or c in ",-")
    return D(k.replace(",", ".")) if any(c.isdigit() for c in k) else D(0)


def fmt(v, places=2):
    q = v.quantize(D(1).scaleb(-places), rounding=ROUND_HALF_UP)
    sign = "-" if q < 0 else ""
    whole, frac = f"{abs(q):.{places}f}".split(".")
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    return sign + ".".join(groups) + "," + frac


def lines(p):
    return p.read_bytes().decode("cp1252").split("\r\n")


def tab(p):
    return [l.split("\t") for l in lines(p) if l]


def report_rows(p):
    text = p.read_bytes().decode("cp1252")
    rows = []
    for chunk in text.split("<tr>\r\n")[1:]:
        chunk = chunk.split("\r\n</tr>")[0]
        rows.append(re.findall(r"<td><div align=Right>(?:<b>)?(.*?)(?:</b>)?</div></td>", chunk))
    return rows, text


def check(name, got, want):
    global fails
    if got != want:
        fails += 1
        print(f"  DIFERENTE {name}: relatório {got!r}, regras {want!r}")


def d(t):
    dd, mm, yy = map(int, t.split("/"))
    return date(yy, mm, dd)


def entre_datas_months(a, b):
    # whole years and months stepping back from b, clamping the day each step
    def step(x, months):
        m = x.month - 1 + months
        y, m = x.year + m // 12, m % 12 + 1
        import calendar
        return date(y, m, min(x.day, calendar.monthrange(y, m)[1]))
    if b <= a:
        return 0
    x, n = b, 0
    while True:
        x = step(x, -12); n += 1
        if x < a:
            break
    x = step(x, 12); years = n - 1
    n = 0
    while True:
        x = step(x, -1); n += 1
        if x < a:
            break
    return years * 12 + n - 1


def purge(case):
    l = lines(case / "calculo.fg")
    n = int(l[0]); f = l[n + 1:]
    dataini, cj, ch, cc, datajuros, txjur, hono, cust, cv, jcs, cco, jco, jr3, jr6, rsaldo = f[:15]
    cj, ch, cc, cv, cco, jr6, rsaldo = (x == "true" for x in (cj, ch, cc, cv, cco, jr6, rsaldo))
    jcs, jco = fmt(num(jcs)), fmt(num(jco))
    ind = tab(case / "data" / "fgts.tab")
    col = 7 if jr6 else 6

    def jam(x):
        for r in ind[1:]:
            first = d("01/" + r[0])
            if x <= first:
                return num(r[col])
        return D(0)

    def moeda(t):
        part = t[3:10]
        out = ""
        for r in ind[1:]:
            if r[0] == part:
                out = r[8] + " "
        return out

    months = entre_datas_months(d(datajuros), d(dataini)) if cj else 0
    rows, text = report_rows(case / "esperado.html")
    cur = moeda(dataini)
    if not rsaldo:
        total6 = D(0)
        for row, (month, val, f3, f6, plan) in ((1, ("03/89", jcs, D("0.355693"), D("0.352729"), date(1989, 3, 1))),
                                                (2, ("05/90", jco, D("182.11841"), D("92.496404"), date(1990, 5, 1)))):
            on = cv if row == 1 else cco
            if not on:
                check(f"linha {row} vazia", rows[row], [""] * 7)
                continue
            c2 = fmt(num(val) * (f6 if jr6 else f3))
            c3 = fmt(jam(d(dataini)) * (D(100) / jam(plan)) / 100, 6)
            c4 = fmt(num(c2) * num(c3))
            c5 = fmt(num(txjur) / 12 * months * (num(c4) / 100)) if cj else "0,00"
            c6 = fmt(num(c4) + num(c5))
            total6 += num(c6)
            check(f"linha {month}", rows[row], [month, fmt(num(val)), c2, c3, c4, c5, c6])
        t = total6
        r = 5
        if ch:
            a = num(fmt(num(hono) * (t / 100)))
            check("honorários", rows[r][6], cur + fmt(a)); t += a; r += 1
        if cc:
            check("custas", rows[r][6], cur + cust); t += num(cust); r += 1
        check("total geral", rows[r][6], cur + fmt(t))
        print(f"  {case.name}: {len(rows)} linhas; total geral {cur}{fmt(t)}")
        return
    # balance way
    mes = tab(case / "data" / ("fgtsmes6.tab" if jr6 else "fgtsmes3.tab"))
    mes = mes[:3] + [r for r in mes[3:] if d(r[0]) < d(dataini)]
    last = len(mes) - 1
    v = [D(0)] * len(mes); c = [D(0)] * len(mes)
    v[1] = num(fmt(num(jcs) * D("0.1665") * (1 + num(mes[1][3])) / 1000)) if cv else D(0)
    for r in range(2, last + 1):
        x = num(fmt(v[r - 1] * (1 + num(mes[r][3]))))
        if mes[r][0] == "10/08/1993": x = num(fmt(x / 1000))
        if mes[r][0] == "10/07/1994": x = num(fmt(x / 2750))
        if mes[r][0] == "02/05/1990": x = num(fmt(x * D("1.448")))
        v[r] = x
    c[10] = num(fmt(num(jco) * D("0.448") * (1 + num(mes[10][3])))) if cco else D(0)
    for r in range(11, last + 1):
        x = num(fmt(c[r - 1] * (1 + num(mes[r][3]))))
        if mes[r][0] == "10/08/1993": x = num(fmt(x / 1000))
        if mes[r][0] == "10/07/1994": x = num(fmt(x / 2750))
        c[r] = x
    mrows = rows[1:1 + last]
    for r in range(1, last + 1):
        check(f"Verão {mes[r][0]}", mrows[r - 1][6], fmt(v[r]))
        if r >= 10:
            check(f"Collor {mes[r][0]}", mrows[r - 1][7], fmt(c[r]))
    tot = rows[1 + last + 0:]
    tot = rows[len(mes):]
    T = D(0); want = []
    if cv: want.append(fmt(v[last])); T += v[last]
    if cco: want.append(fmt(c[last])); T += c[last]
    if cv and cco and (cj or ch or cc): want.append(fmt(v[last] + c[last]))
    if cj:
        a = num(fmt(num(txjur) / 12 * months * (T / 100))); want.append(fmt(a)); T += a
    if ch:
        a = num(fmt(num(hono) / 100 * T)); want.append(fmt(a)); T += a
    if cc:
        want.append(fmt(num(cust))); T += num(cust)
    want.append(fmt(T))
    check("totais", [r[1] for r in tot], want)
    a1 = fmt(num(jcs) * D("0.1665") * (D("1.893071") if jr6 else D("1.879083")) / 1000)
    a2 = fmt(num(jco) * D("0.448") * (D("1.004867") if jr6 else D("1.002466")))
    check("linha do saldo Verão", f"= {a1}</p>" in text, True)
    check("linha do saldo Collor", f"= {a2}</p>" in text, True)
    print(f"  {case.name}: {last} meses; total devido {fmt(T)}")


def juros(case):
    l = lines(case / "calculo.jfgts")
    tag = l[0]; combo = l[1]; i = 3
    ipc = False
    if tag == "Vers 1.3":
        ipc = l[3] == "sim"; i = 4
    n = int(l[i])

    def items(line):
        out, cur, q, k = [], "", False, 0
        while k < len(line):
            ch = line[k]
            if q:
                if ch == '"' and k + 1 < len(line) and line[k + 1] == '"': cur += '"'; k += 1
                elif ch == '"': q = False
                else: cur += ch
            elif ch == '"': q = True
            elif ch == ",": out.append(cur); cur = ""
            else: cur += ch
            k += 1
        out.append(cur)
        return out + [""] * (12 - len(out))

    g = [items(x) for x in l[i + 1:i + 1 + n]]
    has = lambda t: any(ch.isdigit() for ch in t)
    for r in range(1, n):
        row, prev = g[r], g[r - 1]
        if not has(row[1]): continue
        row[1] = fmt(num(row[1])); a = num(row[1])
        if has(row[2]): row[3] = fmt(a / num(row[2]))
        if has(row[3]):
            for c in (4, 5, 6):
                if has(row[c]): row[7] = fmt(num(row[3]) * num(row[c]))
        if has(row[7]): row[8] = fmt(num(row[7]) - a)
        H = num(prev[10]) if has(prev[10]) else D(0)
        if has(prev[10]):
            for c in (4, 5, 6):
                if has(row[c]): row[9] = fmt(H * num(row[c]))
        if ipc and row[0] == "mar/89": row[9] = fmt(num(prev[10]) * D("1.208083"))
        if ipc and row[0] == "mai/90": row[9] = fmt(num(prev[10]) * D("0.455047"))
        if has(row[8]) and has(row[9]):
            X = H + num(row[9])
            if row[0] in ("mar/86", "mar/89", "ago/93"): X = X / 1000
            if row[0] == "jul/94": X = X / 2750
            row[10] = fmt(num(row[8]) + X)
    end = n - 1
    for r in range(2, n):
        if combo in g[r - 1]:
            end = r - 1; break
    rows, text = report_rows(case / "esperado.html")
    check("linhas da tabela", len(rows), end + 1)
    for r in range(1, min(end + 1, len(rows))):
        check(f"mês {g[r][0]}", rows[r], g[r])
    T = f"{g[end][0]} = {g[end][11]} {g[end][10]}"
    check("total", f"VALOR TOTAL DEVIDO EM: {T}</B>" in text, True)
    print(f"  {case.name}: {end} meses; {T}")


for case in sorted(ROOT.iterdir()):
    if not (case / "esperado.html").exists():
        continue
    if (case / "calculo.fg").exists(): purge(case)
    else: juros(case)
print("diferenças:", fails)
sys.exit(1 if fails else 0)
