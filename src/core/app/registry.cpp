// The window creation order and the model registry.
#include "core/app/registry.hpp"

namespace corvana::app {

const std::vector<WindowSlot>& windowOrder() {
    static const std::vector<WindowSlot> order = {
        {"TForm1", "Corvana Diferenças da URV "},
        {"TForm2", "Expurgos da Poupança"},
        {"TAboutBox", "Sobre"},
        {"TForm3", "Incluir Expurgo"},
        {"TForm4", "Aplicar Expurgos"},
        {"TForm5", "Cálculos por Estado - Débitos Judiciais São Paulo"},
        {"TForm6", "Rendimento no mês"},
        {"TForm7", "Cálculo - Poupança Configurada"},
        {"TForm8", "Fevereiro de 1989"},
        {"TFormFGTS", "Expurgos FGTS"},
        {"TForm_FGTS", "Cálculo de Diferenças dos Juros Progressivos no FGTS"},
        {"TForm_conftodosII", "Poupança Configurada - com os planos Collor I e II (01/1991)"},
        {"TForm_tjsp_d", "MG - MT - MS - ES"},
        {"TFormtodos", ""},
        {"TForm_jf", "Justiça Federal"},
        {"TForm_conftodos", "Poupança Configurada - com os planos Collor I e II"},
        {"TFFGTSdif", "Diferenças do FGTS"},
        {"TFcab", ""},
        {"TFmanual", "Lançar valores diariamente"},
        {"TFurv", "Cálculo das diferenças da aplicação URV"},
        {"TFtexto", "Lei 8.880/94"},
        {"TFormImportarSerie", "Importar série oficial"},
        {"TFormTabelas", "Tabelas instaladas"},
    };
    return order;
}

void ModelRegistry::add(std::string className, Factory factory) {
    factories_[std::move(className)] = std::move(factory);
}

bool ModelRegistry::has(std::string_view className) const {
    return factories_.find(className) != factories_.end();
}

std::unique_ptr<WindowModel> ModelRegistry::create(std::string_view className, App& app) const {
    const auto it = factories_.find(className);
    if (it == factories_.end()) return nullptr;
    return it->second(app);
}

}  // namespace corvana::app
