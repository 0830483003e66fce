// The law-text window.
#include "core/urv/law_text.hpp"

#include "core/toolkit/text_file.hpp"

namespace corvana::urv {

void TFtexto::mostrar(const std::string& file) {
    const auto path = ctx_.file(file);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return;
    Memo1 = toolkit::readLines(path);
    visible = true;
    ctx_.ui->showWindow(kClassName);
}

void TFtexto::Button1Click() {
    visible = false;
    ctx_.ui->closeWindow(kClassName);
}

}  // namespace corvana::urv
