#include "windows/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/KeyMap.h"
#include "windows/SurfaceImage.h"

namespace windows {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetSurface(graphics::Surface& surface) {
    surface_ = &surface;
    setFixedSize(surface.Width() + 2 * kBorder, surface.Height() + 2 * kBorder);
    surface.SetRefreshHook([this] { repaint(); });
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    // The classic sunken frame: shadow above and left, light below and right.
    painter.fillRect(0, 0, w, h, QColor(0xA0, 0xA0, 0xA0));
    painter.fillRect(1, 1, w - 1, h - 1, Qt::white);
    painter.fillRect(1, 1, w - 2, h - 2, QColor(0x69, 0x69, 0x69));
    painter.fillRect(2, 2, w - 3, h - 3, QColor(0xE3, 0xE3, 0xE3));
    if (surface_ == nullptr) {
        return;
    }
    // The image wraps the surface's own pixels: no copy per frame. Without
    // smooth transforms a whole-number screen scale keeps every pixel crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(kBorder, kBorder, surface_->Width(), surface_->Height()),
                      ImageOf(*surface_));
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int16_t code = platform::VirtualKeyFromQt(event->key(), event->modifiers());
    if (code != 0 && onKeyDown) {
        onKeyDown(code, platform::ShiftStateFromQt(event->modifiers()));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    ReportPress(event);
}

// A second press of the same button arrives as a double-click; it is a press all the same.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    ReportPress(event);
}

void PictureBox::ReportPress(QMouseEvent* event) {
    const int16_t button = platform::MouseButtonFromQt(event->button());
    if (button == 0 || !onMouseDown || surface_ == nullptr) {
        return;
    }
    const QPointF at = event->position() - QPointF(kBorder, kBorder);
    // The frame is decoration: only presses on the picture itself reach the game.
    if (at.x() < 0 || at.y() < 0 || at.x() >= surface_->Width() || at.y() >= surface_->Height()) {
        return;
    }
    onMouseDown(button, platform::ShiftStateFromQt(event->modifiers()), static_cast<float>(at.x()),
                static_cast<float>(at.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (!onMouseMove) {
        return;
    }
    const QPointF at = event->position() - QPointF(kBorder, kBorder);
    onMouseMove(platform::ButtonStateFromQt(event->buttons()),
                platform::ShiftStateFromQt(event->modifiers()), static_cast<float>(at.x()),
                static_cast<float>(at.y()));
}

// The play field is the window's only control: Tab stays with it as a key.
bool PictureBox::focusNextPrevChild(bool) {
    return false;
}

}  // namespace windows
