#!/usr/bin/env python3
"""Independent check of the configured-savings golden reports, written from the rules alone.

For every case folder with esperado.html: reads the calculation file and the month table of
the case's data folder, recomputes the statement table, the month-by-month table (statement
rows, monthly yields, currency divisions, row removal, update month), the remunerative-interest
view, the moratory interest, the corrected value and the fees, assembles the document line by
line and compares it with esperado.html. Decimal arithmetic, rounding half away from zero.
"""
from decimal import Decimal as D, ROUND_HALF_UP, ROUND_DOWN
from pathlib import Path
import calendar
import datetime
import html
import sys

HERE = Path(__file__).resolve().parent
MONTHS = {
    'TForm7': [('Jul/87', 1, '18.6106'), ('Fev/89', 21, '22.9708'), ('Mai/90', 37, '0.5'), ('Jun/90', 39, '5.9069')],
    'TForm_conftodos': [('Jul/87', 1, ''), ('Fev/89', 21, ''), ('Abr/90', 36, ''), ('Mai/90', 38, ''),
                        ('Jun/90', 40, ''), ('Mar/91', 50, '')],
}
MONTHS['TForm_conftodosII'] = MONTHS['TForm_conftodos'][:5] + [('Fev/91', 49, '')]
TABLE = {'TForm7': 'mes.tab', 'TForm_conftodos': 'mes2.tab', 'TForm_conftodosII': 'mes3.tab'}
REPORT = {'TForm7': 'federal.html', 'TForm_conftodos': 'federal.html', 'TForm_conftodosII': 'federal2.html'}
DAY_T = {'01': '20,81105', '02': '20,81105', '03': '19,9987', '04': '19,1919', '05': '18,7307', '06': '19,0719',
         '07': '19,4142', '08': '18,9524', '09': '18,4920', '10': '17,6954', '11': '16,9041', '12': '16,1180',
         '13': '16,1180', '14': '16,5437', '15': '16,1847', '16': '15,9355', '17': '15,1559', '18': '14,3816',
         '19': '14,1362', '20': '14,6623', '21': '15,1909', '22': '14,9437', '23': '14,6972', '24': '13,7171',
         '25': '12,7454', '26': '12,2972', '27': '12,8149', '28': '13,3348', '29': '13,3348', '30': '13,3348',
         '31': '13,3348'}
ABBR = ['JAN', 'FEV', 'MAR', 'ABR', 'MAI', 'JUN', 'JUL', 'AGO', 'SET', 'OUT', 'NOV', 'DEZ']


def num(t):
    kept = ''.join(ch for ch in t if ch.isdigit() or ch in ',-')
    return D(kept.replace(',', '.')) if any(ch.isdigit() for ch in kept) else D(0)


def fmt(x, places=2, thousands=True):
    q = D(1).scaleb(-places)
    x = D(x).quantize(q, rounding=ROUND_HALF_UP)
    if x == 0:
        x = abs(x)
    s = f"{abs(x):.{places}f}"
    i, _, f = s.partition('.')
    if thousands:
        parts = []
        while len(i) > 3:
            parts.insert(0, i[-3:])
            i = i[:-3]
        i = '.'.join([i] + parts)
    return ('-' if x < 0 else '') + i + (',' + f if places else '')


def has(t):
    return any(ch.isdigit() for ch in t)


def date(t):
    d, m, y = t.split('/')
    return datetime.date(int(y), int(m), int(d))


def add_months(d, n):
    m = d.month - 1 + n
    y = d.year + m // 12
    m = m % 12 + 1
    return datetime.date(y, m, min(d.day, calendar.monthrange(y, m)[1]))


def months_between(a, b):
    if b <= a:
        return 0
    w, years = b, 0
    while add_months(w, -12) >= a:
        w = add_months(w, -12)
        years += 1
    months = 0
    while add_months(w, -1) >= a:
        w = add_months(w, -1)
        months += 1
    return years * 12 + months


