// The purge-month yield: (following balance − purge balance) ÷ purge balance, optionally without 0,5 %.
#include "core/savings/month_yield_dialog.hpp"

#include "core/toolkit/error.hpp"
#include "core/toolkit/grid_ops.hpp"
#include "core/toolkit/numbers.hpp"

namespace corvana::savings {

using toolkit::checkinteiro;
using toolkit::formatfloatx;
using toolkit::Real;

namespace {
constexpr const char* kYieldMask = "#,##0.00##############";
Real strict(const std::string& t) { return toolkit::RemovePonto(toolkit::RemovePontoVariant::Strict, t); }
}  // namespace

void TForm6::show() {
    FormShow();
    ctx_.ui->showWindow(kClassName);
}

void TForm6::FormShow() {
    const auto path = ctx_.file(kFile);
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) toolkit::LoadFromFile(path, StringAlignGrid1);
}

void TForm6::CalcularClick() {
    // A balance that is not a number leaves no result: the last one would be taken for the
    // answer to these figures.
    if (!Edit1.empty() || !Edit2.empty()) {
        try {
            (void)strict(Edit1);
            (void)strict(Edit2);
        } catch (const toolkit::Error& e) {
            Edit3.clear();
            ctx_.ui->showMessage(e.what());
            return;
        }
    }
    std::string a = Edit1;
    const std::string& b = Edit2;
    const std::string& d = Edit4;
    if (CheckBox2 && checkinteiro(d) && checkinteiro(a)) {
        const Real divisor = strict(d);
        if (divisor == 0) throw toolkit::Error("O divisor da mudança de moeda não pode ser zero");
        a = formatfloatx("#,##0.00", strict(a) / divisor);
    }
    std::string result = Edit3;
    if (checkinteiro(a) && checkinteiro(b)) {
        const Real av = strict(a);
        if (av == 0)
            throw toolkit::Error(
                "O valor em conta no mês do expurgo é zero: não há rendimento a calcular");
        result = formatfloatx(kYieldMask, (strict(b) - av) / av * 100);
    }
    if (CheckBox1 && checkinteiro(result))
        result = formatfloatx(kYieldMask, (strict(result) - 0.5L) * 100 / 100.5L);
    Edit3 = result;
}

void TForm6::SairClick() { ctx_.ui->closeWindow(kClassName); }

}  // namespace corvana::savings
