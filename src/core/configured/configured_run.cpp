// The configured-savings computation: the statement grid and the month-by-month table.
#include <string>

#include "core/configured/configured_wizard.hpp"
#include "core/toolkit/dates.hpp"
#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"

namespace corvana::configured {

using toolkit::Real;
using toolkit::StringGrid;

namespace {
constexpr const char* kMoney = "#,##0.00";
std::string fmt(Real v) { return toolkit::formatfloatx(kMoney, v); }

// Columns of the computation grid.
enum Col { L = 0, F = 1, A = 2, G = 3, B = 4, D = 5, S = 6, Unit = 7 };

// "MAR/95": the update month as the table labels its rows.
std::string monthLabel(const toolkit::Date& d) {
    static const char* const names[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                          "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    const int yy = d.year % 100;
    return std::string(names[d.month - 1]) + "/" + (yy < 10 ? "0" : "") + std::to_string(yy);
}
}  // namespace

StringGrid ConfiguredWizard::loadTable() const {
    StringGrid loaded(8, 2);
    toolkit::LoadFromFile(tablePath(), loaded);
    if (loaded.rowCount() < variant_.minRows()) {
        const int need = variant_.minRows();
        throw toolkit::Error("A tabela de atualização " + variant_.tableFile + " tem " +
                             std::to_string(loaded.rowCount()) +
                             " linhas; o cálculo precisa de pelo menos " + std::to_string(need) +
                             " (a linha de títulos e as linhas 1 a " + std::to_string(need - 1) +
                             "). Atualize as tabelas.");
    }
    // Surplus columns of the file are dropped for good, missing ones added empty.
    StringGrid t(8, loaded.rowCount());
    for (int r = 0; r < loaded.rowCount(); ++r)
        for (int c = 0; c < 8; ++c) t.setCell(c, r, loaded.cell(c, r));
    return t;
}

void ConfiguredWizard::calculo() {
    writeHeadings();
    for (size_t k = 0; k < months.size(); ++k) {
        const int col = static_cast<int>(k) + 1;
        st2.setCell(col, 1, fmt(N(months[k].SA)));
        st2.setCell(col, 2, fmt(N(months[k].J)));
        st2.setCell(col, 3, fmt(N(months[k].S)));
        st2.setCell(col, 4, fmt(N(months[k].SP)));
    }
}

void ConfiguredWizard::statementFactor(int, int) {}

void ConfiguredWizard::calcular() {
    const int n = static_cast<int>(variant_.months.size());
    std::vector<Real> SA(n);
    for (int k = 0; k < n; ++k) SA[k] = N(st2.cell(k + 1, 1));
    auto cell = [this](int c, int r) -> const std::string& { return st.cell(c, r); };
    auto put = [this](int c, int r, const std::string& text) { st.setCell(c, r, text); };

    int seen = 0;  // statement rows passed so far
    for (int r = 1; r < st.rowCount(); ++r) {
        const bool statement = seen < n && r == variant_.months[seen].tableRow;
        if (statement) {
            const int k = seen++;
            if (SA[k] > 0) {
                statementFactor(k, r);
                put(A, r, fmt(SA[k] * N(cell(F, r))));
                put(B, r, fmt(SA[k] * N(cell(G, r))));
                const Real diff = N(cell(A, r)) - N(cell(B, r));
                put(D, r, fmt(diff));
                put(S, r, k == 0 ? fmt(diff) : fmt(N(cell(S, r - 1)) + diff));
            } else {
                put(L, r, "");
                put(S, r, k == 0 ? std::string("0") : std::string(cell(S, r - 1)));
            }
            continue;
        }
        // A monthly row counts only once some statement month before it has a balance.
        bool any = false;
        for (int k = 0; k < seen; ++k) any = any || SA[k] != 0;
        if (!any) put(L, r, "");
        const Real prev = N(cell(S, r - 1));
        put(A, r, fmt(N(cell(F, r)) * prev));
        const Real sum = prev + N(cell(A, r));
        // Currency changes: cruzado to cruzado novo after JAN/89, then JUL/93 and JUN/94.
        const std::string& label = cell(L, r);
        Real divisor = 1;
        if (seen == 1 && label == "JAN/89") divisor = 1000;
        if (seen == n && label == "JUL/93") divisor = 1000;
        if (seen == n && label == "JUN/94") divisor = 2750;
        put(S, r, fmt(sum / divisor));
    }

    for (int r = st.rowCount() - 1; r >= 1; --r)
        if (st.cell(L, r).empty()) toolkit::RemoveLinha(st, r);

    const std::string target = monthLabel(toolkit::StrToDate(Dateate));
    int update = st.rowCount() - 1;
    for (int r = 1; r < st.rowCount(); ++r)
        if (st.cell(L, r) == target) update = r;
    if (update >= 1) st.setRowCount(update + 1);
}

}  // namespace corvana::configured
