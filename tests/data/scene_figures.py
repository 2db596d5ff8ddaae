#!/usr/bin/env python3
"""Worked figures of the scenes where light passes through a line, from their formulas alone.

Thirty paths go from a source above the line via points on it to a detector below it. A path's
time is its length above the line, plus its length below times the slowness there, plus the
lens's delay; its arrow turns by that time times the frequency's factor. It shares no code with
the program: the test suite reads its output, scene-figures.json, and checks the program's
numbers against it.
Run it again after changing a formula here:  python3 scene_figures.py > scene-figures.json
"""
import cmath
import json
import math

POINTS = 30
FIRST_POINT = 56.0    # the leftmost point's x
SPACING = 24.0
LINE_Y = 250.0
# The source stands this high above the line and the detector as far below it; the gap's pair
# stands farther, so that a gap a few points wide casts a shadow off the straight line.
HEIGHT = {"Water": 60.0, "Glass": 60.0, "Lens": 60.0, "NoLens": 60.0, "Gap": 100.0}
MIDDLE = 404.0        # the source's x over the lens, the line and the gap; the focus's x
SOURCE_OVER_WATER = 304.0
RADIANS_PER_PIXEL = 1.57041 / 100 * 3  # at frequency 1
FARTHEST = 330        # the detector stands from 330 left to 330 right of the middle
SLOWNESS = {"Water": 1.33, "Glass": 1.5, "Lens": 1.0, "NoLens": 1.0, "Gap": 1.0}
FOCUS = (MIDDLE, LINE_Y + HEIGHT["Lens"])
GAP_WIDTHS = range(2, POINTS + 1, 2)
FREQUENCY_TENTHS = range(5, 21)


def point(k):
    return FIRST_POINT + SPACING * k


def source(kind):
    return (SOURCE_OVER_WATER if kind in ("Water", "Glass") else MIDDLE, LINE_Y - HEIGHT[kind])


def detector(kind, distance):
    return (MIDDLE - distance, LINE_Y + HEIGHT[kind])


def length(a, b):
    return math.hypot(a[0] - b[0], a[1] - b[1])


def via_focus(kind, x):
    """The path's length from the source to the focus via x on the line."""
    return length(source(kind), (x, LINE_Y)) + length((x, LINE_Y), FOCUS)


# The lens delays each path by what its length to the focus falls short of the longest's.
LENS_TOP = max(via_focus("Lens", point(k)) for k in range(POINTS))


def time(kind, distance, x):
    on_line = (x, LINE_Y)
    above = length(source(kind), on_line)
    below = length(on_line, detector(kind, distance))
    delay = LENS_TOP - via_focus(kind, x) if kind == "Lens" else 0.0
    return above + SLOWNESS[kind] * below + delay


def arrow(kind, distance, frequency, k):
    return cmath.exp(1j * RADIANS_PER_PIXEL * frequency * time(kind, distance, point(k)))


def gap(width):
    first = (POINTS - width) // 2
    return set(range(first, first + width))


def total(kind, distance, frequency, open_points=None):
    counted = range(POINTS) if open_points is None else sorted(open_points)
    return sum(arrow(kind, distance, frequency, k) for k in counted)


def light(kind, distance, frequency, open_points=None):
    """The squared sum against thirty arrows in step."""
    return abs(total(kind, distance, frequency, open_points)) ** 2 / POINTS ** 2


def crossing(kind, distance):
    """The least-time point on the continuous surface, found by golden sections between the
    source's and the detector's x: a path's time falls and then rises along the line."""
    low, high = sorted((source(kind)[0], detector(kind, distance)[0]))
    golden = (math.sqrt(5) - 1) / 2
    for _ in range(80):
        a, b = high - golden * (high - low), low + golden * (high - low)
        if time(kind, distance, a) < time(kind, distance, b):
            high = b
        else:
            low = a
    x = (low + high) / 2
    above = abs(x - source(kind)[0]) / length(source(kind), (x, LINE_Y))
    below = abs(detector(kind, distance)[0] - x) / length((x, LINE_Y), detector(kind, distance))
    nearest = min(range(POINTS), key=lambda k: abs(point(k) - x))
    return {"kind": kind, "distance": distance, "x": x, "sineAbove": above, "sineBelow": below, "ratio": above / below if below else None,
            "nearestPoint": point(nearest), "leastTimePoint": point(min(range(POINTS), key=lambda k: time(kind, distance, point(k))))}


