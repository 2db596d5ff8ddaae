#!/usr/bin/env python3
"""Worked figures of the explore panel, from the mirror's formulas alone.

It shares no code with the program: the test suite reads its output,
explore-figures.json, and checks the program's numbers against it.
Run it again after changing a formula here:  python3 explore_figures.py > explore-figures.json
"""
import cmath
import json
import math

SEGMENTS = 30
WIDTH = 24.0          # a segment, in pixels
FIRST_CENTRE = 56.0   # the centre of the leftmost segment
MIRROR_LEFT = 44.0    # the mirror's ends
MIRROR_RIGHT = 764.0
MIRROR_Y = 290.5
PAIR_Y = 240.5        # the source and the detector stand this high
RADIANS_PER_PIXEL = 0.0471123  # at frequency 1
FARTHEST = 330        # the panel's distances run from -330 to 330
HIGHEST_TENTHS = {"RootOfSquares": 20, "TwoLegs": 13}  # the panel's highest frequency by measure


def centre(k):
    return FIRST_CENTRE + WIDTH * k


def pair(distance):
    return 354.0 - distance, 454.0 - distance


def path_length(distance, x, measure):
    source, detector = pair(distance)
    up = MIRROR_Y - PAIR_Y
    if measure == "TwoLegs":
        return math.hypot(source - x, up) + math.hypot(detector - x, up)
    return math.sqrt((source - x) ** 2 + up ** 2 + (detector - x) ** 2 + up ** 2)


def arrows(distance, frequency, measure="RootOfSquares"):
    turn = RADIANS_PER_PIXEL * frequency
    return [cmath.exp(1j * turn * path_length(distance, centre(k), measure)) for k in range(SEGMENTS)]


def total(kept, distance, frequency, measure="RootOfSquares"):
    return sum(a for k, a in enumerate(arrows(distance, frequency, measure)) if k in kept)


WHOLE = set(range(SEGMENTS))
MIDDLE_THIRD = set(range(10, 20))
OUTER_THIRDS = WHOLE - MIDDLE_THIRD
LEFT_THIRD = set(range(0, 10))


def brightness(kept, distance, frequency, measure="RootOfSquares"):
    return abs(total(kept, distance, frequency, measure)) ** 2 / abs(total(WHOLE, 0, frequency, measure)) ** 2


def against_whole_here(kept, distance, frequency, measure="RootOfSquares"):
    return abs(total(kept, distance, frequency, measure)) ** 2 / abs(total(WHOLE, distance, frequency, measure)) ** 2


def least_time_x(distance):
    source, detector = pair(distance)
    return min(max((source + detector) / 2, MIRROR_LEFT), MIRROR_RIGHT)


def around_least_time(distance):
    """The ten neighbouring segments centred on the least-time point, kept within the mirror."""
    offset = (least_time_x(distance) - MIRROR_LEFT) / WIDTH
    first = min(max(math.floor(offset - 5 + 0.5), 0), SEGMENTS - 10)
    return set(range(first, first + 10))


def best_grating(among, distance, frequency, measure="RootOfSquares"):
    """The kept segments of `among` that give the longest sum: found by trying every direction
    between the angles where a segment's arrow comes within a quarter turn of it."""
    vectors = arrows(distance, frequency, measure)
    cuts = sorted((cmath.phase(vectors[k]) + side * math.pi / 2) % (2 * math.pi) for k in among for side in (-1, 1))
    best, longest = set(among), abs(sum(vectors[k] for k in among))
    for a, b in zip(cuts, cuts[1:] + [cuts[0] + 2 * math.pi]):
        direction = cmath.exp(1j * (a + b) / 2)
        chosen = {k for k in among if (vectors[k] * direction.conjugate()).real > 0}
        length = abs(sum(vectors[k] for k in chosen))
        if length > longest:
            best, longest = chosen, length
    return best


def strips(kept):
    return sum(1 for k in kept if k - 1 not in kept)


def parts(kept, distance, frequency, measure="RootOfSquares"):
    """The sum's length and how much of it the kept segments around the least-time point and the
    rest give: each part's projection on the sum, in photon vectors."""
    vectors = arrows(distance, frequency, measure)
    whole = sum(vectors[k] for k in kept)
    unit = whole / abs(whole)
    around = around_least_time(distance)
    near = sum(vectors[k] for k in kept if k in around)
    far = sum(vectors[k] for k in kept if k not in around)
    return abs(whole), (near * unit.conjugate()).real, (far * unit.conjugate()).real


def within_a_quarter_turn(kept, distance, frequency, measure="RootOfSquares"):
    """Whether some direction, of 3600 tried round the circle, has every kept arrow within a
    quarter turn of it."""
    vectors = [a for k, a in enumerate(arrows(distance, frequency, measure)) if k in kept]
    return any(all((a * cmath.exp(-1j * math.pi * step / 1800)).real > 0 for a in vectors) for step in range(3600))


