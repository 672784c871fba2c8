#!/usr/bin/env python3
"""Writes the shipped core-series files "<series>.txt" from the tables below.

Every series is one powder material of one permeability pressed in the standard
toroid sizes. A series file holds the core sizes (mm, mm², AL in µH per turn²)
and the material tables the design engine interpolates on log-log axes:
permeability factor against field strength (Oe), against frequency (kHz), the
core loss per kilogram (W/kg) against frequency (kHz) and flux amplitude (mT), and
the density (g/cm³), field limit Hmax (Oe) and temperature limit tmax (°C).

The program finds every value by a plain text search: first an anchor text
(core name, block title or the start of the file), then the first occurrence
of the key at or after it, to the end of the file. The layout written here is
chosen so that every key is met first on its own line; check() re-reads each
file with the same rule and compares every value with the intended one.

Usage:
    python3 generate_series.py          write the files beside this script, then check them
    python3 generate_series.py --check  only check that the files on disk are current and sound

Python 3 standard library only. Output is deterministic: a re-run gives the same bytes.
"""

import math
import sys
from decimal import Decimal, ROUND_HALF_UP
from pathlib import Path

HERE = Path(__file__).resolve().parent

# ---------------------------------------------------------------------------
# Standard toroid sizes (coated: OD max, ID min, HT max in mm; catalog le in mm
# and Ae in mm²; AL in nH per turn² for each permeability). The winding layout
# works with the coated dimensions, so they are written unchanged.
# Size code of our core names: 1800 + 5 * (row index), the same in every series.
# ---------------------------------------------------------------------------
AL_COLUMNS = (26, 40, 60, 75, 90, 125)
SIZES = (
    # OD       ID       HT       le      Ae      AL 26µ 40µ 60µ 75µ 90µ 125µ
    ("10.29", "4.27", "3.81", "21.8", "7.52", (11, 17, 25, 32, 38, 53)),
    ("10.80", "4.57", "4.60", "23.0", "9.57", (14, 21, 32, 40, 48, 66)),
    ("11.81", "5.84", "4.60", "26.9", "9.06", (11, 17, 26, 32, 38, 53)),
    ("13.46", "6.99", "5.51", "31.2", "10.9", (12, 18, 27, 34, 40, 56)),
    ("17.27", "9.53", "7.11", "41.2", "19.2", (15, 24, 35, 43, 52, 72)),
    ("18.03", "9.02", "7.11", "41.4", "23.2", (19, 28, 43, 53, 64, 89)),
    ("21.08", "12.07", "7.11", "50.9", "22.1", (14, 21, 32, 41, 49, 68)),
    ("23.62", "13.34", "8.38", "56.7", "31.7", (19, 29, 43, 54, 65, 90)),
    ("24.33", "13.77", "9.65", "58.8", "38.8", (22, 34, 51, 62, 76, 105)),
    ("27.69", "14.10", "11.94", "63.5", "65.4", (32, 50, 75, 94, 113, 157)),
    ("33.66", "19.46", "11.43", "81.4", "65.6", (28, 41, 61, 76, 91, 127)),
    ("35.18", "22.56", "9.78", "89.5", "46.6", (16, 25, 38, 47, 57, 79)),
    ("36.70", "21.54", "11.35", "89.8", "67.8", (24, 37, 56, 70, 84, 117)),
    ("40.77", "23.32", "15.37", "98.4", "107", (35, 54, 81, 101, 121, 168)),
    ("40.94", "21.27", "17.89", "95.1", "154", (53, 81, 122, 153, 183, 254)),
    ("43.84", "23.39", "17.27", "102", "148", (47, 72, 108, 135, 161, 224)),
    ("47.63", "27.89", "16.13", "116", "134", (37, 57, 86, 107, 128, 178)),
    ("47.63", "23.32", "18.92", "107", "199", (59, 90, 135, 169, 202, 281)),
    ("51.51", "24.00", "21.59", "114", "262", (76, 117, 175, 219, 269, 366)),
    ("51.69", "30.94", "14.35", "127", "125", (32, 49, 73, 91, 109, 152)),
    ("54.90", "28.10", "15.30", "126", "174", (45, 69, 104, 130, 156, 217)),
    ("58.04", "34.75", "14.86", "143", "144", (33, 50, 75, 94, 112, 156)),
    ("58.04", "25.58", "16.13", "125", "229", (60, 92, 138, 172, 207, 287)),
    ("63.09", "31.70", "25.91", "144", "360", (82, 126, 189, 237, 284, 394)),
    ("69.42", "34.67", "21.41", "158", "314", (65, 100, 143, 187, 225, 312)),
    ("75.21", "44.40", "35.92", "184", "497", (88, 136, 204, 255, 306, 425)),
    ("78.94", "38.33", "26.85", "177", "492", (88, 135, 205, 256, 306, 425)),
    ("78.94", "48.21", "13.84", "196", "176", (30, 45, 68, 85, 102, 142)),
    ("78.94", "48.21", "17.02", "196", "221", (37, 57, 85, 106, 128, 177)),
)
SIZE_CODE_BASE = 1800
SIZE_CODE_STEP = 5

