#pragma once
// Reduction of the compressive strength for the depth of carbonation: a fifth-degree
// polynomial in the depth (whole millimetres), chosen by the class of the rebound value.
namespace vordalis::rebound {

// K(R, d); 1 for a depth of 0 or less. The polynomial is meant for 1..6 mm.
double CarbonationFactor(double rebound, int depthMm);

} // namespace vordalis::rebound
