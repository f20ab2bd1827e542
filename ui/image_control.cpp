#include "ui/image_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace tnx::ui {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (!stretch_) {
        painter.drawImage(0, 0, picture_);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize size = picture_.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, picture_);
}

void TImage::mousePressEvent(QMouseEvent* event) { emit MouseDown(event); }
void TImage::mouseMoveEvent(QMouseEvent* event) { emit MouseMove(event); }
void TImage::mouseReleaseEvent(QMouseEvent* event) { emit MouseUp(event); }
void TImage::mouseDoubleClickEvent(QMouseEvent* event) { emit DoubleClick(event); }

}  // namespace tnx::ui
