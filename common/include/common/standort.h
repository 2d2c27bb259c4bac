#pragma once
// The place the sun times are computed for when the user set none: Frankfurt,
// as the settings dialog's city table has it. The settings dialog shows these
// as its defaults and the output program computes with them, so both name the
// same place.

namespace kronel {

inline constexpr const char* StandardNordBreite = "50.06";
inline constexpr const char* StandardOstLaenge = "8.41";

}  // namespace kronel