# ---------------------------------------------------------------------------
# Materials: public curve fits of powder-core datasheets (typical curves).
#   bias:  %µ = 1 / (0.01 + b·H^c), H in Oe   -> written as the factor %µ/100
#   freq:  ("poly", (a, b, c, d, e)): µ(f)/µi = 1 + a + b·f + c·f² + d·f³ + e·f⁴, f in Hz
#          ("points", {kHz: % kept}): % of µi kept at those frequencies, 100 % at 0 kHz,
#          linear in f between them
#   loss:  P[mW/cm³] = a·B^b·f^c, B in T (peak, half the swing), f in kHz -> W/kg = P / ro
#   hmax:  field limit, Oe: about where the typical curve has fallen to 30 %
#   tmax:  highest transformer temperature offered, °C: the winding enamel (155 °C class)
#          is the weaker part; the alloy-powder core coating is rated 200 °C
# ---------------------------------------------------------------------------
MATERIALS = {
    "FeSiAl60": dict(
        name="Fe-Si-Al", mu=60, bias=(2.142e-6, 1.855),
        freq=("poly", (8.191e-4, -1.842e-8, -2.144e-16, 5.886e-23, -2.683e-30)),
        loss=(44.30, 1.988, 1.541), ro="5.5", bsat=1.0, curie=500, hmax=150, tmax=155),
    "FeSiAl26": dict(
        name="Fe-Si-Al", mu=26, bias=(5.266e-7, 1.819),
        freq=("points", {100: 100.0, 500: 99.6, 1000: 99.2}),
        loss=(52.36, 1.988, 1.541), ro="5.5", bsat=1.0, curie=500, hmax=350, tmax=155),
    "MoPerm60": dict(
        name="Mo-permalloy", mu=60, bias=(1.165e-7, 2.436),
        freq=("points", {100: 99.8, 500: 99.2, 1000: 98.5}),
        loss=(72.15, 2.103, 1.449), ro="8.0", bsat=0.8, curie=460, hmax=150, tmax=155),
    "FeNi60": dict(
        name="Fe-Ni", mu=60, bias=(6.413e-8, 2.291),
        freq=("points", {100: 99.6, 500: 98.1, 1000: 96.4}),
        loss=(246.5, 2.218, 1.311), ro="7.8", bsat=1.5, curie=500, hmax=270, tmax=155),
    "FeSi60": dict(
        name="Fe-Si", mu=60, bias=(1.489e-8, 2.613),
        freq=("points", {100: 99.9, 500: 98.8, 1000: 97.5}),
        loss=(557.3, 2.015, 1.194), ro="7.0", bsat=1.6, curie=700, hmax=230, tmax=155),
}

# Published check values, W/kg at (mT, kHz), and where the typical bias curve keeps
# 80 % and 50 % (Oe): a wrongly copied coefficient shows up here.
LOSS_CHECKS = {
    "FeSiAl60": ((50, 100, 25.2), (100, 100, 100.0)),
    "MoPerm60": ((50, 100, 13.1), (100, 100, 56.3)),
    "FeNi60": ((50, 100, 17.2), (100, 100, 80.1)),
    "FeSi60": ((50, 100, 46.5), (100, 100, 188.0)),
}
BIAS_CHECKS = {
    "FeSiAl60": (45, 95), "FeSiAl26": (105, 225), "MoPerm60": (60, 106),
    "FeNi60": (101, 185), "FeSi60": (100, 170),
}

