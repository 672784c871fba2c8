// A small series for tests whose figures follow by hand from the design equations.
#pragma once

namespace impulsor::testing {

// µr = 1 at every field and frequency; 100 W/kg at every frequency and flux density; the cores
// listed out of order (the catalog sorts them by AL·le²: T10, T20, T30).
inline constexpr const char* kTestSeries =
    "[T30]\r\nOD = 40\r\nID = 24\r\nOH = 16\r\nOD0 = 40\r\nID0 = 24\r\nH0 = 16\r\n"
    "le = 100\r\nAe = 120\r\nAL = 0,095\r\n"
    "[T10]\r\nOD = 20\r\nID = 10\r\nOH = 8\r\nOD0 = 20\r\nID0 = 10\r\nH0 = 8\r\n"
    "le = 45\r\nAe = 40\r\nAL = 0.07\r\n"
    "[T20]\r\nOD = 30\r\nID = 16\r\nOH = 12\r\nOD0 = 30\r\nID0 = 16\r\nH0 = 12\r\n"
    "le = 70\r\nAe = 80\r\nAL = 0.09\r\n"
    "[END]\r\n"
    "H, Oersteads\r\nH0 = 1\r\nH1 = 1000\r\n"
    "mu_H0 = 1\r\nmu_H1 = 1\r\n"
    "Flux density\r\nB1 = 10\r\nB2 = 1000\r\n"
    "Frequencies\r\nF1 = 10\r\nF2 = 1000\r\n"
    "[F_10]\r\nB_10 = 100\r\nB_1000 = 100\r\n"
    "[F_1000]\r\nB_10 = 100\r\nB_1000 = 100\r\n"
    "Frequencies, kHz\r\nF0 = 1\r\nF1 = 100\r\nF2 = 10000\r\n"
    "Relative mu vs H\r\nmu_F0 = 1\r\nmu_F1 = 1\r\nmu_F2 = 1\r\n"
    "Others\r\nro = 5\r\nHmax = 100\r\ntmax = 150\r\n";

}  // namespace impulsor::testing
