// "Lei 8.880/94" (TFtexto): the read-only window that shows the text of an article of the law.
#pragma once

#include <string>
#include <vector>

#include "core/app/context.hpp"
#include "core/app/window_model.hpp"

namespace corvana::urv {

class TFtexto : public app::WindowModel {
  public:
    static constexpr const char* kClassName = "TFtexto";
    static constexpr const char* kCaption = "Lei 8.880/94";
    explicit TFtexto(app::SharedContext& ctx) : WindowModel(kClassName, kCaption), ctx_(ctx) {}

    // When the data folder holds the file ("art19.txt"), its lines replace the text and the
    // window is shown; a missing file does nothing.
    void mostrar(const std::string& file);
    void Button1Click();  // "Fechar"

    std::vector<std::string> Memo1;  // the text shown
    bool visible = false;

  private:
    app::SharedContext& ctx_;
};

}  // namespace corvana::urv
