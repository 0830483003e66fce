// The platform-specific half of the shell: application-data folder, program folder, file
// names, installed shared files, detached start of a program.
#include "core/app/platform.hpp"

#include <system_error>

#include "core/app/data_folder.hpp"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace corvana::app {

namespace fs = std::filesystem;

fs::path getdesktopdirectory(const EnvLookup& env) {
#ifdef _WIN32
    return u8name(env("APPDATA"));
#else
    if (const auto xdg = env("XDG_DATA_HOME"); !xdg.empty()) return u8name(xdg);
    if (const auto home = env("HOME"); !home.empty()) return u8name(home) / ".local" / "share";
    return {};
#endif
}

fs::path programFolder(const char* argv0) {
    std::error_code ec;
#ifndef _WIN32
    // The real file, also when started through the link in <prefix>/bin.
    const auto self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) return self.parent_path();
#endif
    if (argv0 == nullptr) return fs::current_path(ec);
    const auto abs = fs::absolute(argv0, ec);
    return ec ? fs::path() : abs.parent_path();
}

std::string updaterFileName() {
#ifdef _WIN32
    return "download.exe";
#else
    return "download";
#endif
}

std::string programFileName() {
#ifdef _WIN32
    return "corvana.exe";
#else
    return "corvana";
#endif
}

fs::path sharedFilesFolder(const fs::path& programDir) {
    if (programDir.empty()) return {};
#ifdef _WIN32
    return programDir;
#else
    return (programDir / ".." / ".." / "share" / "corvana").lexically_normal();
#endif
}

bool startDetached(const fs::path& program, const std::vector<std::string>& arguments) {
    std::error_code ec;
    if (!fs::is_regular_file(program, ec)) return false;
#ifdef _WIN32
    // _spawnv joins the arguments with spaces: each one is quoted.
    std::vector<std::string> quoted;
    quoted.push_back("\"" + program.string() + "\"");
    for (const auto& a : arguments) quoted.push_back("\"" + a + "\"");
    std::vector<const char*> argv;
    for (const auto& a : quoted) argv.push_back(a.c_str());
    argv.push_back(nullptr);
    return _spawnv(_P_DETACH, program.string().c_str(), argv.data()) != -1;
#else
    const std::string prog = program.string();
    std::vector<std::string> copy(arguments);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(prog.c_str()));
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        setsid();
        execv(prog.c_str(), argv.data());
        _exit(127);
    }
    return true;
#endif
}

}  // namespace corvana::app
