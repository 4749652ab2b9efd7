#pragma once

#include <string>
#include <string_view>

#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"

// Stand-ins for the outside world where a benchmark must not wait on it:
// boxes that close themselves, a silent speaker, a pump with nothing to do.
namespace bench {

class NoPump final : public platform::EventPump {
public:
    void ProcessEvents() override {}
    void WaitForEventsUntil(int32_t) override {}
};

class NoBoxes final : public platform::MessageBox {
public:
    void Show(std::string_view, std::string_view) override {}
};

class NoSound final : public platform::Sound {
public:
    void PlayAsync(const std::string&) override {}
};

}  // namespace bench
