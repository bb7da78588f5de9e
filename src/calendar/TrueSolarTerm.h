// The astronomical solar-term engine (library quillora_astro, on ERFA).
//
// A solar term begins at the instant the apparent geocentric ecliptic
// longitude of the Sun reaches a multiple of 15 degrees. Term k (0 to 23) is
// indexed like TermNames: 0 is 小寒 (longitude 285 degrees), 2 is 立春 (315),
// 5 is 春分 (0), 23 is 冬至 (270); so term k of a year is the one at longitude
// (285 + 15 k) mod 360 that falls in that Gregorian year.
//
// The program itself never links this engine: it feeds the reference-data
// builder (the jie instants of the databases), the generator of the picker's
// term-day table and the tests.
#pragma once

#include "common/DateValue.h"

namespace quillora {

// First and last year for which TrueSolarTermInstant is checked against an
// independent reference (every term within a minute).
inline constexpr int kTrueTermFirstYear = 1900;
inline constexpr int kTrueTermLastYear = 2100;

// The instant at which term k (0 to 23) of Gregorian year `year` begins, as a
// date value in Beijing time (UTC+8), rounded to the whole second, so that
// FormatDateTime prints it exactly and DateOf gives its Beijing calendar day.
//
// Throws std::out_of_range for a year outside kTrueTermFirstYear to
// kTrueTermLastYear or a k outside 0 to 23.
//
// Model: Earth's heliocentric position from eraEpv00, rotated into the mean
// ecliptic and equinox of date with eraEcm06 (IAU 2006 precession), plus the
// nutation in longitude of eraNut06a and the annual aberration
// -20.4898"/R (R the Sun's distance in au). The instant is solved in TT and
// turned into UT with DeltaTSeconds.
DateValue TrueSolarTermInstant(int year, int k);

// The Sun's apparent geocentric ecliptic longitude in degrees [0, 360) at a
// two-part TT Julian date (as ERFA takes it).
double ApparentSolarLongitude(double tt1, double tt2);

// Delta T = TT - UT in seconds at a decimal year (e.g. 2000.5), from the
// polynomial expressions of Espenak and Meeus (Five Millennium Canon of Solar
// Eclipses) for 1860 to 2150. Outside that span the nearest end piece is
// extrapolated.
double DeltaTSeconds(double decimalYear);

}  // namespace quillora