# Series: file name (without ".txt"), material, core name prefix and suffix.
SERIES = (
    ("KVZN-TH cores", "FeSiAl60", "KVZN", "-TH"),
    ("KVZNL-TH cores", "FeSiAl26", "KVZNL", "-TH"),
    ("KVZM-TH cores", "MoPerm60", "KVZM", "-TH"),
    ("KVZF-TH cores", "FeNi60", "KVZF", "-TH"),
    ("KVZS-TH cores", "FeSi60", "KVZS", "-TH"),
)
DEFAULT_SERIES = "KVZN-TH cores"
DEFAULT_CORE = "KVZN1845-TH"

# Table points shared by all series.
# Field strength, Oe: 0 carries the factor 1 (the first segment is then flat); the list
# runs well past every Hmax because the inductance refinement may overshoot the limit.
H_POINTS = (0, 1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80,
            90, 100, 110, 120, 130, 140, 150, 160, 180, 200, 220, 250, 280, 300, 350,
            400, 450, 500, 600, 700, 800, 1000)
# Frequencies, kHz. One list serves both tables: the permeability-versus-frequency
# points are F0..F19, and the loss table takes its rows from F1..F19 of the same
# block (the loss lookup also stops at the last row of the frequency list).
F_POINTS = (1, 10, 15, 20, 30, 40, 50, 60, 70, 80, 100, 125, 150, 200, 250, 300, 400,
            500, 700, 1000)
# Flux amplitudes of the loss table, mT.
B_POINTS = (2, 3, 5, 7, 10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90, 100, 120, 140, 160,
            180, 200, 230, 260, 300, 350, 400, 450, 500, 600)

# Capacities of the program's in-memory tables and buffer.
MAX_CORES, MAX_H, MAX_F, MAX_B, MAX_LOSS_F = 100, 51, 20, 29, 19
MAX_FILE_BYTES = 100000
MAX_HELP_BYTES = 10000
FOUR_PI_TENTHS = 1.2566370614359172  # 0.4π: µi = le·AL/Ae/0.4π·1000 (mm, µH, mm²)


# ---------------------------------------------------------------------------
# Curves
# ---------------------------------------------------------------------------
def bias_factor(mat, h_oe):
    """Permeability kept at a DC field h_oe, as a factor 0..1."""
    b, c = mat["bias"]
    if h_oe == 0:
        return 1.0
    return 0.01 / (0.01 + b * h_oe ** c)


def frequency_factor(mat, f_khz):
    """µ(f)/µi at f_khz."""
    kind, data = mat["freq"]
    if kind == "poly":
        f = f_khz * 1000.0
        a, b, c, d, e = data
        return 1.0 + (a + b * f + c * f ** 2 + d * f ** 3 + e * f ** 4)
    points = [(0.0, 100.0)] + sorted(data.items())
    for (f0, p0), (f1, p1) in zip(points, points[1:]):
        if f_khz <= f1:
            return (p0 + (p1 - p0) * (f_khz - f0) / (f1 - f0)) / 100.0
    (f0, p0), (f1, p1) = points[-2], points[-1]
    return (p1 + (p1 - p0) * (f_khz - f1) / (f1 - f0)) / 100.0


def loss_w_per_kg(mat, b_mt, f_khz):
    a, b, c = mat["loss"]
    mw_per_cm3 = a * (b_mt / 1000.0) ** b * f_khz ** c
    return mw_per_cm3 / float(mat["ro"])


# ---------------------------------------------------------------------------
# Number texts (plain decimals, point separator, no exponent)
# ---------------------------------------------------------------------------
def fixed(x, decimals):
    q = Decimal(1).scaleb(-decimals)
    return format(Decimal(repr(x)).quantize(q, rounding=ROUND_HALF_UP), "f")


def significant(x, digits):
    d = Decimal(repr(x))
    exponent = d.adjusted() - digits + 1
    d = d.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_UP)
    return format(d, "f")


def one_decimal(text):
    """Display text of a dimension in the core title, e.g. "27.69" -> "27.7"."""
    return format(Decimal(text).quantize(Decimal("0.1"), rounding=ROUND_HALF_UP), "f")


def al_text(al_nh):
    """AL in the file is in µH per turn²: 75 nH -> "0.075"."""
    return format((Decimal(al_nh) / 1000).normalize(), "f")


# ---------------------------------------------------------------------------
# File content: a list of (key, value text) per block, also used by the check
# ---------------------------------------------------------------------------
def core_name(prefix, suffix, index):
    return "%s%d%s" % (prefix, SIZE_CODE_BASE + SIZE_CODE_STEP * index, suffix)


