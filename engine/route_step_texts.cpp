#include "engine/route_step_texts.h"

#include <cstdlib>

#include "engine/route_texts.h"
#include "model/cp1251.h"
#include "model/lookups.h"

namespace tnx {
namespace {

constexpr const char* kMinus = "\u2212";

// Twice the area the ride sweeps round the middle of its line's stations; positive
// when it turns clockwise on the scheme, whose y axis points down.
std::int64_t SweptArea(const TCity& city, const TRideStep& ride) {
    std::int64_t sumX = 0, sumY = 0, count = 0;
    for (int n = 1; n <= city.NumOfStations; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        if (s.Line != ride.Line) continue;
        sumX += s.X;
        sumY += s.Y;
        ++count;
    }
    if (count == 0) return 0;
    std::int64_t area = 0;
    for (std::size_t i = 1; i < ride.Stations.size(); ++i) {
        const TStation& a = city.Station(ride.Stations[i - 1]);
        const TStation& b = city.Station(ride.Stations[i]);
        const std::int64_t ax = a.X * count - sumX, ay = a.Y * count - sumY;
        const std::int64_t bx = b.X * count - sumX, by = b.Y * count - sumY;
        area += ax * by - ay * bx;
    }
    return area;
}

std::string Signed(int difference, const std::string& magnitude) { return (difference > 0 ? "+" : kMinus) + magnitude; }

// "6 минут, ожидание 3 минуты"; without a wait only the riding minutes.
std::string RideMinutesText(const TRideStep& ride) {
    std::string text = MinutesText(ride.Minutes);
    if (ride.Wait != 0) text += ", ожидание " + MinutesText(ride.Wait);
    return text;
}

}  // namespace

std::string StationText(const TCity& city, std::uint8_t station) {
    return Cp1251ToUtf8(DisplayName(StoredName(city.Station(station))));
}

int StopCount(const TCity& city, const TRideStep& ride) {
    int stops = 0;
    for (std::size_t i = 1; i < ride.Stations.size(); ++i)
        if (city.Station(ride.Stations[i]).InOperation != 0 || i + 1 == ride.Stations.size()) ++stops;
    return stops;
}

std::string DirectionText(const TCity& city, const TRideStep& ride) {
    if (ride.Toward != 0) return "в сторону «" + StationText(city, ride.Toward) + "»";
    const std::int64_t area = SweptArea(city, ride);
    if (area == 0) return "по кольцу";
    return area > 0 ? "по часовой стрелке" : "против часовой стрелки";
}

std::string RideText(const TCity& city, const TRideStep& ride) {
    return StationText(city, ride.Stations.front()) + " → " + StationText(city, ride.Stations.back()) + ", " +
           StopsText(StopCount(city, ride)) + ", " + RideMinutesText(ride) + ", " + DirectionText(city, ride);
}

std::string TransferText(const TCity& city, const TTransferStep& transfer) {
    return StationText(city, transfer.From) + " → " + StationText(city, transfer.To) + ", " +
           MinutesText(transfer.Minutes);
}

std::string StepText(const TCity& city, const TRouteStep& step) {
    if (const auto* ride = std::get_if<TRideStep>(&step))
        return "линия " + std::to_string(ride->Line) + ": " + RideText(city, *ride);
    return "пересадка: " + TransferText(city, std::get<TTransferStep>(step));
}

std::string ComparisonText(std::uint8_t firstTime, std::uint8_t firstChanges, std::uint8_t time, std::uint8_t changes) {
    const int minutes = time - firstTime;
    const int transfers = changes - firstChanges;
    const std::string timeText =
        minutes == 0 ? "то же время" : Signed(minutes, MinutesText(static_cast<std::uint8_t>(std::abs(minutes))));
    const std::string changesText =
        transfers == 0 ? "столько же пересадок"
                       : Signed(transfers, ChangesText(static_cast<std::uint8_t>(std::abs(transfers))));
    return timeText + ", " + changesText;
}

}  // namespace tnx
