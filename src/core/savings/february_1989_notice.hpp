// "Fevereiro de 1989" (TForm8): the notice about the Cruzado to Cruzado Novo conversion.
#pragma once

#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"

namespace corvana::savings {

class TForm8 : public app::WindowModel {
public:
    explicit TForm8(app::SharedContext& ctx) : app::WindowModel(kClassName, kCaption), ctx_(ctx) {}

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
