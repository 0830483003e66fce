// "Fevereiro de 1989" (TForm8): the notice about the Cruzado to Cruzado Novo conversion.
#pragma once

#include <string>
#include <vector>

#include "core/app/context.hpp"

namespace corvana::savings {

class TForm8 {
public:
    explicit TForm8(app::SharedContext& ctx) : ctx_(ctx) {}

    static constexpr const char* kClassName = "TForm8";
    static constexpr const char* kCaption = "Fevereiro de 1989";

    // The lines of the window's memo.
    static const std::vector<std::string>& Memo1();

    void show() { ctx_.ui->showWindow(kClassName); }
    void FecharClick() { ctx_.ui->closeWindow(kClassName); }

private:
    app::SharedContext& ctx_;
};

}  // namespace corvana::savings
