#pragma once
#include <string>

// Progress texts of long steps (creating the population) and the pumping of
// window messages in between. The processing screen installs its own; the
// default shows nothing, as the headless runner and the tests want.
class ProgressHooks {
public:
    virtual ~ProgressHooks() = default;
    virtual void ShowProgressText(const std::string& /*text*/) {}
    virtual void PumpMessages() {}

    static ProgressHooks& Current();
    // nullptr brings back the silent default. The hooks are not owned.
    static void Install(ProgressHooks* hooks);
};
