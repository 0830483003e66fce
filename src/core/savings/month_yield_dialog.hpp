// "Rendimento no mês" (TForm6): the yield a bank actually credited in a purge month.
#pragma once

#include <string>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::savings {

class TForm6 : public app::WindowModel {
public:
    explicit TForm6(app::SharedContext& ctx) : app::WindowModel(kClassName, kCaption), ctx_(ctx) {}

    static constexpr const char* kClassName = "TForm6";
    static constexpr const char* kCaption = "Rendimento no mês";
    static constexpr const char* kFile = "exp.ini";

    std::string Edit1;          // balance in the purge month
    std::string Edit2;          // balance in the following month
    std::string Edit3;          // result: the yield the bank used
    std::string Edit4 = "1.000";  // currency-change divisor
    bool CheckBox1 = false;     // take the 0,5 % savings interest out
    bool CheckBox2 = false;     // the two balances are in different currencies
    toolkit::StringGrid StringAlignGrid1{3, 2};  // reference table of official indexes

    void show();
    void shown() { FormShow(); }  // its view became visible
    void FormShow();
    void CalcularClick();
    void SairClick();

private:
    app::SharedContext& ctx_;
};

}  // namespace corvana::savings
