#include "city/pack/station_table.h"

#include <map>
#include <optional>
#include <vector>

#include "city/pack/scheme_limits.h"
#include "model/city_resources.h"
#include "model/cp1251.h"
#include "model/lookups.h"

namespace tnx::city {
namespace {

const StationSource& StationAt(const CitySource& source, int number) {
    return source.stations[static_cast<std::size_t>(number - 1)];
}

void CheckName(const StationSource& s, PackErrors& errors) {
    const auto add = [&](const std::string& message) { errors.Add(StationSubject(s), s.where, "Name", message); };
    if (s.name.empty()) return add("is empty");
    const auto bytes = Utf8ToCp1251(s.name);
    if (!bytes) return add("has a character that Windows-1251 cannot hold");
    if (bytes->size() > static_cast<std::size_t>(kMaxNameLength))
        return add("is " + std::to_string(bytes->size()) + " characters long; at most " +
                   std::to_string(kMaxNameLength) + " fit");
    const auto tilde = bytes->find('~');
    if (tilde != std::string::npos && tilde + 2 != bytes->size())
        add("\"~\" may only stand second to last, before the one character that tells apart equal names");
}

void CheckUniqueNames(const CitySource& source, PackErrors& errors) {
    std::map<std::string, const StationSource*> byName;
    std::map<std::string, std::pair<const StationSource*, bool>> byDisplayName;
    for (const StationSource& s : source.stations) {
        const auto [first, fresh] = byName.emplace(s.name, &s);
        if (!fresh) {
            errors.Add(StationSubject(s), s.where, "Name",
                       "already used by station " + std::to_string(first->second->number) +
                           "; equal names need a \"~\" suffix");
            continue;
        }
        const auto bytes = Utf8ToCp1251(s.name);
        if (!bytes) continue;  // CheckName has said why
        const std::string_view shown = DisplayName(*bytes);
        const bool suffixed = shown.size() != bytes->size();
        const auto [other, alone] = byDisplayName.try_emplace(std::string(shown), &s, suffixed);
        if (!alone && !(suffixed && other->second.second)) {
            errors.Add(StationSubject(s), s.where, "Name",
                       "shows as \"" + Cp1251ToUtf8(shown) + "\" like station " +
                           std::to_string(other->second.first->number) + "; both need a \"~\" suffix");
        }
    }
}

void CheckPosition(const StationSource& s, PackErrors& errors) {
    if (s.x < kMinStationCoordinate || s.x >= kSchemeWidth)
        errors.Add(StationSubject(s), s.where, "X",
                   std::to_string(s.x) + " is off the scheme; expected " + std::to_string(kMinStationCoordinate) +
                       ".." + std::to_string(kSchemeWidth - 1));
    if (s.y < kMinStationCoordinate || s.y >= kSchemeHeight)
        errors.Add(StationSubject(s), s.where, "Y",
                   std::to_string(s.y) + " is off the scheme; expected " + std::to_string(kMinStationCoordinate) +
                       ".." + std::to_string(kSchemeHeight - 1));
}

struct Direction {
    const char* link;     // "Next"
    const char* minutes;  // "ToNext"
    const char* bend;     // "BendNext"
    const char* back;     // "Prev": the field of the neighbour that must point back
    const char* backBend;
    int StationSource::*neighbour;
    int StationSource::*neighbourBack;
    int StationSource::*ride;
    std::optional<Point> StationSource::*bendPoint;
    std::optional<Point> StationSource::*backBendPoint;
    bool comparesBends;  // once per segment is enough
};

constexpr Direction kForward{"Next",
                             "ToNext",
                             "BendNext",
                             "Prev",
                             "BendPrev",
                             &StationSource::next,
                             &StationSource::prev,
                             &StationSource::minutesToNext,
                             &StationSource::bendToNext,
                             &StationSource::bendToPrev,
                             true};
constexpr Direction kBackward{"Prev",
                              "ToPrev",
                              "BendPrev",
                              "Next",
                              "BendNext",
                              &StationSource::prev,
                              &StationSource::next,
                              &StationSource::minutesToPrev,
                              &StationSource::bendToPrev,
                              &StationSource::bendToNext,
                              false};

std::string Text(const std::optional<Point>& p) { return p ? std::to_string(p->x) + "," + std::to_string(p->y) : "-"; }

void CheckLink(const CitySource& source, const StationSource& s, const Direction& d, PackErrors& errors) {
    const auto add = [&](const char* field, const std::string& message) {
        errors.Add(StationSubject(s), s.where, field, message);
    };
    const int other = s.*d.neighbour;
    const int minutes = s.*d.ride;
    const auto& bend = s.*d.bendPoint;

    if (other == 0) {
        if (minutes != 0) add(d.minutes, "must be 0 at the end of the line, found " + std::to_string(minutes));
        if (bend) add(d.bend, "must be - at the end of the line");
        return;
    }
    if (minutes == 0) add(d.minutes, "must be at least 1 minute towards station " + std::to_string(other));
    if (bend) {
        if (bend->x == 0)
            add(d.bend, "X 0 would mean no bend; write - instead");
        else if (bend->x >= kSchemeWidth || bend->y >= kSchemeHeight)
            add(d.bend, Text(bend) + " is off the scheme");
    }
    if (other == s.number) return add(d.link, "links the station to itself");
    if (other > static_cast<int>(source.stations.size()))
        return add(d.link, "station " + std::to_string(other) + " does not exist");

    const StationSource& o = StationAt(source, other);
    if (o.line != s.line)
        add(d.link, "station " + std::to_string(other) + " is on line " + std::to_string(o.line) + ", not on line " +
                        std::to_string(s.line));
    if (o.*d.neighbourBack != s.number)
        add(d.link, "station " + std::to_string(other) + " has " + d.back + " " + std::to_string(o.*d.neighbourBack) +
                        ", not " + std::to_string(s.number));
    else if (d.comparesBends && bend != o.*d.backBendPoint)
        add(d.bend, Text(bend) + " differs from " + d.backBend + " " + Text(o.*d.backBendPoint) + " of station " +
                        std::to_string(other) + "; a bend is stored at both ends");
}

// Every line must be one chain: a path from its only station with Prev 0, or
// a ring when it has none, passing every station of the line.
void CheckChains(const CitySource& source, int lineCount, PackErrors& errors) {
    const int count = static_cast<int>(source.stations.size());
    for (int line = 1; line <= lineCount; ++line) {
        std::vector<int> members;
        std::vector<int> starts;
        for (const StationSource& s : source.stations) {
            if (s.line != line) continue;
            members.push_back(s.number);
            if (s.prev == 0) starts.push_back(s.number);
        }
        const SourceLocation nowhere{"stations.txt", 0};
        const std::string subject = "line " + std::to_string(line);
        if (members.empty()) {
            errors.Add(subject, nowhere, "Line", "has no station");
            continue;
        }
        if (starts.size() > 1) {
            std::string list;
            for (int n : starts) list += (list.empty() ? "" : ", ") + std::to_string(n);
            errors.Add(
                subject, nowhere, "Prev",
                "breaks into " + std::to_string(starts.size()) + " pieces; each of stations " + list + " has Prev 0");
            continue;
        }
        const bool ring = starts.empty();
        const int first = ring ? members.front() : starts.front();
        int steps = 0;
        int at = first;
        do {
            ++steps;
            at = StationAt(source, at).next;
        } while (at != 0 && at != first && steps <= count);

        const bool closed = ring ? at == first : at == 0;
        if (!closed || steps != static_cast<int>(members.size())) {
            errors.Add(subject, nowhere, "Next",
                       std::string(ring ? "is a ring from station " : "runs from station ") + std::to_string(first) +
                           " through " + std::to_string(steps) + " stations, but has " +
                           std::to_string(members.size()));
        }
    }
}

}  // namespace

void CheckStationNumbering(const CitySource& source, PackErrors& errors) {
    if (source.stations.empty()) {
        errors.Add("stations.txt", {}, "No", "the city has no station");
        return;
    }
    if (source.stations.size() > static_cast<std::size_t>(kMaxStations)) {
        errors.Add("stations.txt", {}, "No", "a city has at most " + std::to_string(kMaxStations) + " stations");
        return;
    }
    int expected = 1;
    for (std::size_t i = 0; i < source.stations.size(); ++i) {
        const StationSource& s = source.stations[i];
        if (i > 0 && s.number == source.stations[i - 1].number) {
            errors.Add(StationSubject(s), s.where, "No", "number already given at " + At(source.stations[i - 1].where));
            continue;
        }
        if (s.number != expected) {
            errors.Add(
                StationSubject(s), s.where, "No",
                "stations are numbered 1, 2, 3 and on without gaps; " + std::to_string(expected) + " is missing");
            expected = s.number;
        }
        ++expected;
    }
}

void CheckStations(const CitySource& source, int lineCount, PackErrors& errors) {
    const std::size_t before = errors.Count();
    for (const StationSource& s : source.stations) {
        CheckName(s, errors);
        if (s.line < 1 || s.line > lineCount)
            errors.Add(StationSubject(s), s.where, "Line", "line " + std::to_string(s.line) + " is not in lines.txt");
        CheckPosition(s, errors);
        CheckLink(source, s, kForward, errors);
        CheckLink(source, s, kBackward, errors);
    }
    CheckUniqueNames(source, errors);
    // Walking chains over broken links only repeats what was said above.
    if (errors.Count() == before) CheckChains(source, lineCount, errors);
}

TStationTable BuildStationTable(const CitySource& source) {
    TStationTable table{};
    for (const StationSource& s : source.stations) {
        TStation& r = table.Records[s.number - 1];
        const std::string name = Utf8ToCp1251(s.name).value_or(std::string());
        r.NameLength = static_cast<std::uint8_t>(name.size());
        name.copy(r.Name, name.size());
        r.Line = static_cast<std::uint8_t>(s.line);
        r.X = static_cast<std::uint16_t>(s.x);
        r.Y = static_cast<std::uint16_t>(s.y);
        r.Next = static_cast<std::uint8_t>(s.next);
        r.Prev = static_cast<std::uint8_t>(s.prev);
        r.MinutesToNext = static_cast<std::uint8_t>(s.minutesToNext);
        r.MinutesToPrev = static_cast<std::uint8_t>(s.minutesToPrev);
        if (s.bendToNext) {
            r.BendToNextX = static_cast<std::uint16_t>(s.bendToNext->x);
            r.BendToNextY = static_cast<std::uint16_t>(s.bendToNext->y);
        }
        if (s.bendToPrev) {
            r.BendToPrevX = static_cast<std::uint16_t>(s.bendToPrev->x);
            r.BendToPrevY = static_cast<std::uint16_t>(s.bendToPrev->y);
        }
        r.InOperation = s.inOperation ? 1 : 0;
    }
    return table;
}

}  // namespace tnx::city
