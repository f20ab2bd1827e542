// A picture control that owns a bitmap of its own and repaints itself from it.
#pragma once

#include <QImage>
#include <QWidget>

namespace tnx::ui {

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // The bitmap; draw into it, then call update().
    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

    // Scale the bitmap to the control's size, keeping its proportions, centred.
    void SetStretch(bool stretch) { stretch_ = stretch; }

signals:
    void MouseDown(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseUp(QMouseEvent* event);
    void DoubleClick(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
};

}  // namespace tnx::ui
