#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_form.h"
#include "core/product_key.h"
#include "core/steam_key.h"
#include "tests/common/fake_app_services.h"

namespace tamsendor::testing {

// The main window on fakes: a test prepares the machine (stored values, Steam's path, display
// modes, files), then starts the window and works its controls as the user would.
struct StartedForm {
  fakes::FakeAppServices services;
  ui::Application application{"Korvalin Tamsendor"};
  std::unique_ptr<app::TForm1> form;

  void Store(std::string_view name, const std::string& value) {
    core::WriteProductValue(services.registry, name, value);
  }
  // nullopt: the value does not exist.
  std::optional<std::string> Stored(std::string_view name) const {
    return services.registry.ReadString(core::kProductRoot, std::string(core::kProductKey),
                                        std::string(name));
  }
  void SetSteamPath(const std::string& path) {
    services.registry.WriteString(core::kSteamRoot, core::kSteamKey, "SteamPath", path);
  }

  // Starts the window and lets the splash's time pass, so the whole start-up has run.
  app::TForm1& Start() {
    form = std::make_unique<app::TForm1>(application, services.Get());
    services.ui.AdvanceBy(app::kSplashMs);
    return *form;
  }
  template <typename T>
  T& Control(std::string_view name) const {
    return form->Controls().Get<T>(name);
  }
};

}  // namespace tamsendor::testing
