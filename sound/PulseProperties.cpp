#include "sound/PulseProperties.h"

#include <QByteArray>
#include <QtGlobal>
#include <cassert>

namespace sound {
namespace {

std::string Property(std::string_view key, std::string_view value) {
    // Quoted so that a name with spaces stays one value; ours hold no quote.
    assert(value.find('\'') == std::string_view::npos);
    return std::string(key) + "='" + std::string(value) + "'";
}

std::string Then(std::string ours, std::string_view players) {
    if (!players.empty()) {
        ours += ' ';
        ours += players;
    }
    return ours;
}

}  // namespace

PulseProperties WithOurNames(std::string_view playersAdded, std::string_view playersReplaced,
                             std::string_view appName, std::string_view appId) {
    const std::string added = Property("application.icon_name", appId) + ' ' +
                              Property("application.id", appId) + ' ' +
                              Property("media.role", "game");
    return {Then(added, playersAdded),
            Then(Property("application.name", appName), playersReplaced)};
}

void NameOurStreams(std::string_view appName, std::string_view appId) {
    // Qt's own environment calls, which lock against its other threads.
    const PulseProperties properties =
        WithOurNames(qgetenv("PULSE_PROP").toStdString(),
                     qgetenv("PULSE_PROP_OVERRIDE").toStdString(), appName, appId);
    qputenv("PULSE_PROP", QByteArray::fromStdString(properties.added));
    qputenv("PULSE_PROP_OVERRIDE", QByteArray::fromStdString(properties.replaced));
}

}  // namespace sound
