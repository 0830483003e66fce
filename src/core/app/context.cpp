// The shared index grid's reload rule.
#include "core/app/context.hpp"

#include "core/toolkit/grid_ops.hpp"

namespace corvana::app {

bool SharedContext::reloadIndice(const std::string& table) {
    indice.clear();
    indice.setRowCount(2);
    indice.setColCount(1);
    const auto path = file(table);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return false;
    toolkit::LoadFromFile(path, indice);
    return true;
}

}  // namespace corvana::app
