// An owner-drawn station list: the window draws each entry (line icon and name)
// itself, in the list and in the closed box alike.
#pragma once

#include <QComboBox>
#include <functional>

namespace tnx::ui {

class TStationComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 16;
    static constexpr int kDropDownCount = 10;

    using TDrawItem = std::function<void(QPainter& painter, const QRect& rect, const QString& itemText,
                                         bool selected, const QPalette& palette)>;

    explicit TStationComboBox(QWidget* parent = nullptr);

    void SetDrawItem(TDrawItem drawItem) { drawItem_ = std::move(drawItem); }
    const TDrawItem& DrawItem() const { return drawItem_; }
    bool DroppedDown() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDrawItem drawItem_;
};

}  // namespace tnx::ui
