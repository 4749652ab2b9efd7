#include "windows/SurfaceView.h"

#include <QPainter>

#include "windows/SurfaceImage.h"

namespace windows {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SurfaceView::~SurfaceView() = default;

graphics::Surface& SurfaceView::Surface() {
    if (!surface_ || surface_->Width() != width() || surface_->Height() != height()) {
        surface_ = std::make_unique<graphics::Surface>(width(), height());
        surface_->SetRefreshHook([this] { update(); });
    }
    return *surface_;
}

void SurfaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, ImageOf(Surface()));
}

}  // namespace windows