def series_content(material_key, prefix, suffix):
    """Everything a series file says, as intended texts."""
    mat = MATERIALS[material_key]
    column = AL_COLUMNS.index(mat["mu"])
    cores = []
    for index, (od, id_, ht, le, ae, als) in enumerate(SIZES):
        cores.append((core_name(prefix, suffix, index), [
            ("OD", od), ("ID", id_), ("OH", ht),
            ("OD0", one_decimal(od)), ("ID0", one_decimal(id_)), ("H0", one_decimal(ht)),
            ("le", le), ("Ae", ae), ("AL", al_text(als[column])),
        ]))
    h_pts = [(str(h), fixed(bias_factor(mat, h), 5)) for h in H_POINTS]
    f_pts = [(str(f), fixed(frequency_factor(mat, f), 5)) for f in F_POINTS]
    b_pts = [str(b) for b in B_POINTS]
    loss = [(str(f), [(str(b), significant(loss_w_per_kg(mat, b, f), 4)) for b in B_POINTS])
            for f in F_POINTS[1:]]
    others = [("ro", mat["ro"]), ("Hmax", str(mat["hmax"])), ("tmax", str(mat["tmax"]))]
    return dict(cores=cores, h=h_pts, f=f_pts, b=b_pts, loss=loss, others=others)


def render(content):
    """Lays the content out as file lines.

    Order: cores, [END], field points, field factors, frequency points, frequency
    factors, flux amplitudes, loss rows, constants. Every block's keys are met
    before any later text that also contains them:
      - "H1" is searched from "H, Oersteads": its line comes before "mu_H1";
      - "mu_H1" is searched from the start of the file: nothing before contains "mu_H";
      - "F1" is searched from "Frequencies, kHz" for the permeability table and from
        the first "Frequencies" for the loss table: both are this block, whose F1.. are
        the loss rows; loss row titles are "F_<f>", never "F<digit>";
      - loss rows and their cells are written in ascending order with whole-number
        texts, so "F_10" / "B_2" are met at their own lines before "F_100" / "B_20";
      - "ro", "Hmax", "tmax" follow "Others", which is the last block.
    """
    lines = []
    for name, fields in content["cores"]:
        lines.append("[%s]" % name)
        lines += ["%s = %s" % kv for kv in fields]
    lines.append("[END]")
    lines.append("[H, Oersteads]")
    lines += ["H%d = %s" % (i, h) for i, (h, _) in enumerate(content["h"])]
    lines.append("[Permeability factor at H]")
    lines += ["mu_H%d = %s" % (i, m) for i, (_, m) in enumerate(content["h"])]
    lines.append("[Frequencies, kHz]")
    lines += ["F%d = %s" % (i, f) for i, (f, _) in enumerate(content["f"])]
    lines.append("[Relative mu vs H]")
    lines += ["mu_F%d = %s" % (i, m) for i, (_, m) in enumerate(content["f"])]
    lines.append("[Flux density]")
    lines += ["B%d = %s" % (j + 1, b) for j, b in enumerate(content["b"])]
    for f, cells in content["loss"]:
        lines.append("[F_%s]" % f)
        lines += ["B_%s = %s" % cell for cell in cells]
    lines.append("[Others]")
    lines += ["%s = %s" % kv for kv in content["others"]]
    return ("\r\n".join(lines) + "\r\n").encode("cp1251")


# ---------------------------------------------------------------------------
# Check: the program's lookup and series reader, re-implemented
# ---------------------------------------------------------------------------
class MissingCR(Exception):
    pass


def lookup(text, anchor, key):
    """Anchor from the start of the file ("" = start), then the first key at or
    after it, value after the next "=" up to CR, commas to points, spaces trimmed."""
    start = text.find(anchor) if anchor else 0
    if start < 0:
        return ""
    pos = text.find(key, start)
    if pos < 0:
        return ""
    eq = text.find("=", pos)
    if eq < 0:
        raise MissingCR("no '=' after key %r" % key)
    cr = text.find("\r", eq + 1)
    if cr < 0:
        raise MissingCR("value of %r not ended by CR" % key)
    return text[eq + 1:cr].replace(",", ".").strip(" ")