def least_time_mark(distance):
    """Where the picture marks the least-time path: the drawn path, one a segment, nearest the
    least-time point, or the middle of two that tie."""
    lengths = [path_length(distance, centre(k), "RootOfSquares") for k in range(SEGMENTS)]
    shortest = [centre(k) for k in range(SEGMENTS) if lengths[k] == min(lengths)]
    return sum(shortest) / len(shortest)


def whole_mirror_peak(frequency, measure):
    """Where the whole mirror is brightest within the panel's distances, the nearer the middle
    of two that tie (to 1e-12), and its brightness there."""
    values = {d: brightness(WHOLE, d, frequency, measure) for d in range(-FARTHEST, FARTHEST + 1)}
    top = max(values.values())
    distance = min((d for d, value in values.items() if value >= top * (1 - 1e-12)), key=lambda d: (abs(d), -d))
    return {"measure": measure, "frequency": frequency, "distance": distance, "brightness": top}


def segment_list(kept):
    return "".join("1" if k in kept else "0" for k in range(SEGMENTS))


def row(name, kept, distance, frequency, measure="RootOfSquares"):
    length, near, far = parts(kept, distance, frequency, measure)
    return {"name": name, "mirror": segment_list(kept), "distance": distance, "frequency": frequency, "measure": measure,
            "brightness": brightness(kept, distance, frequency, measure), "againstWholeHere": against_whole_here(kept, distance, frequency, measure),
            "sumLength": length, "nearLeastTime": near, "farFromLeastTime": far, "strips": strips(kept),
            "withinAQuarterTurn": within_a_quarter_turn(kept, distance, frequency, measure)}


def main():
    grating_250 = best_grating(WHOLE, 250, 1)
    left_grating = best_grating(LEFT_THIRD, 0, 2)
    rows = [
        row("whole mirror at the middle", WHOLE, 0, 1),
        row("whole mirror at the middle, frequency 2", WHOLE, 0, 2),
        row("whole mirror at 250", WHOLE, 250, 1),
        row("whole mirror at 250, frequency 2", WHOLE, 250, 2),
        row("grating made at 250", grating_250, 250, 1),
        row("whole mirror at 250, two legs", WHOLE, 250, 1, "TwoLegs"),
        row("grating made at 250, two legs", best_grating(WHOLE, 250, 1, "TwoLegs"), 250, 1, "TwoLegs"),
        row("whole mirror at 297", WHOLE, 297, 1),
        row("least-time third at 250", around_least_time(250), 250, 1),
        row("the rest at 250", WHOLE - around_least_time(250), 250, 1),
        row("middle third at 250", MIDDLE_THIRD, 250, 1),
        row("middle third at the middle, frequency 2", MIDDLE_THIRD, 0, 2),
        row("outer thirds at the middle, frequency 2", OUTER_THIRDS, 0, 2),
        row("middle third at the middle", MIDDLE_THIRD, 0, 1),
        row("outer thirds and segment 15 at the middle", OUTER_THIRDS | {14}, 0, 1),
        row("whole mirror but segment 16 at the middle", WHOLE - {15}, 0, 1),
        row("segment 5 alone at 250", {4}, 250, 1),
        row("outer thirds at the middle", OUTER_THIRDS, 0, 1),
        row("left third at the middle, frequency 2", LEFT_THIRD, 0, 2),
        row("left third's own grating at the middle, frequency 2", left_grating, 0, 2),
    ]
    nearest_middle = centre(14)  # the paths via segments 15 and 16 tie at the middle
    table = {
        "about": "Worked by tests/data/explore_figures.py from the mirror's formulas; it shares no code with the program. The left third's own grating is made from the left third's segments only.",
        "mirrors": rows,
        "leastTimeX": [{"distance": d, "x": least_time_x(d), "mark": least_time_mark(d)} for d in (0, 250, 297, -FARTHEST, FARTHEST)],
        "aroundLeastTime": [{"distance": d, "mirror": segment_list(around_least_time(d))} for d in (0, 250)],
        "brightestMirror": [{"frequency": f, "brightness": max(brightness(best_grating(WHOLE, d, f), d, f) for d in range(0, FARTHEST + 1))} for f in (1, 2)],
        "wholeMirrorPeaks": [whole_mirror_peak(tenths / 10, measure) for measure, top in HIGHEST_TENTHS.items() for tenths in range(5, top + 1)],
        "pathLengthAtTheMiddle": {"RootOfSquares": path_length(0, nearest_middle, "RootOfSquares"), "TwoLegs": path_length(0, nearest_middle, "TwoLegs")},
    }
    print(json.dumps(table, indent=1))


if __name__ == "__main__":
    main()
