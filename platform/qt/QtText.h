#pragma once

#include <QString>
#include <string_view>

namespace platform {

// Our texts are UTF-8 wherever they come from; a widget takes them as a QString.
inline QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace platform