def atof(s):
    s = s.lstrip(" \t\r\n\v\f")
    best = 0.0
    for end in range(len(s), 0, -1):
        try:
            best = float(s[:end])
            break
        except ValueError:
            continue
    return best



def read_points(text, anchor, key, factor_anchor, factor_key):
    """Points of a permeability table as the program reads them: index 0, 1, ... until a point
    or its factor is missing."""
    points = []
    while True:
        i = len(points)
        x = lookup(text, anchor, key % i)
        if not x:
            return points
        factor = lookup(text, factor_anchor, factor_key % i)
        if not factor:
            return points
        points.append((x, factor))

def read_series(text):
    """What the program's series reader makes of a file text."""
    cores = []
    pos = 0
    while True:
        open_ = text.find("[", pos)
        if open_ < 0:
            break
        close = text.find("]", open_ + 1)
        name = text[open_ + 1:close]
        pos = close
        if name == "END":
            break
        rec = {"name": name}
        for key in ("OD", "ID", "OH"):
            rec[key] = lookup(text, name, key)
        for key in ("OD0", "ID0", "H0"):
            rec[key] = lookup(text, name, key)
        for key in ("le", "Ae", "AL"):
            rec[key] = lookup(text, name, key)
        cores.append(rec)
    h = read_points(text, "H, Oersteads", "H%d", "", "mu_H%d")
    f = read_points(text, "Frequencies, kHz", "F%d", "Relative mu vs H", "mu_F%d")
    b = []
    while True:
        bv = lookup(text, "Flux density", "B%d" % (len(b) + 1))
        if not bv:
            break
        b.append(bv)
    loss = []
    while True:
        fv = lookup(text, "Frequencies", "F%d" % (len(loss) + 1))
        if not fv:
            break
        cells = []
        for j in range(len(b)):
            bt = lookup(text, "Flux density", "B%d" % (j + 1))
            cells.append((bt, lookup(text, "F_" + fv, "B_" + bt)))
        loss.append((fv, cells))
    others = [(k, lookup(text, "Others", k)) for k in ("ro", "Hmax", "tmax")]
    return dict(cores=cores, h=h, f=f, b=b, loss=loss, others=others)


def loglog(points, v):
    """The engine's table lookup: power law through the bracketing points, end segments extended."""
    last = len(points) - 1
    i = last - 1
    if v >= points[0][0]:
        for j in range(1, last + 1):
            if v < points[j][0]:
                i = j - 1
                break
    else:
        i = 0
    (x0, y0), (x1, y1) = points[i], points[i + 1]
    if x0 == 0:
        return y0  # flat first segment: ln(x1/0) is infinite
    s = math.log(y1 / y0) / math.log(x1 / x0)
    return y0 * (v / x0) ** s


