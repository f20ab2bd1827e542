// Russian texts of a route's steps, shared by the route tool and the route card.
#pragma once

#include <cstdint>
#include <string>

#include "engine/route_steps.h"

namespace tnx {

// The station's name as shown (without a "~" suffix), UTF-8.
std::string StationText(const TCity& city, std::uint8_t station);

// The stations a ride stops at: those in operation after the boarding one, and always
// the alighting one.
int StopCount(const TCity& city, const TRideStep& ride);

// "в сторону «Пролетарская»"; round a ring "по часовой стрелке" or "против часовой стрелки",
// as the ride turns on the scheme.
std::string DirectionText(const TCity& city, const TRideStep& ride);

// "Холодная гора → Советская, 3 остановки, 6 минут, ожидание 3 минуты, в сторону «Пролетарская»"
std::string RideText(const TCity& city, const TRideStep& ride);

// "Советская → Исторический музей, 1 минута"
std::string TransferText(const TCity& city, const TTransferStep& transfer);

// One line per step: "линия 1: " and the ride's text, or "пересадка: " and the transfer's.
std::string StepText(const TCity& city, const TRouteStep& step);

// How a route compares with the first listed one: "+4 минуты, −1 пересадка",
// "то же время, столько же пересадок".
std::string ComparisonText(std::uint8_t firstTime, std::uint8_t firstChanges, std::uint8_t time, std::uint8_t changes);

}  // namespace tnx
