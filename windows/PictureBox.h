#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "graphics/Surface.h"

namespace windows {

// Shows a surface inside a sunken two-pixel border and reports key and mouse
// events in the surface's own pixel coordinates.
class PictureBox final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorder = 2;

    explicit PictureBox(QWidget* parent);

    // The surface shown from now on; the box takes its size plus the frame.
    void SetSurface(graphics::Surface& surface);

    std::function<void(int16_t keyCode, int16_t shift)> onKeyDown;
    std::function<void(int16_t button, int16_t shift, float x, float y)> onMouseDown;
    std::function<void(int16_t button, int16_t shift, float x, float y)> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void ReportPress(QMouseEvent* event);

    graphics::Surface* surface_ = nullptr;
};

}  // namespace windows
