#pragma once

#include "IgcFix.h"

#include <cstddef>
#include <vector>

// Ground speed and climb rate derived from a flight's fixes.
namespace vantrel {

// Seconds from the previous fix to fix i (0 for the first fix).
long long SecondsSincePrevious(const std::vector<IgcFix>& fixes, std::size_t i);

// Point-to-point speeds in knots, each step held within min(4 x dt, 40) knots of the previous
// value; a step of no time repeats the previous raw speed. Fix 0 has 0.
std::vector<double> LimitedSpeeds(const std::vector<IgcFix>& fixes);

// The mean of values[i - 2 .. i + 2], positions outside the series counting as 0.
double CentredMean(const std::vector<double>& values, std::size_t i);

// Sets every fix's ground speed (centred mean of the limited speeds) and climb rate (moving mean
// of 5 pressure altitude steps over the fix's time step).
void DeriveSpeedAndClimb(std::vector<IgcFix>& fixes);

} // namespace vantrel
