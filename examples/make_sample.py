#!/usr/bin/env python3
"""Writes a realistic statistics file of a lift group: an office building with 14 floors.

Morning up-peak from the ground floor, lunch traffic, evening down-peak; four shafts of
which D serves less; Windows-1252 text with CR LF line ends, as the controllers write it.

    python3 make_sample.py [--floors N] [--seed S] [--month-earlier] [OUT.csv]
    python3 make_sample.py --fleet FOLDER

--month-earlier writes the same building a month before (04.10.-10.10.), when the group
controller still sent the upper floors' calls to the lifts late: their waiting times are worse.

--fleet writes what a service company keeps of three groups, a folder per building and a file
per month: an office building whose waits grow in November, a high-rise whose shaft C is out
of service in October and one of whose up buttons is dead in November, and a clinic of which
one month is broken (a letter in a number) and whose shafts left calls unserved in November.
"""
import argparse
import random


def hourly_profile(hour, kind):
    """Relative call rate of one floor in one hour; kind is 'lobby', 'office' or 'basement'."""
    morning = {7: 0.6, 8: 1.0, 9: 0.5}.get(hour, 0.0)
    lunch = {11: 0.3, 12: 0.7, 13: 0.6}.get(hour, 0.0)
    evening = {16: 0.5, 17: 1.0, 18: 0.4}.get(hour, 0.0)
    office_hours = 0.15 if 8 <= hour <= 17 else (0.02 if 6 <= hour <= 20 else 0.0)
    if kind == "lobby":  # people arrive here and go up; lunch goes out and back
        return {"up": 6 * morning + 2 * lunch + office_hours + 0.3 * evening,
                "down": 0.0}
    if kind == "basement":  # garage: up in the morning, down is rare
        return {"up": 2 * morning + 0.5 * lunch + office_hours, "down": 0.0}
    return {"up": 0.2 * morning + 0.6 * lunch + office_hours,
            "down": 0.2 * morning + 0.9 * lunch + 1.2 * evening + office_hours}


def split(total, weights, rng):
    """Splits a count over buckets by weight, exactly."""
    parts = [0] * len(weights)
    for _ in range(total):
        parts[rng.choices(range(len(weights)), weights)[0]] += 1
    return parts


def build(floors, seed, earlier=False, period=None, days=7, name="Bürohaus Hafenstraße 12",
          shafts=(1.0, 1.0, 0.9, 0.35), slower_all=1.0, dead_up=None, unserved=0.0):
    """The file's bytes. The defaults make the office building of a week; `period` is (start,
    stop), `days` scales the calls, `shafts` weighs their share (shaft D is a service lift and
    serves less), `slower_all` lengthens every wait, floor `dead_up` gets no up call, and a share
    `unserved` of the calls is served by no shaft."""
    rng = random.Random(seed)
    start, stop = ("04.10.26 00:00", "10.10.26 23:59") if earlier else ("01.11.26 00:00",
                                                                        "07.11.26 23:59")
    if period:
        start, stop = period
    scale = days / 7
    lines = [
        "QVL Gruppenstatistik;Gruppe 1;",
        f"{stop};Stop;",
        f"Anlage;{name};",
        "Aufzüge;4;Schacht A-D;",
        f"Start;{start};",
        f"Etagen;{floors};",
        "Türen;2;A,B;",
        "Etage;WZ Ab A;Ab A;A;B;C;D;WZ Ab B;Ab B;A;B;C;D;"
        "WZ Auf A;Auf A;A;B;C;D;WZ Auf B;Auf B;A;B;C;D;",
    ]
    for f in range(1, floors + 1):
        kind = "basement" if f == 1 else "lobby" if f == 2 else "office"
        top = f == floors
        size = rng.uniform(0.8, 1.3)
        down_h, up_h = [], []
        for h in range(24):
            p = hourly_profile(h, kind)
            down_h.append(0 if f == 1 else int(rng.gauss(40 * size * p["down"] * scale, 2) + 0.5)
                          if p["down"] else 0)
            up_h.append(0 if top or f == dead_up else
                        max(0, int(rng.gauss(40 * size * p["up"] * scale, 2) + 0.5))
                        if p["up"] else 0)
        down_h = [max(0, v) for v in down_h]
        down, up = sum(down_h), sum(up_h)
        # Door B exists at the lobby and the basement only (rear entrance, garage).
        b_share = 0.35 if f <= 2 else 0.0
        down_b = int(down * b_share)
        up_b = int(up * b_share)
        # A month earlier the upper half waited up to 60 % longer, the top floor the most.
        slower = 1 + 0.6 * max(0.0, (f - floors / 2) / (floors / 2)) if earlier else slower_all
        blocks = []
        for calls, busy in ((down - down_b, down > 300), (down_b, False),
                            (up - up_b, up > 300), (up_b, False)):
            mean_wait = rng.uniform(14, 28) if busy else rng.uniform(8, 18)  # seconds
            wait_sum = int(calls * mean_wait * slower * 100)  # hundredths of a second
            served = split(calls, list(shafts) + [unserved], rng)[:4] if unserved else \
                split(calls, shafts, rng)
            blocks += [wait_sum, calls] + served
        lines.append(f"{f};" + "".join(f"{v};" for v in blocks))
        lines.append(";" + "".join(f"{v};" for v in down_h + up_h))
    travel = [int(rng.uniform(0.9, 1.1) * w * 52000) for w in shafts]
    lines.append("-;" + "".join(f"{v};" for v in travel))
    lines.append("Ende der Statistik;")
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


