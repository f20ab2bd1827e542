#include "ui/window_place.h"

#include <algorithm>

namespace tnx::ui {

QPoint MainWindowPlace(const QRect& usable, const QSize& window) {
    // Centred by the window's own final size, so that the halves never round apart.
    int x = usable.left() + (usable.width() - window.width()) / 2;
    int y = usable.top() + (usable.height() - window.height()) / 2;
    // The caption bar first: its top row and its right end stay on the screen.
    x = std::max(usable.left(), std::min(x, usable.right() + 1 - window.width()));
    y = std::max(usable.top(), y);
    return {x, y};
}

}  // namespace tnx::ui
