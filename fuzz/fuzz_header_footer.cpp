// Fuzzes the header and footer files ("cabecalho.dat", "rodape.dat") as the savings report
// takes them: the input up to its first NUL byte is the header, the rest the footer; a small
// saved calculation is then replayed to its report.
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
    const auto cut = bytes.find('\0');
    const auto folder = fuzzing::dataFolder();
    toolkit::writeFileAtomic(folder / "cabecalho.dat", bytes.substr(0, cut));
    toolkit::writeFileAtomic(folder / "rodape.dat", cut == std::string::npos ? "" : bytes.substr(cut + 1));
    app::ScriptedUi ui;
    app::AppOptions options;
    options.dataDir = folder;
    app::App program(ui, options);
    if (!program.start()) return 0;
    const auto r = savings::replayCalculation(
        program, ui, CORVANA_SOURCE_DIR "/tests/data/savings/plain-two-plans/calculo.e12");
    if (r.status != savings::ReplayResult::Written) __builtin_trap();  // headers never stop a run
    return 0;
}