def check_file(series, material_key, prefix, suffix, data):
    mat = MATERIALS[material_key]
    want = series_content(material_key, prefix, suffix)
    errors = []

    def expect(cond, msg):
        if not cond:
            errors.append("%s: %s" % (series, msg))

    expect(len(data) < MAX_FILE_BYTES, "file has %d bytes" % len(data))
    expect(b"\0" not in data, "zero byte in file")
    expect(data.count(b"\n") == data.count(b"\r\n") and data.endswith(b"\r\n"),
           "line ends must be CR LF")
    text = data.decode("cp1251")
    try:
        got = read_series(text)
    except MissingCR as exc:
        return ["%s: %s" % (series, exc)]

    # Cores: every key found where intended, in the program's reading order.
    expect(len(got["cores"]) == len(want["cores"]) <= MAX_CORES,
           "%d cores read, %d written" % (len(got["cores"]), len(want["cores"])))
    for rec, (name, fields) in zip(got["cores"], want["cores"]):
        expect(rec["name"] == name, "core %r read as %r" % (name, rec["name"]))
        for key, value in fields:
            expect(rec[key] == value, "%s.%s reads %r, want %r" % (name, key, rec[key], value))
        expect(text.find(name) == text.find("[" + name + "]") + 1,
               "core name %s occurs before its own header" % name)
    names = [n for n, _ in want["cores"]]
    for a in names:
        for b in names:
            expect(a == b or not b.lower().startswith(a.lower()),
                   "core name %s is the beginning of %s" % (a, b))

    # Material tables: counts and every text.
    expect(got["h"] == want["h"], "field table differs: %d points read" % len(got["h"]))
    expect(got["f"] == want["f"], "frequency table differs: %d points read" % len(got["f"]))
    expect(got["b"] == want["b"], "flux list differs: %d read" % len(got["b"]))
    expect(got["loss"] == want["loss"], "loss table differs: %d rows read" % len(got["loss"]))
    expect(got["others"] == want["others"], "constants read as %r" % (got["others"],))
    expect(len(got["h"]) <= MAX_H and len(got["f"]) <= MAX_F, "too many table points")
    expect(len(got["b"]) <= MAX_B and len(got["loss"]) <= MAX_LOSS_F, "loss table too large")
    # The loss lookup uses rows 1 .. (frequency points - 1): all must be loss rows.
    expect(len(got["loss"]) == len(got["f"]) - 1,
           "loss rows %d, frequency points %d" % (len(got["loss"]), len(got["f"])))
    expect([r for r, _ in got["loss"]] == [fv for fv, _ in got["f"][1:]],
           "loss rows are not F1.. of the frequency list")

    hx = [atof(h) for h, _ in got["h"]]
    fx = [atof(f) for f, _ in got["f"]]
    bx = [atof(b) for b in got["b"]]
    for label, xs in (("H", hx), ("F", fx), ("B", bx)):
        expect(all(x0 < x1 for x0, x1 in zip(xs, xs[1:])), "%s points not ascending" % label)
    expect(hx[0] == 0 and atof(got["h"][0][1]) == 1.0, "field table must start at (0, 1)")
    expect(all(atof(m) > 0 for _, m in got["h"] + got["f"]), "zero permeability factor")
    expect(all(atof(v) > 0 for _, cells in got["loss"] for _, v in cells), "zero loss cell")

    ro, hmax, tmax = (atof(v) for _, v in got["others"])
    expect(125 <= tmax <= 200, "tmax %g outside 125..200 °C" % tmax)
    expect(0 < hmax < 500 and hx[-1] > hmax, "Hmax %g not inside the field table" % hmax)
    kept = 100 * bias_factor(mat, hmax)
    expect(25 <= kept <= 35, "permeability at Hmax is %.1f %%" % kept)
    # Flux density the field limit allows (B = ∫ µ·µr dH, 1 Oe·µ = 1e-4 T) stays below saturation.
    steps = 1000
    b_at_hmax = sum(mat["mu"] * bias_factor(mat, (k + 0.5) * hmax / steps) * hmax / steps
                    for k in range(steps)) * 1e-4
    expect(b_at_hmax < mat["bsat"], "Hmax allows %.2f T, Bsat %.2f T" % (b_at_hmax, mat["bsat"]))

    # Interpolated values agree with the curves they came from.
    mu_h = [(atof(h), atof(m)) for h, m in got["h"]]
    mu_f = [(atof(f), atof(m)) for f, m in got["f"]]
    for h in (0.5, 7, 23, 55, 95, hmax):
        expect(abs(loglog(mu_h, h) - bias_factor(mat, h)) < 0.01 + 0.002 * (h < 1),
               "field factor at %g Oe off the curve" % h)
    for f in (25, 100, 333, 900):
        expect(abs(loglog(mu_f, f) - frequency_factor(mat, f)) < 0.002,
               "frequency factor at %g kHz off the curve" % f)
    for f_text, cells in got["loss"]:
        for b_text, v in cells:
            exact = loss_w_per_kg(mat, atof(b_text), atof(f_text))
            expect(abs(atof(v) / exact - 1) < 1e-3, "loss cell F_%s B_%s" % (f_text, b_text))
    for b_mt, f_khz, published in LOSS_CHECKS.get(material_key, ()):
        fit = loss_w_per_kg(mat, b_mt, f_khz)
        expect(abs(fit / published - 1) < 0.02,
               "loss %g W/kg at %g mT/%g kHz, published %g" % (fit, b_mt, f_khz, published))
    h80, h50 = BIAS_CHECKS[material_key]
    for h, pct in ((h80, 80.0), (h50, 50.0)):
        expect(abs(100 * bias_factor(mat, h) - pct) < 1.5,
               "bias curve keeps %.1f %% at %g Oe, published %g %%" % (
                   100 * bias_factor(mat, h), h, pct))

    # Core data: geometry and AL agree with the material's permeability.
    for rec in got["cores"]:
        od, id_, le, ae, al = (atof(rec[k]) for k in ("OD", "ID", "le", "Ae", "AL"))
        le_geo = math.pi * (od - id_) / math.log(od / id_)
        expect(abs(le / le_geo - 1) <= 0.10, "%s: le %g vs %.1f" % (rec["name"], le, le_geo))
        mu_i = le * al / ae / FOUR_PI_TENTHS * 1000
        expect(abs(mu_i / mat["mu"] - 1) <= 0.10,
               "%s: AL gives µi %.1f, material %d" % (rec["name"], mu_i, mat["mu"]))
        expect(0 < atof(rec["OH"]) and 0 < id_ < od, "%s: dimensions" % rec["name"])
    return errors


