// A flat caption button: no frame at rest, raised and white under the pointer,
// lowered while the left button is held; a click on release of the left button.
#pragma once

#include <QColor>
#include <QFrame>
#include <QString>
#include <functional>

namespace tnx::ui {

class TMenuPanel : public QFrame {
    Q_OBJECT
public:
    enum class TBevel { None, Raised, Lowered };

    static constexpr QColor kAqua{0, 255, 255};
    static constexpr QColor kSilver{192, 192, 192};
    static constexpr QColor kWhite{255, 255, 255};

    explicit TMenuPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    TBevel BevelOuter() const { return bevel_; }

    // Whether this application is the active one; decides the colour on leaving.
    std::function<bool()> ApplicationActive;

signals:
    void Click(TMenuPanel* sender);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetBevel(TBevel bevel);

    QString caption_;
    QColor color_{0, 0, 255};
    QColor fontColor_ = kAqua;
    TBevel bevel_ = TBevel::None;
};

}  // namespace tnx::ui
