// GMT offsets and daylight periods of IANA time zones for one calendar year,
// taken from the tz database that node's ICU carries.

const formatters = new Map();

/** Offset from GMT in minutes (local = GMT + offset) of `zone` at instant `ms`. */
export function offsetMinutes(zone, ms) {
  let f = formatters.get(zone);
  if (!f) {
    f = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' });
    formatters.set(zone, f);
  }
  const name = f.formatToParts(ms).find((p) => p.type === 'timeZoneName').value;
  if (name === 'GMT') return 0;
  const m = /^GMT([+-])(\d{2}):(\d{2})(?::(\d{2}))?$/.exec(name);
  if (!m) throw new Error(`unexpected offset text ${name} for ${zone}`);
  const v = Number(m[2]) * 60 + Number(m[3]) + (m[4] ? Number(m[4]) / 60 : 0);
  return m[1] === '-' ? -v : v;
}

const MINUTE = 60_000;
const STEP = 6 * 3_600_000; // coarse sampling step; zones never change twice within 6 hours

/**
 * Every offset change of `zone` between the two instants, each as
 * { at: first instant (ms) of the new offset, from, to } (minutes).
 */
export function transitions(zone, fromMs, toMs, offsetOf = offsetMinutes) {
  const out = [];
  let prevT = fromMs;
  let prev = offsetOf(zone, prevT);
  for (let t = fromMs + STEP; t <= toMs + STEP; t += STEP) {
    const cur = offsetOf(zone, t);
    if (cur !== prev) {
      // binary search on whole minutes: offset(lo) == prev, offset(hi) == cur
      let lo = Math.floor(prevT / MINUTE);
      let hi = Math.floor(t / MINUTE);
      while (hi - lo > 1) {
        const mid = Math.floor((lo + hi) / 2);
        if (offsetOf(zone, mid * MINUTE) === prev) lo = mid;
        else hi = mid;
      }
      out.push({ at: hi * MINUTE, from: prev, to: cur });
    }
    prev = cur;
    prevT = t;
  }
  return out;
}

/** month.day key of a UTC-based Date, e.g. 3.14 -> { month: 3, day: 14 } */
function md(date) {
  return { month: date.getUTCMonth() + 1, day: date.getUTCDate() };
}

/** Day number 1..365 (or 366) of a month/day in `year`. */
export function dayOfYear(year, month, day) {
  return Math.round((Date.UTC(year, month - 1, day) - Date.UTC(year, 0, 1)) / 86_400_000) + 1;
}

/**
 * Offsets and daylight period of `zone` in calendar year `year`.
 * Returns {
 *   std, day,            // hours; std = lower offset, day = higher offset of the year
 *   start, end,          // {month, day} of the first and last day of the higher offset,
 *                        //   or null when the offset does not change
 *   changes,             // number of offset changes in the year
 *   note                 // text explaining a simplification, or ''
 * }
 * `offsetOf(zone, ms)` gives the offset in minutes; it defaults to the tz database.
 * The date of a change is the local date just after it, in the new offset:
 * daylight time thus begins on the first day whose clock runs on it from
 * midnight (a change at 23:00 standard time is 00:00 of the next day), and
 * ends on the last day that is entirely on daylight time.
 */
export function yearRule(zone, year, offsetOf = offsetMinutes) {
  // local year bounds: widest offsets are -12h .. +14h
  const from = Date.UTC(year, 0, 1) - 14 * 3_600_000;
  const to = Date.UTC(year + 1, 0, 1) + 12 * 3_600_000;
  const all = transitions(zone, from, to, offsetOf);
  const startOff = offsetOf(zone, from);
  // keep changes whose local date (in the new offset) is in `year`
  const localDate = (tr) => new Date(tr.at + tr.to * MINUTE);
  const inYear = all.filter((tr) => localDate(tr).getUTCFullYear() === year);
  let first = startOff;
  for (const tr of all) if (localDate(tr).getUTCFullYear() < year) first = tr.to;
  const values = new Set([first, ...inYear.map((t) => t.to)]);
  const sorted = [...values].sort((a, b) => a - b);
  const hours = (m) => m / 60;

  if (sorted.length === 1) {
    return { std: hours(sorted[0]), day: hours(sorted[0]), start: null, end: null, changes: 0, note: '' };
  }
  if (sorted.length === 2 && inYear.length === 2 && inYear[0].to !== inYear[1].to) {
    const up = inYear.find((t) => t.to > t.from);
    const down = inYear.find((t) => t.to < t.from);
    return {
      std: hours(sorted[0]),
      day: hours(sorted[1]),
      start: md(localDate(up)),
      end: md(localDate(down)),
      changes: 2,
      note: '',
    };
  }
  return irregular(zone, year, first, inYear, localDate, hours);
}

