// The composition root.
#include "core/app/app.hpp"

namespace corvana::app {

namespace {
ModelRegistry buildDefaultRegistry() {
    ModelRegistry r;
    registerWindowModels(r);
    return r;
}
}  // namespace

App::App(Ui& ui, AppOptions options) : App(ui, std::move(options), buildDefaultRegistry()) {}

App::App(Ui& ui, AppOptions options, const ModelRegistry& registry)
    : ui_(&ui), options_(std::move(options)), ctx_(ui) {
    build(registry);
}

App::~App() = default;

void App::build(const ModelRegistry& registry) {
    for (const auto& slot : windowOrder()) {
        std::unique_ptr<WindowModel> m;
        if (slot.className == "TForm1") {
            auto f = std::make_unique<TForm1>(*this);
            form1_ = f.get();
            m = std::move(f);
        } else if (slot.className == "TAboutBox") {
            auto a = std::make_unique<TAboutBox>(*this);
            about_ = a.get();
            m = std::move(a);
        } else {
            m = registry.create(slot.className, *this);
        }
        if (!m) continue;
        order_.push_back(m.get());
        owned_.push_back(std::move(m));
        // The main window is created first: its FormCreate runs before any other window exists.
        if (form1_ != nullptr && order_.size() == 1) form1_->FormCreate();
    }
    for (auto* m : order_) m->wire(*this);
}

bool App::start() {
    form1_->FormShow();
    return !form1_->closed();
}

WindowModel* App::model(std::string_view className) {
    for (auto* m : order_) {
        if (m->className() == className) return m;
    }
    return nullptr;
}

bool App::available(const Command& command) {
    if (command.action != Action::OpenWindow) return true;
    return model(command.window) != nullptr;
}

bool App::run(const Command& command) {
    if (!available(command)) return false;
    return runCommand(*ui_, [&] { form1_->execute(command); });
}

bool App::run(std::string_view commandName) {
    const auto* c = findCommand(commandName);
    return c != nullptr && run(*c);
}

}  // namespace corvana::app
