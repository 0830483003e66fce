// The command wrapper that turns a core error into a message box.
#include "core/app/ui.hpp"

#include "core/toolkit/error.hpp"

namespace corvana::app {

bool runCommand(Ui& ui, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const toolkit::Error& e) {
        ui.showMessage(e.what());
        return false;
    }
}

}  // namespace corvana::app
