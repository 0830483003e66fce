// The daily entries of the FGTS revision: deposits and withdrawals typed day by day, summed into
// the input grid, and the six-column summary the report prints.
#include <optional>

#include "core/fgts/fgts_revision.hpp"
#include "core/urv/urv_text.hpp"

namespace corvana::fgts {

using toolkit::Date;
using toolkit::Real;
using toolkit::StringGrid;
using urv::has;
using urv::money;
using urv::N;

namespace {

// A deposit made in month M is credited (JAM) in month M + 1: the month of the credit date
// that carries a day's entries.
std::string creditMonth(const Date& day) {
    return toolkit::DateToMonth(toolkit::IncMonth(day, 1));
}

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// The row of the input grid whose credit date falls in the month; 0 when there is none.
// A grid laid out by the URV calculator has no withdrawal column (its column 2 is the note).
int withdrawalColumn(const StringGrid& sdia) {
    return sdia.cell(2, 0) == "Saques" ? 2 : -1;
}
std::string cellOr(const StringGrid& g, int col, int row) {
    return col < 0 ? std::string() : g.cell(col, row);
}

int rowOfCreditMonth(const StringGrid& v, const std::string& month) {
    for (int r = 1; r < v.rowCount(); ++r) {
        const auto d = listDate(v.cell(0, r));
        if (d && toolkit::DateToMonth(*d) == month) return r;
    }
    return 0;
}

}  // namespace

bool TFFGTSdif::sendDays(urv::TFmanual& w) {
    const StringGrid& sdia = w.sdia;
    const int wc = withdrawalColumn(sdia);
    const Date until = urv::readDate(ComboBox1);
    struct Day {
        Date date;
        Real deposit, withdrawal;
        bool typed;
    };
    std::vector<Day> days;
    for (int i = 1; i < sdia.rowCount(); ++i) {
        if (!has(sdia.cell(0, i))) continue;
        const Date d = urv::readDate(sdia.cell(0, i));
        days.push_back({d, N(sdia.cell(1, i)), N(cellOr(sdia, wc, i)),
                        has(sdia.cell(1, i)) || has(cellOr(sdia, wc, i))});
    }
    if (days.empty()) return true;
    // Only the months the listed days reach are replaced; the other rows keep what was typed.
    Date first = days.front().date, last = days.front().date;
    for (const Day& d : days) {
        if (d.date < first) first = d.date;
        if (d.date > last) last = d.date;
    }
    StringGrid v = svalores;
    std::optional<std::string> lost;
    std::vector<bool> used(days.size(), false);
    for (int r = 1; r < v.rowCount(); ++r) {
        const auto credit = listDate(v.cell(0, r));
        if (!credit) continue;
        const Date monthStart{credit->year, credit->month, 1};
        const Date firstCredit{toolkit::IncMonth(first, 1).year, toolkit::IncMonth(first, 1).month,
                               1};
        const Date lastCredit{toolkit::IncMonth(last, 1).year, toolkit::IncMonth(last, 1).month, 1};
        if (monthStart < firstCredit || monthStart > lastCredit) continue;
        const std::string month = toolkit::DateToMonth(*credit);
        Real dep = 0, wd = 0;
        for (size_t k = 0; k < days.size(); ++k) {
            if (creditMonth(days[k].date) == month) {
                dep += days[k].deposit;
                wd += days[k].withdrawal;
                used[k] = true;
            }
            if (days[k].date > until) break;
        }
        v.setCell(2, r, money(dep));
        v.setCell(3, r, money(wd));
    }
    for (size_t k = 0; k < days.size(); ++k)
        if (days[k].typed && !used[k] && !(days[k].date > until) && !lost)
            lost = toolkit::DateToStr(days[k].date);
    svalores = std::move(v);
    if (tables != RevisionTables::None) tables = RevisionTables::File;
    buildSummary(w);
    if (lost)
        ctx_.ui->showMessage("Os valores lançados em " + *lost +
                             " não pertencem a nenhum mês do cálculo e não foram enviados");
    return true;
}

bool TFFGTSdif::buildSummary(urv::TFmanual& w) {
    const StringGrid& sdia = w.sdia;
    const int wc = withdrawalColumn(sdia);
    const int nc = wc < 0 ? 2 : 3;
    StringGrid g = w.Sprint;
    g.clear();
    g.setColCount(6);
    g.setRowCount(1);
    g.setRow(0,
             {"Data do Crédito", "Data do Depósito", "Competência", "Depósito", "Saques", "Obs."});
    int k = 0;
    for (int i = 1; i < sdia.rowCount(); ++i) {
        if (!has(sdia.cell(1, i)) && !has(cellOr(sdia, wc, i))) continue;
        const auto day = listDate(sdia.cell(0, i));
        std::string credit = "-", competence = "-";
        if (day) {
            const int r = rowOfCreditMonth(svalores, creditMonth(*day));
            if (r > 0) credit = svalores.cell(0, r);
            competence = toolkit::DateToMonth(toolkit::IncMonth(*day, -1));
        }
        const std::string note = trimmed(sdia.cell(nc, i));
        ++k;
        g.setRowCount(k + 1);
        g.setRow(k, {credit, sdia.cell(0, i), competence, money(N(sdia.cell(1, i))),
                     money(N(cellOr(sdia, wc, i))), note.empty() ? "-" : note});
    }
    w.Sprint = std::move(g);
    return true;
}

}  // namespace corvana::fgts
