// Fuzzes every calculation-file layout through the program itself: the first byte picks the
// window (the savings calculator or one of the court windows), the rest is the file that
// "Abrir" reads; the wizard then runs to "Finalizar" as corvana-cli does. Any bytes are read
// and computed, or refused with a message; never a crash or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/scripted_ui.hpp"
#include "core/savings/replay.hpp"
#include "core/toolkit/text_file.hpp"
#include "fuzz_support.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const auto folder = fuzzing::dataFolder();
    const auto file = folder / "fuzz.e12";
    toolkit::writeFileAtomic(file, std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = folder;
    app::App program(ui, options);
    if (!program.start()) return 0;
    std::string window = "TForm2";
    if (const auto* command = fuzzing::courtCommand(data[0] % 7)) {
        if (!program.run(*command)) return 0;
        window = command->window;
    }
    (void)savings::replayCalculation(program, ui, file, window);
    return 0;
}
