#pragma once

#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view kAppTitle = "Fendo";

// A modal box with one OK button and no icon; returns when it is dismissed.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void Show(std::string_view text, std::string_view caption = kAppTitle) = 0;
};

}  // namespace platform