def check_default_design(data):
    """The default inputs (25.2 W, 100 kHz, about 4 mH, 247 turns at a peak near
    0.47 A) must stay well inside the default core's limits."""
    errors = []
    got = read_series(data.decode("cp1251"))
    cores = {rec["name"]: rec for rec in got["cores"]}
    if DEFAULT_CORE not in cores:
        return ["default core %s missing from %s" % (DEFAULT_CORE, DEFAULT_SERIES)]
    rec = cores[DEFAULT_CORE]
    le, ae, al = (atof(rec[k]) for k in ("le", "Ae", "AL"))
    mu_h = [(atof(h), atof(m)) for h, m in got["h"]]
    mu_f = [(atof(f), atof(m)) for f, m in got["f"]]
    hmax = atof(got["others"][1][1])
    turns, i_peak, f_khz = 247, 0.47, 100
    h = FOUR_PI_TENTHS * turns * i_peak / le * 10
    factor = loglog(mu_h, h) * loglog(mu_f, f_khz)
    l_uh = al * factor * turns ** 2
    if not (h < 0.5 * hmax):
        errors.append("default design: H %.1f Oe not well below Hmax %g" % (h, hmax))
    if not (0.90 <= factor <= 0.96):
        errors.append("default design: permeability factor %.3f at %.1f Oe" % (factor, h))
    # 247 turns give about 4.3 mH here; the automatic design then settles on fewer turns.
    if not (3600 <= l_uh <= 4600):
        errors.append("default design: %.0f µH on %s, about 4 mH expected" % (l_uh, DEFAULT_CORE))
    return errors


def check_help(path):
    if not path.exists():
        return []
    data = path.read_bytes()
    errors = []
    if len(data) >= MAX_HELP_BYTES:
        errors.append("ReadMe.txt has %d bytes, must be under %d" % (len(data), MAX_HELP_BYTES))
    if data.count(b"\n") != data.count(b"\r\n") or data.count(b"\r") != data.count(b"\r\n"):
        errors.append("ReadMe.txt must use CR LF line ends")
    if b"\0" in data:
        errors.append("ReadMe.txt contains a zero byte")
    try:
        data.decode("cp1251")
    except UnicodeDecodeError as exc:
        errors.append("ReadMe.txt is not Windows-1251 text: %s" % exc)
    return errors


def build_all():
    files = {}
    for series, material_key, prefix, suffix in SERIES:
        files[series + ".txt"] = render(series_content(material_key, prefix, suffix))
    return files


def check_all(files):
    errors = []
    for series, material_key, prefix, suffix in SERIES:
        errors += check_file(series, material_key, prefix, suffix, files[series + ".txt"])
    errors += check_default_design(files[DEFAULT_SERIES + ".txt"])
    errors += check_help(HERE / "ReadMe.txt")
    if build_all() != files:
        errors.append("generation is not deterministic")
    return errors


def main(argv):
    check_only = "--check" in argv[1:]
    files = build_all()
    if check_only:
        for name, data in files.items():
            path = HERE / name
            if not path.exists() or path.read_bytes() != data:
                print("%s is missing or out of date; run generate_series.py" % name)
                return 1
    else:
        for name, data in files.items():
            (HERE / name).write_bytes(data)
    errors = check_all({name: (HERE / name).read_bytes() for name in files})
    for message in errors:
        print("ERROR:", message)
    if errors:
        return 1
    for series, material_key, prefix, suffix in SERIES:
        mat = MATERIALS[material_key]
        data = files[series + ".txt"]
        print("%-16s %-13s %3dµ  %2d cores  %6d bytes  Hmax %d Oe  tmax %d °C" % (
            series, mat["name"], mat["mu"], len(SIZES), len(data), mat["hmax"], mat["tmax"]))
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
