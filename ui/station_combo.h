// An owner-drawn station list: the window draws each entry (line icon and name)
// itself, in the list and in the closed box alike. Typing filters the dropped-down
// list to the stations the text names; Enter or a click there chooses.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <functional>
#include <vector>

namespace tnx::ui {

class TStationComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 16;
    static constexpr int kDropDownCount = 10;

    using TDrawItem = std::function<void(QPainter& painter, const QRect& rect, const QString& itemText, bool selected,
                                         const QPalette& palette)>;
    // The item data (station numbers) of the entries a typed text names, best first.
    using TMatchItems = std::function<std::vector<int>(const QString& typed)>;

    explicit TStationComboBox(QWidget* parent = nullptr);

    void SetDrawItem(TDrawItem drawItem) { drawItem_ = std::move(drawItem); }
    const TDrawItem& DrawItem() const { return drawItem_; }
    void SetMatchItems(TMatchItems matchItems) { matchItems_ = std::move(matchItems); }
    bool DroppedDown() const;

    // What the user has typed so far; empty when the list is not filtered.
    const QString& Filter() const { return filter_; }
    void SetFilter(const QString& typed);
    // Entries the list shows now.
    int ShownCount() const;

    void showPopup() override;
    void hidePopup() override;

    // The width the closed box has for a station's name beside its line icon.
    int NameWidth() const;
    // The name as the list shows it: the stored name without its "~" suffix.
    static QString ShownName(const QString& storedName);

signals:
    // An entry taken from the dropped-down list with Enter or a click; the
    // selection is already set. Arrow keys on the closed box give `activated`.
    void Chosen(int index);

protected:
    // A name the closed box must shorten is shown whole in its tool tip.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Keys that edit the filter; true when the key was used.
    bool EditFilter(QKeyEvent* event);
    void ShowAllRows();
    void Choose(const QModelIndex& index);

    TDrawItem drawItem_;
    TMatchItems matchItems_;
    QString filter_;
    bool noMatch_ = false;
    // Telling the release of the click that opened the list from a choice.
    QElapsedTimer shownAt_;
    bool pressedInList_ = false;
};

}  // namespace tnx::ui
