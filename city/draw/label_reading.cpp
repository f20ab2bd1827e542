#include "city/draw/label_reading.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "city/draw/scheme_style.h"

namespace tnx::city::draw {
namespace {

// A mark whose ring reaches into the height of a name's row stands beside it.
constexpr double kBesideTolerance = kMarkRadius + kMarkRingWidth / 2;
// Rows of one list are about a line apart: names this close one over the other
// read as one column.
constexpr double kStackedGap = 3.0;
// Less than about two spaces between two names on a row, and they read as one.
constexpr double kRunTogetherGap = 5.0;

QString ShownName(const StationLabel& label) {
    return label.secondLine.isEmpty() ? label.text : label.text + u' ' + label.secondLine;
}

std::string Describe(const StationLabel& label) {
    return "station " + std::to_string(label.station) + " \"" + ShownName(label).toStdString() + "\"";
}

double Distance(QPointF p, const QRectF& r) {
    const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
    const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
    return std::hypot(dx, dy);
}

// The name's own mark nearest to it: an interchange shows one name for several marks.
const StationMark* OwnMark(const StationLabel& label, const SchemeLayout& layout) {
    const QString name = ShownName(label);
    const StationMark* own = nullptr;
    for (const StationMark& mark : layout.marks) {
        if (mark.name == name &&
            (own == nullptr || Distance(mark.centre, label.ink) < Distance(own->centre, label.ink))) {
            own = &mark;
        }
    }
    return own;
}

bool OfOwnLines(const QColor& colour, const StationLabel& label, const SchemeLayout& layout) {
    const QString name = ShownName(label);
    return std::any_of(layout.marks.begin(), layout.marks.end(),
                       [&](const StationMark& mark) { return mark.name == name && mark.colour == colour; });
}

// The list a name heads or has been read into: the line's colour and the name beside its mark.
struct ListOf {
    QColor colour;
    const StationLabel* head = nullptr;
};

}  // namespace

bool NameBesideMark(const QRectF& ink, QPointF markCentre) {
    const double y = markCentre.y();
    const double offRow = std::max({ink.top() - y, 0.0, y - ink.bottom()});
    const bool aside = markCentre.x() < ink.left() || markCentre.x() > ink.right();
    return aside && offRow <= kBesideTolerance;
}

bool NamesStacked(const QRectF& a, const QRectF& b) {
    const double gap = std::max(b.top() - a.bottom(), a.top() - b.bottom());
    const double overlap = std::min(a.right(), b.right()) - std::max(a.left(), b.left());
    return gap >= 0 && gap <= kStackedGap && overlap >= std::min(a.width(), b.width()) / 2;
}

bool NamesRunTogether(const QRectF& a, const QRectF& b) {
    const double gap = std::max(b.left() - a.right(), a.left() - b.right());
    const double overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return gap >= 0 && gap < kRunTogetherGap && overlap >= std::min(a.height(), b.height()) / 2;
}

std::vector<std::string> FindNamesReadWithOtherLines(const SchemeLayout& layout) {
    std::map<const StationLabel*, ListOf> lists;
    for (const StationLabel& label : layout.labels) {
        const StationMark* own = OwnMark(label, layout);
        if (own != nullptr && NameBesideMark(label.ink, own->centre)) lists[&label] = {own->colour, &label};
    }
    // A name read into a list carries it on to the names stacked on it, so repeat
    // until no list grows.
    std::vector<std::string> misread;
    for (bool grown = true; grown;) {
        grown = false;
        for (const StationLabel& label : layout.labels) {
            if (lists.contains(&label)) continue;
            for (const StationLabel& other : layout.labels) {
                const auto list = lists.find(&other);
                // A grey name of a station not yet open does not read on in a list of black ones.
                if (list == lists.end() || other.inOperation != label.inOperation ||
                    !NamesStacked(label.ink, other.ink) || OfOwnLines(list->second.colour, label, layout)) {
                    continue;
                }
                lists[&label] = list->second;
                misread.push_back("name of " + Describe(label) + " reads as another line's: it continues the list of " +
                                  Describe(*list->second.head));
                grown = true;
                break;
            }
        }
    }
    for (const StationLabel& a : layout.labels) {
        for (const StationLabel& b : layout.labels) {
            if (&a < &b && NamesRunTogether(a.ink, b.ink)) {
                misread.push_back("name of " + Describe(a) + " runs into the name of " + Describe(b) + " on its row");
            }
        }
    }
    return misread;
}

}  // namespace tnx::city::draw
