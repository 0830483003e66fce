// Fuzzes the settings files of the data folder as the program reads them at start-up and uses
// them in a run: the input up to its first NUL byte is "planos.ini" (the plan table), the next
// part "indice.ini" (the yield overrides), the rest "exp.ini"; a small saved calculation is then
// replayed. Any bytes are used or refused with a message; never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/scripted_ui.hpp"
#include "core/savings/replay.hpp"
#include "core/toolkit/text_file.hpp"
#include "fuzz_support.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string parts[3];
    size_t at = 0;
    for (int k = 0; k < 3; ++k) {
        const auto cut = k < 2 ? bytes.find('\0', at) : std::string::npos;
        parts[k] = bytes.substr(std::min(at, bytes.size()), cut == std::string::npos ? std::string::npos : cut - at);
        at = cut == std::string::npos ? bytes.size() : cut + 1;
    }
    const auto folder = fuzzing::dataFolder();
    toolkit::writeFileAtomic(folder / "planos.ini", parts[0]);
    toolkit::writeFileAtomic(folder / "indice.ini", parts[1]);
    toolkit::writeFileAtomic(folder / "exp.ini", parts[2]);
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = folder;
    app::App program(ui, options);
    if (!program.start()) return 0;
    (void)savings::replayCalculation(program, ui,
                                     CORVANA_SOURCE_DIR "/tests/data/savings/plain-two-plans/calculo.e12");
    return 0;
}
