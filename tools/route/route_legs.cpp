#include "tools/route/route_legs.h"

#include "engine/route_step_texts.h"

namespace tnx {
namespace {

std::string RideJson(const TRideStep& ride) {
    std::string out = "{\"kind\": \"ride\", \"line\": " + std::to_string(ride.Line) + ", \"stations\": [";
    for (std::size_t i = 0; i < ride.Stations.size(); ++i) out += (i ? ", " : "") + std::to_string(ride.Stations[i]);
    out += "], ";
    // A line without ends has no station to head for, only a way round.
    if (ride.Toward != 0)
        out += "\"toward\": " + std::to_string(ride.Toward);
    else
        out +=
            std::string("\"direction\": ") + (ride.Direction == TDirection::Forward ? "\"forward\"" : "\"backward\"");
    return out + ", \"minutes\": " + std::to_string(ride.Minutes) + ", \"wait\": " + std::to_string(ride.Wait) + "}";
}

std::string TransferJson(const TTransferStep& transfer) {
    return "{\"kind\": \"transfer\", \"from\": " + std::to_string(transfer.From) +
           ", \"to\": " + std::to_string(transfer.To) + ", \"minutes\": " + std::to_string(transfer.Minutes) + "}";
}

}  // namespace

void PrintLegs(std::ostream& out, const TCity& city, const std::optional<TRouteSteps>& steps) {
    if (!steps) {
        out << "  шаги маршрута не удалось восстановить\n";
        return;
    }
    for (const TRouteStep& step : *steps) out << "  " << StepText(city, step) << '\n';
}

std::string LegsJson(const std::optional<TRouteSteps>& steps) {
    if (!steps) return "null";
    std::string out = "[";
    for (const TRouteStep& step : *steps) {
        if (out.size() > 1) out += ", ";
        if (const auto* ride = std::get_if<TRideStep>(&step))
            out += RideJson(*ride);
        else
            out += TransferJson(std::get<TTransferStep>(step));
    }
    return out + "]";
}

}  // namespace tnx
