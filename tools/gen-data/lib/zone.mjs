// Time zone of an airport: the zone that the boundary data gives for its
// coordinates, checked against the zones of the airport's country.
//
// The boundary data is coarse near borders and coasts. When the zone found
// at the airport is not one of its country's zones, points on rings of
// growing radius around the airport are tried, and the first zone found that
// belongs to the country is taken. When none does, the country's zone is
// used if the country has a single one (or several that keep the same
// clock); otherwise the first answer stays. Airports of a zone whose aviation
// keeps another zone's clock then take that zone (AVIATION_ZONE).

import { createRequire } from 'node:module';
import { offsetMinutes } from './tz.mjs';

const require = createRequire(import.meta.url);
const tzlookup = require('@photostructure/tz-lookup');
const ct = require('countries-and-timezones');

const RINGS = [0.05, 0.1, 0.15, 0.2, 0.3, 0.4, 0.5, 0.75, 1.0, 1.5]; // degrees of latitude
const BEARINGS = 24;

// Aviation in Xinjiang runs on Beijing time (GMT+8, no daylight time), not on
// the region's own GMT+6.
const AVIATION_ZONE = { 'Asia/Urumqi': 'Asia/Shanghai' };

/** True / false when the zone is / is not one of the country's; null when either is unknown. */
export function zoneInCountry(zone, cc) {
  if (!ct.getCountry(cc)) return null;
  if (zone.startsWith('Etc/')) return false; // sea zones belong to no country
  const t = ct.getTimezone(zone);
  if (!t) return null;
  if (t.countries.includes(cc)) return true;
  const alias = t.aliasOf ? ct.getTimezone(t.aliasOf) : null;
  return !!alias && alias.countries.includes(cc);
}

/**
 * { zone, how } for a point in country `cc`; how is 'lookup' (the boundary
 * data's own answer), 'nearby' (found around the point), 'country' (the
 * country's single zone) or 'unchecked' (the lookup's answer, not confirmed).
 * `lookup(lat, lon)` defaults to the boundary data; `year` is the plan year.
 */
export function zoneFor(lat, lon, cc, lookup = tzlookup, year = 2027) {
  const found = countryZone(lat, lon, cc, lookup, year);
  return { ...found, zone: AVIATION_ZONE[found.zone] ?? found.zone };
}

function countryZone(lat, lon, cc, lookup, year) {
  const first = lookup(lat, lon);
  const ok = zoneInCountry(first, cc);
  if (ok === null) return { zone: first, how: 'unchecked' };
  if (ok) return { zone: first, how: 'lookup' };
  const cosLat = Math.max(Math.cos((lat * Math.PI) / 180), 0.05);
  for (const r of RINGS) {
    for (let k = 0; k < BEARINGS; k++) {
      const b = (2 * Math.PI * k) / BEARINGS;
      const la = lat + r * Math.cos(b);
      let lo = lon + (r * Math.sin(b)) / cosLat;
      if (la > 90 || la < -90) continue;
      if (lo > 180) lo -= 360;
      if (lo < -180) lo += 360;
      const z = lookup(la, lo);
      if (zoneInCountry(z, cc)) return { zone: z, how: 'nearby' };
    }
  }
  const zones = ct.getCountry(cc).timezones;
  if (zones.length === 1 || zones.every((z) => sameClock(z, zones[0], year))) return { zone: zones[0], how: 'country' };
  return { zone: first, how: 'unchecked' };
}

/** True when two zones keep the same offset through the year (sampled twice a month). */
function sameClock(a, b, year) {
  for (let m = 0; m < 12; m++) {
    for (const d of [1, 15]) {
      const t = Date.UTC(year, m, d, 12);
      if (offsetMinutes(a, t) !== offsetMinutes(b, t)) return false;
    }
  }
  return true;
}