def widest_neighbour_step(kind):
    """The most by which neighbouring points' times differ, wherever the detector stands, at whole
    pixels."""
    widest = 0.0
    for distance in range(-FARTHEST, FARTHEST + 1):
        times = [time(kind, distance, point(k)) for k in range(POINTS)]
        widest = max(widest, max(abs(b - a) for a, b in zip(times, times[1:])))
    return widest


def frequency_cap(kind):
    """The highest frequency, in tenths, at which neighbouring points' arrows turn apart by at most
    half a turn wherever the detector stands, and that turn there in degrees."""
    widest = widest_neighbour_step(kind)
    turn = lambda tenths: math.degrees(widest * RADIANS_PER_PIXEL * tenths / 10)
    cap = max(tenths for tenths in FREQUENCY_TENTHS if turn(tenths) <= 180)
    return {"tenths": cap, "degrees": turn(cap), "degreesAbove": turn(cap + 1)}


def sum_row(kind, distance, frequency, width=POINTS):
    open_points = gap(width)
    return {"kind": kind, "distance": distance, "frequency": frequency, "gapPoints": width,
            "sumLength": abs(total(kind, distance, frequency, open_points)), "light": light(kind, distance, frequency, open_points)}


# Off the line, where the light of a narrowing gap grows against its light on the line: at
# frequency 1, 250 pixels off, where a gap of 6 points sends almost none, as the gap narrows to 2.
# Wider gaps do not keep to it: their light on the line rises and falls with the width, and their
# thirty coarse points' arrows far off the line do not cancel.
OFF_THE_LINE = 250
GAP_FREQUENCY = 1
GROWING = (6, 4, 2)


def gap_ratio(width):
    return light("Gap", OFF_THE_LINE, GAP_FREQUENCY, gap(width)) / light("Gap", 0, GAP_FREQUENCY, gap(width))


def main():
    sums = [
        sum_row("Lens", 0, 1), sum_row("Lens", 20, 1), sum_row("Lens", -20, 1), sum_row("Lens", 150, 1), sum_row("Lens", 0, 1.4),
        sum_row("NoLens", 0, 1), sum_row("NoLens", 20, 1), sum_row("NoLens", -20, 1), sum_row("NoLens", 150, 0.5),
        sum_row("Water", 0, 1), sum_row("Water", 100, 1), sum_row("Water", -250, 1.2),
        sum_row("Glass", 0, 1), sum_row("Glass", 120, 0.7),
        sum_row("Gap", 0, 1, 6), sum_row("Gap", 0, 1), sum_row("Gap", 150, 1, 6), sum_row("Gap", -75, 0.8, 12), sum_row("Gap", 300, 1.4, 2),
    ]
    ratios = [{"gapPoints": width, "ratio": gap_ratio(width), "growing": width in GROWING} for width in sorted(GAP_WIDTHS, reverse=True)]
    growing = [row["ratio"] for row in ratios if row["growing"]]
    assert growing == sorted(growing), "the light off the line grows as the gap narrows"
    table = {
        "about": "Worked by tests/data/scene_figures.py from the scenes' formulas; it shares no code with the program.",
        "sums": sums,
        "crossings": [crossing(kind, d) for kind in ("Water", "Glass") for d in (0, 100, -100, 250, 330, -330)],
        "gapOffAgainstOn": {"frequency": GAP_FREQUENCY, "offTheLine": OFF_THE_LINE, "widths": ratios},
        "frequencyCaps": {kind: frequency_cap(kind) for kind in SLOWNESS},
    }
    print(json.dumps(table, indent=1))


if __name__ == "__main__":
    main()