# The fleet: (folder, name, floors, seed, months (start day, stop day), shafts per month, ...).
FLEET = [
    ("buerohaus-hafenstrasse", "Bürohaus Hafenstraße 12", 14, 41,
     # the waits grow in November: the group controller's new parameters
     [("01.08.26", "31.08.26", {}), ("01.09.26", "30.09.26", {}), ("01.10.26", "31.10.26", {}),
      ("01.11.26", "30.11.26", {"slower_all": 1.35})]),
    ("hochhaus-am-ring", "Hochhaus Am Ring 3", 24, 52,
     [("01.09.26", "30.09.26", {}),
      ("01.10.26", "31.10.26", {"shafts": (1.0, 1.0, 0.0, 1.0)}),  # shaft C out of service
      ("01.11.26", "30.11.26", {"dead_up": 9})]),  # the up button of floor 9 is dead
    ("klinik-nord", "Klinik Nord, Bettenhaus", 8, 63,
     [("01.09.26", "30.09.26", {}), ("01.10.26", "31.10.26", {"broken": True}),
      ("01.11.26", "30.11.26", {"unserved": 0.04})]),
]


def days_between(start, stop):
    from datetime import date
    a, b = (date(2000 + int(t[6:8]), int(t[3:5]), int(t[0:2])) for t in (start, stop))
    return (b - a).days + 1


def write_fleet(folder):
    import os
    for sub, name, floors, seed, months in FLEET:
        os.makedirs(os.path.join(folder, sub), exist_ok=True)
        for i, (first, last, extra) in enumerate(months):
            extra = dict(extra)
            broken = extra.pop("broken", False)
            data = build(floors, seed + i, period=(first + " 00:00", last + " 23:59"),
                         days=days_between(first, last), name=name, **extra)
            if broken:  # a value typed by hand: the letter O for a zero, floor 3's first value
                lines = data.split(b"\r\n")
                fields = lines[12].split(b";")
                fields[1] = fields[1][:1] + b"O" + fields[1][2:]
                lines[12] = b";".join(fields)
                data = b"\r\n".join(lines)
            month = "20" + first[6:8] + "-" + first[3:5]
            with open(os.path.join(folder, sub, month + ".csv"), "wb") as f:
                f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out", nargs="?", default="buerohaus-14.csv")
    parser.add_argument("--floors", type=int, default=14)
    parser.add_argument("--seed", type=int, default=1307)
    parser.add_argument("--month-earlier", action="store_true")
    parser.add_argument("--fleet", metavar="FOLDER")
    args = parser.parse_args()
    if args.fleet:
        write_fleet(args.fleet)
        return
    with open(args.out, "wb") as f:
        f.write(build(args.floors, args.seed, args.month_earlier))


if __name__ == "__main__":
    main()