/**
 * Years with more than two changes, more than two offsets, or a single
 * lasting change. The table of the planner holds one period per zone, so:
 * - a single lasting change: the offset in force at the end of the year is
 *   used the whole year (no daylight period);
 * - otherwise the two offsets in force longest become standard (lower) and
 *   daylight (higher), and the longest stretch of the higher one becomes the
 *   daylight period; shorter stretches are dropped.
 */
function irregular(zone, year, first, inYear, localDate, hours) {
  const yStart = Date.UTC(year, 0, 1);
  const yEnd = Date.UTC(year + 1, 0, 1);
  // stretches of constant offset over the local year, as [fromDay, toDay) in ms of local dates
  const stretches = [];
  let cur = first;
  let curFrom = yStart;
  for (const tr of inYear) {
    const d = localDate(tr);
    const at = Date.UTC(d.getUTCFullYear(), d.getUTCMonth(), d.getUTCDate());
    stretches.push({ off: cur, from: curFrom, to: at });
    cur = tr.to;
    curFrom = at;
  }
  stretches.push({ off: cur, from: curFrom, to: yEnd });
  if (inYear.length === 1) {
    const v = hours(cur);
    return {
      std: v, day: v, start: null, end: null, changes: 1,
      note: `offset changes once in ${year}; the later offset is used all year`,
    };
  }
  const total = new Map();
  for (const s of stretches) total.set(s.off, (total.get(s.off) || 0) + (s.to - s.from));
  const two = [...total.entries()].sort((a, b) => b[1] - a[1]).slice(0, 2).map((e) => e[0]).sort((a, b) => a - b);
  const [lo, hi] = two;
  // join a stretch at the year's end with one at its start (same offset) across the turn of the year
  const hiStretches = stretches.filter((s) => s.off === hi).map((s) => ({ ...s }));
  let best = null;
  for (const s of hiStretches) {
    let len = s.to - s.from;
    if (s.from === yStart && hiStretches.length > 1 && hiStretches[hiStretches.length - 1].to === yEnd) continue;
    let startMs = s.from;
    let endMs = s.to; // the day back on the lower offset is the last day of the period
    if (s.to === yEnd && hiStretches[0].from === yStart && hiStretches.length > 1) {
      len += hiStretches[0].to - hiStretches[0].from;
      endMs = hiStretches[0].to;
    } else if (s.to === yEnd) {
      endMs = yEnd - 86_400_000; // still on it at the end of the year: ends 12.31
    }
    if (!best || len > best.len) best = { len, startMs, endMs };
  }
  const startD = new Date(best.startMs);
  const endD = new Date(best.endMs);
  return {
    std: hours(lo), day: hours(hi),
    start: md(startD), end: md(endD), changes: inYear.length,
    note: `${inYear.length} offset changes in ${year}; only the longest stretch at the higher offset is kept`,
  };
}

/**
 * Daylight period of `zone` in each calendar year from `first` to `last`, for
 * a table that keeps the zone's offsets of one reference year (`dayHours` is
 * its higher offset) and one period per year: an array of
 * { year, start, end, note }, with start and end null in a year without
 * daylight time. Each year is dated by yearRule; a year whose clock does not
 * change (or changes once, when yearRule takes the later offset for the whole
 * year) is daylight time from 1.01 to 12.31 when that offset is `dayHours`,
 * and has no period otherwise.
 */
export function yearPeriods(zone, first, last, dayHours, offsetOf = offsetMinutes) {
  const out = [];
  for (let year = first; year <= last; year++) {
    const r = yearRule(zone, year, offsetOf);
    if (r.start) out.push({ year, start: r.start, end: r.end, note: r.note });
    else if (r.day === dayHours) out.push({ year, start: { month: 1, day: 1 }, end: { month: 12, day: 31 }, note: r.note });
    else out.push({ year, start: null, end: null, note: r.note });
  }
  return out;
}
