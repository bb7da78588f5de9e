#include "calendar/TrueSolarTerm.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace quillora {

namespace {

// Julian date of day 0 of the date values (1899-12-30 00:00).
constexpr double kDayZeroJd = 2415018.5;
constexpr double kJ2000 = 2451545.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kBeijingOffsetDays = 8.0 / 24.0;
// Annual aberration of the Sun at 1 au, in arcseconds.
constexpr double kAberrationArcsec = 20.4898;
// Mean motion of the Sun in degrees per day, for the first guesses.
constexpr double kMeanMotion = 360.0 / 365.2422;

double Wrap180(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d >= 180.0)
        d -= 360.0;
    if (d < -180.0)
        d += 360.0;
    return d;
}

}  // namespace

double DeltaTSeconds(double y) {
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

double ApparentSolarLongitude(double tt1, double tt2) {
    // Heliocentric Earth (au, ICRS axes); the Sun as seen from the Earth is
    // its negative. ERFA wants TDB, which differs from TT by under 2 ms.
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(tt1, tt2, pvh, pvb);
    double sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};

    // Into the mean ecliptic and equinox of date.
    double rm[3][3];
    eraEcm06(tt1, tt2, rm);
    double ecl[3];
    eraRxp(rm, sun, ecl);
    const double distance = eraPm(ecl);
    double longitude = std::atan2(ecl[1], ecl[0]);

    // Nutation in longitude (true equinox of date) and annual aberration.
    double dpsi = 0;
    double deps = 0;
    eraNut06a(tt1, tt2, &dpsi, &deps);
    longitude += dpsi - kAberrationArcsec * ERFA_DAS2R / distance;

    double degrees = longitude * ERFA_DR2D;
    degrees = std::fmod(degrees, 360.0);
    if (degrees < 0)
        degrees += 360.0;
    return degrees;
}

DateValue TrueSolarTermInstant(int year, int k) {
    if (year < kTrueTermFirstYear || year > kTrueTermLastYear)
        throw std::out_of_range("solar-term year " + std::to_string(year) + " outside 1900-2100");
    if (k < 0 || k > 23)
        throw std::out_of_range("solar-term index " + std::to_string(k) + " outside 0-23");

    const double target = std::fmod(285.0 + 15.0 * k, 360.0);
    // First guess: term 0 lies near 6 January, the others follow at the
    // Sun's mean pace. The error of this guess stays within three days.
    double date1 = 0;
    double date2 = 0;
    eraCal2jd(year, 1, 1, &date1, &date2);
    const double jan1 = date1 + date2;
    double t = jan1 + 5.5 + 15.2184 * k;  // TT, Julian date

    // Secant steps on the longitude error, starting from the mean motion.
    double prevT = t;
    double prevErr = Wrap180(ApparentSolarLongitude(kJ2000, prevT - kJ2000) - target);
    t = prevT - prevErr / kMeanMotion;
    for (int i = 0; i < 20; ++i) {
        const double err = Wrap180(ApparentSolarLongitude(kJ2000, t - kJ2000) - target);
        if (err == prevErr)
            break;
        const double next = t - err * (t - prevT) / (err - prevErr);
        prevT = t;
        prevErr = err;
        t = next;
        if (std::fabs(t - prevT) < 1e-9)
            break;
    }

    const double decimalYear = 2000.0 + (t - kJ2000) / 365.25;
    const double ut = t - DeltaTSeconds(decimalYear) / kSecondsPerDay;
    const double beijing = ut - kDayZeroJd + kBeijingOffsetDays;
    return std::round(beijing * kSecondsPerDay) / kSecondsPerDay;
}

}  // namespace quillora
