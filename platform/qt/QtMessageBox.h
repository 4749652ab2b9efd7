#pragma once

#include <functional>

#include "platform/MessageBox.h"

class QWidget;

namespace platform {

class QtMessageBox final : public MessageBox {
public:
    // The box centres over whatever window the provider names (may be null).
    explicit QtMessageBox(std::function<QWidget*()> parentProvider = {})
        : parentProvider_(std::move(parentProvider)) {}
    void Show(std::string_view text, std::string_view caption) override;

private:
    std::function<QWidget*()> parentProvider_;
};

}  // namespace platform
