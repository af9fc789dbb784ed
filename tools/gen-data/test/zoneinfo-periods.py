"""Daylight periods of tz zones per calendar year, from Python's zoneinfo.

Reads {"first": 2000, "last": 2060, "zones": {"Europe/Paris": 120, ...}} (each
zone with its daylight offset in minutes) on stdin; prints
{"tz": version, "zones": {zone: [[year, "m.dd" or null, "m.dd" or null], ...]}}.

A change of offset is dated by the local date just after it, in the new
offset. A year with one rise and one fall between two offsets runs from the
date of the rise to the date of the fall. A year without a change, or with
one lasting change, keeps one offset (the later one) all year: daylight from
1.01 to 12.31 when that is the daylight offset, no period otherwise. Other
years keep the two offsets in force the most days and the longest stretch of
the higher one, a stretch at the end of the year joined to one at its start.
"""
import json
import sys
from datetime import date, datetime, timedelta, timezone
from pathlib import Path
from zoneinfo import ZoneInfo

STEP = 6 * 3600


def offset(tz, t):
    return round(datetime.fromtimestamp(t, timezone.utc).astimezone(tz).utcoffset().total_seconds() / 60)


def changes(tz, t0, t1):
    """[(local date just after the change, new offset)] between two instants."""
    out = []
    prev_t, prev = t0, offset(tz, t0)
    t = t0 + STEP
    while t <= t1:
        cur = offset(tz, t)
        if cur != prev:
            lo, hi = prev_t, t  # offset(lo) == prev, offset(hi) == cur
            while hi - lo > 1:
                mid = (lo + hi) // 2
                if offset(tz, mid) == prev:
                    lo = mid
                else:
                    hi = mid
            local = datetime.fromtimestamp(hi, timezone.utc) + timedelta(minutes=cur)
            out.append((local.date(), cur))
        prev_t, prev = t, cur
        t += STEP
    return out


def text(d):
    return f"{d.month}.{d.day:02d}"


def period(year, before, changes_in_year, day):
    """(first day, last day) of the daylight period of a year, or None."""
    if len(changes_in_year) <= 1:
        last = changes_in_year[-1][1] if changes_in_year else before
        return (date(year, 1, 1), date(year, 12, 31)) if last == day else None
    offsets = {before, *(o for _, o in changes_in_year)}
    if len(changes_in_year) == 2 and len(offsets) == 2:
        (d1, o1), (d2, o2) = changes_in_year
        if o1 > o2:
            return d1, d2
        if o1 < o2:
            return d2, d1
    # stretches of one offset, [from, to) in local dates
    stretches = []
    cur, since = before, date(year, 1, 1)
    for d, o in changes_in_year:
        stretches.append((cur, since, d))
        cur, since = o, d
    stretches.append((cur, since, date(year + 1, 1, 1)))
    days = {}
    for o, a, b in stretches:
        days[o] = days.get(o, 0) + (b - a).days
    kept = sorted(sorted(days, key=lambda o: -days[o])[:2])
    high = [(a, b) for o, a, b in stretches if o == kept[1]]
    wraps = len(high) > 1 and high[0][0] == date(year, 1, 1) and high[-1][1] == date(year + 1, 1, 1)
    best = None
    for i, (a, b) in enumerate(high):
        if wraps and i == 0:
            continue
        length, last = (b - a).days, b
        if wraps and i == len(high) - 1:
            length += (high[0][1] - high[0][0]).days
            last = high[0][1]
        elif b.year > year:
            last = date(year, 12, 31)
        if best is None or length > best[0]:
            best = (length, a, last)
    return best[1], best[2]


def main():
    req = json.load(sys.stdin)
    first, last = req["first"], req["last"]
    t0 = int(datetime(first - 1, 12, 30, tzinfo=timezone.utc).timestamp())
    t1 = int(datetime(last + 1, 1, 2, tzinfo=timezone.utc).timestamp())
    out = {}
    for name, day in req["zones"].items():
        tz = ZoneInfo(name)
        all_changes = changes(tz, t0, t1)
        rows = []
        for year in range(first, last + 1):
            before = offset(tz, t0)
            for d, o in all_changes:
                if d.year < year:
                    before = o
            in_year = [(d, o) for d, o in all_changes if d.year == year]
            p = period(year, before, in_year, day)
            rows.append([year, text(p[0]), text(p[1])] if p else [year, None, None])
        out[name] = rows
    version = Path("/usr/share/zoneinfo/tzdata.zi").read_text().split("\n", 1)[0].split()[-1]
    json.dump({"tz": version, "zones": out}, sys.stdout)


main()