def check(case):
    calc = next(case.glob('calculo.e*'))
    window = {'.e20': 'TForm7', '.ex20': 'TForm_conftodos', '.ex21': 'TForm_conftodosII'}[calc.suffix.lower()]
    if (case / 'window').exists():
        window = {'conf': 'TForm7', 'conftodos': 'TForm_conftodos',
                  'conftodosII': 'TForm_conftodosII'}[(case / 'window').read_text().strip()]
    L = calc.read_bytes().decode('cp1252').split('\r\n')
    six = window != 'TForm7'
    f = {'nome': L[1], 'banco': L[2], 'ag': L[3], 'conta': L[4], 'dia': L[5], 'ate': L[6]}
    cjc, cjm, chon = (L[11] == 'true'), (L[12] == 'true'), (L[13] == 'true')
    # Saldo anterior of each month by name; the other statement fields for the statement table.
    sa = {'Jul/87': L[26], 'Fev/89': L[27], 'Mai/90': L[28], 'Jun/90': L[29]}
    j = {'Jul/87': L[14], 'Fev/89': L[16], 'Mai/90': L[18], 'Jun/90': L[20]}
    s = {'Jul/87': L[15], 'Fev/89': L[17], 'Mai/90': L[19], 'Jun/90': L[21]}
    sp = {'Jul/87': L[30], 'Fev/89': L[31], 'Mai/90': L[32], 'Jun/90': L[33]}
    mor = (L[37], L[38], L[39])
    hon_pct, hon_val, hon = L[40] == 'true', L[41] == 'true', L[42]
    last = 'Fev/91' if window == 'TForm_conftodosII' else 'Mar/91'
    if six:
        extra = L[43:53] if len(L) > 50 and L[43] != '' else ['0,00'] * 10
        j['Abr/90'], s['Abr/90'], j[last], s[last] = extra[0], extra[1], extra[2], extra[3]
        sa['Abr/90'], sa[last], sp['Abr/90'], sp[last] = extra[6], extra[7], extra[8], extra[9]
    months = MONTHS[window]
    size, family = '8', 'Arial'
    # Statement table.
    st2 = [['<b>Extrato:</b>'] + [f'<b>{m}</b>' for m, _, _ in months]]
    for cap, src in (('Saldo Anterior:', sa), ('Juros:', j), ('Seguro Inflação:', s), ('Saldo Posterior:', sp)):
        st2.append([f'<b>{cap}</b>'] + [fmt(num(src[m])) for m, _, _ in months])
    # Month table.
    rows = [line.split('\t') for line in (case / 'data' / TABLE[window]).read_bytes().decode('cp1252').split('\r\n') if line]
    rows = [(r + [''] * 8)[:8] for r in rows]
    SA = [num(fmt(num(sa[m]))) for m, _, _ in months]
    stmt_rows = [r for _, r, _ in months]
    seen = 0
    for r in range(1, len(rows)):
        row, prev = rows[r], rows[r - 1]
        if seen < len(months) and r == stmt_rows[seen]:
            k = seen
            seen += 1
            if SA[k] > 0:
                if window == 'TForm_conftodosII' and k == 5:
                    row[3] = fmt(num(DAY_T.get(f['dia'], '20,81105')) / 100, 4)
                row[2] = fmt(SA[k] * num(row[1]))
                row[4] = fmt(SA[k] * num(row[3]))
                diff = num(row[2]) - num(row[4])
                row[5] = fmt(diff)
                row[6] = fmt(diff) if k == 0 else fmt(num(prev[6]) + diff)
            else:
                row[0] = ''
                row[6] = '0' if k == 0 else prev[6]
            continue
        if all(SA[k] == 0 for k in range(seen)):
            row[0] = ''
        p = num(prev[6])
        row[2] = fmt(num(row[1]) * p)
        total = p + num(row[2])
        div = 1
        if seen == 1 and row[0] == 'JAN/89':
            div = 1000
        if seen == len(months) and row[0] == 'JUL/93':
            div = 1000
        if seen == len(months) and row[0] == 'JUN/94':
            div = 2750
        row[6] = fmt(total / div)
    st = [rows[0]] + [r for r in rows[1:] if r[0] != '']
    upd = date(f['ate'])
    label = f"{ABBR[upd.month - 1]}/{upd.year % 100:02d}"
    hit = [i for i in range(1, len(st)) if st[i][0] == label]
    st = st[:(hit[-1] if hit else len(st) - 1) + 1]
    if cjc:
        st = [[r[0], r[1], r[1], r[1]] + r[1:] for r in st]
        st[0][1:5] = ['<b>Índice Correto</b>', '<b>Juros Remuneratórios</b>', '<b>Índice+Juros</b>', '<b>Índice Aplicado</b>']
        for r in st[1:]:
            r[2] = '0,5%'
            if has(r[1]):
                r[1] = fmt((num(r[1]) * 100 - D('0.5')) / D('1.005'), 6, False)
            if has(r[4]):
                r[3] = fmt(num(r[4]) * 100, 6, False)
    vcol, ucol = (9, 10) if cjc else (6, 7)
    V = st[-1][vcol] if has(st[-1][vcol]) else '0'
    unit = st[-1][ucol]
    I = D(0)
    expl = ''
    if cjm and has(mor[2]) and has(mor[0]) and has(mor[1]):
        n = months_between(date(mor[0]), date(mor[1]))
        P = fmt(num(mor[2]) * n)
        Itext = fmt(num(V) * num(mor[2]) * n / 100)
        I = num(Itext)
        if n > 1:
            expl = (f'<p align="center"><b>Juros Moratórios de:  {mor[0]} a {mor[1]} de {mor[2]}% x {n}(meses) = {P}'
                    f'</b></p><p align="center"><b>Valor dos Juros: {V} x {P}% = {Itext}</b></p>')
    V2 = fmt(num(V) + I)
    esc = lambda t: t.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
    out = ['<html><head>', '<title>Atualização</title>', '</head>',
           f'<span align = center style="font-size:{size}.0pt;font-family:{family}">',
           f'<p align="center"><b>Nome: </b>{esc(f["nome"])}</p>',
           f'<p align="center"><b>Banco: </b>{esc(f["banco"])} - <b>Agencia: </b>{esc(f["ag"])} - <b>Conta: </b>{esc(f["conta"])}</p>',
           f'<p align="center"><b>Dia de Aniversário da Conta: </b>{esc(f["dia"])}</p>',
           '<p align="center">&nbsp;</p>', '<div align="center">']
    opening = ['<body>', f'<table border =1 span style="font-size:{size}.0pt;font-family:{family}">', '']

    def table(g, keep):
        res = []
        for ri, r in enumerate(g):
            res += ['<tr>', ''.join(f'<td><div align=Right>{c if keep(ri, ci) else esc(c)}</div></td>'
                                     for ci, c in enumerate(r)), '</tr>']
        return res
    out += opening + table(st2, lambda r, c: r == 0 or c == 0) + ['</table>', '<p>&nbsp;</p>']
    out += opening + table(st, lambda r, c: cjc and r == 0 and 1 <= c <= 4) + ['</table>', '<p>&nbsp;</p>', '</div>']
    out.append(f'<span align = center style="font-size:{size}.0pt;font-family:{family}">')
    out.append(f'<p align="center"><b>Valor atualizado até: {f["ate"]} = {unit} {V}</b></p>')
    suffix = ''
    if cjm:
        out.append(expl)
        suffix = '+ JUROS MORATÓRIOS '
    out.append(f'<p align="center"><b>VALOR CORRIGIDO {suffix} = {V2}</b></p>')
    if chon and hon_pct:
        out.append(f'<p align="center"><b>Valor dos Honorários de {hon}% ={fmt(num(hon) / 100 * num(V2))}</b></p>')
    elif chon and hon_val:
        out.append(f'<p align="center"><b>Valor dos Honorários = {fmt(num(hon))}</b></p>')
    out.append('</body></html>')
    expected = (case / 'esperado.html').read_bytes().decode('cp1252').split('\r\n')
    got = out + ['']
    if got != expected:
        for i, (a, b) in enumerate(zip(got, expected)):
            if a != b:
                print(f'{case.name}: line {i + 1} differs\n  script: {a[:200]}\n  golden: {b[:200]}')
                break
        else:
            print(f'{case.name}: {len(got)} lines from the script, {len(expected)} in the golden')
        return False
    print(f'{case.name}: {len(out)} lines agree ({len(st) - 1} table rows, V {V}, V2 {V2})')
    return True


ok = all([check(c) for c in sorted(HERE.iterdir()) if (c / 'esperado.html').exists()])
sys.exit(0 if ok else 1)
