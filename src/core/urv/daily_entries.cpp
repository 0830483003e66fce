// The daily entries window: its grid, the monthly sums it sends and its summary.
#include "core/urv/daily_entries.hpp"

#include <algorithm>

#include "core/urv/urv_text.hpp"

namespace corvana::urv {

namespace {

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace

TFmanual::TFmanual(app::SharedContext& ctx) : WindowModel(kClassName, kCaption), ctx_(ctx) {}

void TFmanual::layDays(const DailyLayout& layout) {
    const toolkit::Date a = readDate(layout.from);
    const toolkit::Date b = readDate(layout.to);
    // A last day before the first one lists the first day alone.
    const long days = std::max(0L, b.serial() - a.serial());
    toolkit::StringGrid g = sdia;
    g.clear();
    g.setColCount(static_cast<int>(layout.sdiaHeaders.size()));
    g.setRowCount(static_cast<int>(days) + 2);
    g.setRow(0, layout.sdiaHeaders);
    for (long i = 1; i <= days + 1; ++i)
        g.setCell(0, static_cast<int>(i),
                  toolkit::DateToStr(toolkit::Date::fromSerial(a.serial() + i - 1)));
    sdia = std::move(g);
    row = 1;
}

void TFmanual::abrir(DailyEntriesOwner& owner, const DailyLayout& layout, bool layoutDue) {
    if (trimmed(sdia.cell(0, 0)).empty() && layoutDue) {
        layDays(layout);
        Sprint.setRow(0, layout.sprintHeaders);
    }
    owner_ = &owner;
    visible = true;
    ctx_.ui->showWindow(kClassName);
}

void TFmanual::Button2Click() {
    if (row < 1 || row >= sdia.rowCount()) return;
    const int n = sdia.rowCount();
    sdia.setRowCount(n + 1);
    sdia.clearRow(n);
    for (int i = n; i > row + 1; --i) sdia.swapRows(i, i - 1);
    sdia.setCell(0, row + 1, sdia.cell(0, row));
    ++row;
}

void TFmanual::Button5Click() {
    const int n = sdia.rowCount();
    if (n <= 2 || row < 1 || row >= n) return;
    sdia.deleteRow(row);
    sdia.setRowCount(n - 1);
    if (row >= n - 1) row = n - 2;
}

void TFmanual::Button1Click() {
    ctx_.ui->showMessage(kHelp);
}

void TFmanual::Button3Click() {
    if (owner_ == nullptr) return;
    if (owner_->sendDays(*this)) {
        Pb1 = 100;
        close();
        owner_->entriesSent();
        return;
    }
    toolkit::StringGrid& target = owner_->monthGrid();
    const long until = readDate(owner_->sendUntil()).serial();
    // The days once, read before anything changes.
    struct Day {
        std::string month;
        long serial;
        Real amount;
    };
    std::vector<Day> days;
    for (int i = 1; i < sdia.rowCount(); ++i) {
        const std::string& d = sdia.cell(0, i);
        if (!has(d)) continue;
        const toolkit::Date date = readDate(d);
        days.push_back({toolkit::DateToMonth(date), date.serial(), N(sdia.cell(1, i))});
    }
    std::vector<std::string> sums;
    for (int r = 1; r < target.rowCount(); ++r) {
        const std::string& month = target.cell(0, r);
        Real sum = 0;
        for (const Day& d : days) {
            if (d.month == month) sum += d.amount;
            if (d.serial > until) break;
        }
        sums.push_back(money(sum));
    }
    for (int r = 1; r < target.rowCount(); ++r)
        target.setCell(1, r, sums[static_cast<size_t>(r - 1)]);
    Pb1 = 100;
    printenche();
    close();
    owner_->entriesSent();
}

void TFmanual::printenche() {
    if (owner_ != nullptr && owner_->buildSummary(*this)) return;
    toolkit::StringGrid g = Sprint;
    g.clear();
    g.setRowCount(std::max(2, sdia.rowCount()));
    g.setColCount(3);
    g.setRow(0, {"Data do Crédito", "Remuneração", "Obs."});
    int k = 0;
    for (int i = 1; i < sdia.rowCount(); ++i) {
        if (!has(sdia.cell(1, i))) continue;
        ++k;
        const std::string& day = sdia.cell(0, i);
        const auto slash = day.find('/');
        g.setRow(k, {slash == std::string::npos ? day : day.substr(slash + 1), sdia.cell(1, i),
                     sdia.cell(2, i)});
    }
    int count = 0;
    while (count + 1 < g.rowCount() && has(g.cell(1, count + 1))) ++count;
    for (int i = 1; i <= count; ++i) {
        g.setCell(1, i, money(N(g.cell(1, i))));
        if (trimmed(g.cell(2, i)).empty()) g.setCell(2, i, "-");
    }
    g.setRowCount(count + 1);
    Sprint = std::move(g);
}

void TFmanual::Button6Click() {
    if (owner_ != nullptr) owner_->writeBackup();
}

void TFmanual::Button4Click() {
    close();
    if (owner_ != nullptr) owner_->showOwner();
}

void TFmanual::close() {
    visible = false;
    ctx_.ui->closeWindow(kClassName);
}

}  // namespace corvana::urv
