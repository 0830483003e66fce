// The anniversary-day rates of Fev/91 and where the 1991 Collor window uses them.
#include "core/configured/collor_1991_savings.hpp"

#include <utility>

namespace corvana::configured {

std::string devolveindx(const std::string& dia, const std::string& cinco) {
    // Per day: C (the correction credited in Fev/91), T (C compounded with the 0,5 % interest).
    static const std::pair<const char*, const char*> kDays[31] = {
        {"20,21", "20,81105"},   {"20,21", "20,81105"},   {"19,4017", "19,9987"},
        {"18,5989", "19,1919"},  {"18,1400", "18,7307"},  {"18,4796", "19,0719"},
        {"18,8201", "19,4142"},  {"18,3606", "18,9524"},  {"17,9025", "18,4920"},
        {"17,1099", "17,6954"},  {"16,3225", "16,9041"},  {"15,5403", "16,1180"},
        {"15,5403", "16,1180"},  {"15,9639", "16,5437"},  {"15,6067", "16,1847"},
        {"15,3587", "15,9355"},  {"14,5830", "15,1559"},  {"13,8125", "14,3816"},
        {"13,5684", "14,1362"},  {"14,0919", "14,6623"},  {"14,6178", "15,1909"},
        {"14,3719", "14,9437"},  {"14,1266", "14,6972"},  {"13,1514", "13,7171"},
        {"12,1845", "12,7454"},  {"11,7385", "12,2972"},  {"12,2536", "12,8149"},
        {"12,7710", "13,3348"},  {"12,7710", "13,3348"},  {"12,7710", "13,3348"},
        {"12,7710", "13,3348"},
    };
    const bool t = cinco == "5";
    std::string result = t ? kDays[0].second : kDays[0].first;
    for (int d = 1; d <= 31; ++d) {
        const std::string text = (d < 10 ? "0" : "") + std::to_string(d);
        if (text == dia) result = t ? kDays[d - 1].second : kDays[d - 1].first;
    }
    return result;
}

void TForm_conftodosII::encheind() {
    ConfiguredWizard::encheind();
    MonthRates& fev91 = rates.back();
    fev91.T = N(devolveindx(Edia, "5"));
    fev91.C = N(devolveindx(Edia, "0"));
}

void TForm_conftodosII::statementFactor(int monthIndex, int row) {
    if (monthIndex != static_cast<int>(variant_.months.size()) - 1) return;
    st.setCell(3, row, toolkit::formatfloatx("#,##0.0000", N(devolveindx(Edia, "5")) / 100));
}

}  // namespace corvana::configured
