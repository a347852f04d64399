#include "app/engine.h"

#include "core/os/ui_thread.h"

namespace melvoro {

Engine::Engine(Configuration config, UiThread& ui, MessageBoxes& boxes)
    : config_(std::move(config)),
      ui_(ui),
      boxes_(boxes),
      controller_(Requests(), config_.Settings, config_.Hosts, log_),
      queue_(Requests(), config_.Settings, controller_, results_, log_),
      charts_(Requests(), config_.Hosts, queue_, log_),
      friends_(Requests(), config_.Settings, config_.Hosts, log_, controller_) {}

Engine::~Engine() { Shutdown(); }

void Engine::Shutdown() { ui_.Shutdown(); }

}  // namespace melvoro
