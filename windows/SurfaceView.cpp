#include "windows/SurfaceView.h"

#include <QImage>
#include <QPainter>

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
    const graphics::Surface& surface = Surface();
    const QImage image(reinterpret_cast<const uchar*>(surface.Bits()), surface.Width(),
                       surface.Height(), surface.Width() * 4, QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

}  // namespace windows
