#pragma once

#include <QWidget>
#include <memory>

#include "graphics/Surface.h"

namespace windows {

// A borderless picture that keeps what is drawn into it, sized to the widget
// as the form lays it out. It takes no input of its own.
class SurfaceView final : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceView(QWidget* parent = nullptr);
    ~SurfaceView() override;

    // The surface behind the picture, made afresh (empty) whenever the
    // widget's size no longer matches it.
    graphics::Surface& Surface();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<graphics::Surface> surface_;
};

}  // namespace windows
