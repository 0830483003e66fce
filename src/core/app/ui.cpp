// The command wrapper that turns a core error into a message box.
#include "core/app/ui.hpp"

#include <new>
#include <stdexcept>

#include "core/toolkit/error.hpp"

namespace corvana::app {

bool runCommand(Ui& ui, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const toolkit::Error& e) {
        // The messages quote short pieces of what was typed or read; this bound keeps a
        // message built elsewhere from carrying a whole file into a message box.
        ui.showMessage(toolkit::quoteText(e.what(), 400));
        return false;
    } catch (const std::bad_alloc&) {
        ui.showMessage(kOutOfMemoryMessage);
        return false;
    } catch (const std::length_error&) {
        ui.showMessage(kOutOfMemoryMessage);
        return false;
    } catch (const std::exception& e) {
        // A fault of the program itself (a file-system call, a library): reported, never
        // carried into the event loop.
        ui.showMessage("Erro inesperado: " + toolkit::quoteText(e.what()));
        return false;
    }
}

}  // namespace corvana::app
