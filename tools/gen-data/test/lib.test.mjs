import { test } from 'node:test';
import assert from 'node:assert/strict';
import { foldCp1252, encodeCp1252, isCp1252, cutWords, numText } from '../lib/text.mjs';
import { latText, lonText, LAT_RE, LON_RE } from '../lib/coords.mjs';
import { yearRule, offsetMinutes } from '../lib/tz.mjs';
import { zoneFor } from '../lib/zone.mjs';
import { readFields, val } from './seqread.mjs';

test('folding keeps letters of the code page and plains the others', () => {
  assert.equal(foldCp1252('Łódź'), 'Lódz');
  assert.equal(foldCp1252('Győr'), 'Gyor');
  assert.equal(foldCp1252('São Paulo'), 'São Paulo');
  assert.equal(foldCp1252('Zürich Señor'), 'Zürich Señor');
  assert.equal(foldCp1252('Şanlıurfa'), 'Sanliurfa');
  assert.equal(foldCp1252('Đà Nẵng'), 'Dà Nang');
  assert.equal(foldCp1252('Œil Šibenik Žabljak'), 'Œil Šibenik Žabljak');
  assert.equal(foldCp1252('Say “Hi”\tnow "x"'), 'Say Hi now x');
  assert.equal(foldCp1252('Kona ʻAirport’s'), "Kona 'Airport's");
  assert.equal(foldCp1252('東京 Tokyo'), 'Tokyo');
  for (const s of ['Ağrı', 'Čáslav', 'Hà Nội', 'Brașov', 'Ørland']) assert.ok(isCp1252(foldCp1252(s)), s);
});

test('Windows-1252 encoding uses the code page bytes', () => {
  assert.deepEqual([...encodeCp1252('€é Œ"')], [0x80, 0xe9, 0x20, 0x8c, 0x22]);
  assert.deepEqual([...encodeCp1252('A\r\n')], [0x41, 0x0d, 0x0a]);
  assert.throws(() => encodeCp1252('Ł'));
  assert.throws(() => encodeCp1252('\u0081'));
});

test('names are shortened at word ends', () => {
  assert.equal(cutWords('Short Name', 25), 'Short Name');
  assert.equal(cutWords('Inowroclaw Military Air Base', 25), 'Inowroclaw Military Air');
  assert.equal(cutWords('Frankfurt am Main (Lautzenhausen)', 25), 'Frankfurt am Main');
  assert.equal(cutWords('Fayetteville/Springdale/Rogers', 25), 'Fayetteville/Springdale');
  assert.equal(cutWords('Abcdefghijklmnopqrstuvwxyzabc', 25), 'Abcdefghijklmnopqrstuvwxy');
  for (const s of ['Prestwick, South Ayrshire Extra', 'a b c d e f g h i j k l m n o p']) assert.ok(cutWords(s, 25).length <= 25);
});

test('numbers carry a leading blank when not negative', () => {
  assert.equal(numText(250), ' 250');
  assert.equal(numText(0), ' 0');
  assert.equal(numText(-7), '-7');
});

test('coordinates take the planner layout', () => {
  assert.equal(latText(39.861698), 'N39-51.7');
  assert.equal(lonText(-104.672996), 'W104-40.4');
  assert.equal(latText(-33.946098), 'S33-56.8');
  assert.equal(lonText(151.177002), 'E151-10.6');
  assert.equal(latText(5.0875), 'N05-05.3');
  assert.equal(lonText(-8.5), 'W008-30.0');
  // 10 deg 59.97 min rounds to 11 deg 00.0 min
  assert.equal(latText(10 + 59.97 / 60), 'N11-00.0');
  assert.equal(lonText(-(99 + 59.96 / 60)), 'W100-00.0');
  assert.equal(latText(-0.0001), 'N00-00.0');
  assert.equal(lonText(180), 'E180-00.0');
  assert.throws(() => latText(91));
});

test('coordinate texts read back through the program rule', () => {
  // degrees from the characters after the letter, minutes from the last four
  const read = (t, digits) => {
    const sign = t[0] === 'S' || t[0] === 'E' ? -1 : 1;
    return sign * (val(t.slice(1, 1 + digits)) + val(t.slice(-4)) / 60);
  };
  for (let k = 0; k < 2000; k++) {
    const la = -90 + (180 * k) / 1999;
    const lo = -180 + (360 * ((k * 7919) % 2000)) / 1999;
    const a = latText(la);
    const b = lonText(lo);
    assert.match(a, LAT_RE);
    assert.match(b, LON_RE);
    // the program counts north and west positive
    assert.ok(Math.abs(read(a, 2) - la) <= 0.05 / 60 + 1e-9, `${a} ${la}`);
    assert.ok(Math.abs(read(b, 3) + lo) <= 0.05 / 60 + 1e-9, `${b} ${lo}`);
  }
});

test('tz offsets come from the tz database', () => {
  assert.equal(offsetMinutes('America/Denver', Date.UTC(2027, 0, 15)), -420);
  assert.equal(offsetMinutes('America/Denver', Date.UTC(2027, 6, 15)), -360);
  assert.equal(offsetMinutes('Asia/Kathmandu', Date.UTC(2027, 6, 15)), 345);
  assert.equal(offsetMinutes('UTC', Date.UTC(2027, 6, 15)), 0);
});

test('daylight periods of real zones in 2027', () => {
  const den = yearRule('America/Denver', 2027);
  assert.deepEqual([den.std, den.day, den.start, den.end], [-7, -6, { month: 3, day: 14 }, { month: 11, day: 7 }]);
  const lon = yearRule('Europe/London', 2027);
  assert.deepEqual([lon.std, lon.day, lon.start, lon.end], [0, 1, { month: 3, day: 28 }, { month: 10, day: 31 }]);
  const syd = yearRule('Australia/Sydney', 2027);
  assert.deepEqual([syd.std, syd.day, syd.start, syd.end], [10, 11, { month: 10, day: 3 }, { month: 4, day: 4 }]);
  const del = yearRule('Asia/Kolkata', 2027);
  assert.deepEqual([del.std, del.day, del.start, del.changes], [5.5, 5.5, null, 0]);
  const hnl = yearRule('Pacific/Honolulu', 2027);
  assert.deepEqual([hnl.std, hnl.day, hnl.start], [-10, -10, null]);
});

// Synthetic zones: offset in minutes as a function of the instant.
const HOUR = 3_600_000;
const at = (m, d, h = 0) => Date.UTC(2027, m - 1, d, h);
function steps(base, changes) {
  // changes: [[utcMs, newOffset], ...] in time order
  return (_z, ms) => {
    let off = base;
    for (const [t, o] of changes) if (ms >= t) off = o;
    return off;
  };
}

test('a change is dated by the local date in the new offset', () => {
  // [what, offsets before/after in minutes, GMT hour of each change, first day, last day]
  const rows = [
    // Sunday 00:00 standard (04:00 GMT) Sept 5 forward; Sunday 00:00 daylight (03:00 GMT)
    // April 4 back to 23:00 standard on Saturday April 3
    ['at local midnight', -180, [[at(4, 4, 3), -240], [at(9, 5, 4), -180]], [9, 5], [4, 3]],
    // 23:00 standard Saturday March 27 is 00:00 daylight March 28; 00:00 daylight
    // Sunday October 31 goes back to 23:00 standard October 30
    ['at 23:00 standard', -120, [[at(3, 28, 1), -60], [at(10, 31, 1), -120]], [3, 28], [10, 30]],
  ];
  for (const [what, base, changes, [sm, sd], [em, ed]] of rows) {
    const r = yearRule('X', 2027, steps(base, changes));
    assert.deepEqual([r.start, r.end], [{ month: sm, day: sd }, { month: em, day: ed }], what);
  }
});

test('an offset lowered for a month becomes a period across the turn of the year', () => {
  // +60 all year but 0 from Feb 7 02:00 GMT to Mar 14 01:00 GMT
  const f = steps(60, [[at(2, 7, 2), 0], [at(3, 14, 1), 60]]);
  const r = yearRule('X', 2027, f);
  assert.deepEqual([r.std, r.day], [0, 1]);
  assert.deepEqual(r.start, { month: 3, day: 14 });
  assert.deepEqual(r.end, { month: 2, day: 7 });
  assert.equal(r.note, '');
});

test('more than two changes keep the longest stretch at the higher offset', () => {
  // 120 -> 180 on Mar 28, down to 120 on May 1 (a pause), up on May 20, down on Oct 31
  const f = steps(120, [[at(3, 28, 1), 180], [at(5, 1, 1), 120], [at(5, 20, 1), 180], [at(10, 31, 1), 120]]);
  const r = yearRule('X', 2027, f);
  assert.equal(r.changes, 4);
  assert.deepEqual([r.std, r.day], [2, 3]);
  assert.deepEqual(r.start, { month: 5, day: 20 });
  assert.deepEqual(r.end, { month: 10, day: 31 });
  assert.notEqual(r.note, '');
});

test('a single lasting change uses the later offset all year', () => {
  const f = steps(300, [[at(6, 1, 0), 360]]);
  const r = yearRule('X', 2027, f);
  assert.deepEqual([r.std, r.day, r.start, r.end], [6, 6, null, null]);
  assert.notEqual(r.note, '');
});

test('zones of another country are replaced by a nearby zone of the airport country', () => {
  // the lookup answers Tehran at the point itself and Bahrain 0.1 degree away
  const lookup = (la, lo) => (la === 26 && lo === 50.5 ? 'Asia/Tehran' : 'Asia/Bahrain');
  assert.deepEqual(zoneFor(26, 50.5, 'BH', lookup), { zone: 'Asia/Bahrain', how: 'nearby' });
  // no zone of the country nearby: a country with one zone gets it
  assert.deepEqual(zoneFor(26, 50.5, 'BH', () => 'Asia/Tehran'), { zone: 'Asia/Qatar', how: 'country' });
  // a country with several zones keeps the first answer, flagged
  assert.equal(zoneFor(40, -100, 'US', () => 'Europe/Paris').how, 'unchecked');
  assert.deepEqual(zoneFor(39.86, -104.67, 'US', () => 'America/Denver'), { zone: 'America/Denver', how: 'lookup' });
  // sea zones belong to no country
  assert.equal(zoneFor(0, 0, 'VN', () => 'Etc/GMT').how, 'country');
  // aviation in Xinjiang keeps Beijing time, however the zone was found
  assert.deepEqual(zoneFor(43.9, 87.5, 'CN', () => 'Asia/Urumqi'), { zone: 'Asia/Shanghai', how: 'lookup' });
  assert.deepEqual(zoneFor(43.9, 87.5, 'CN', (la) => (la === 43.9 ? 'Asia/Almaty' : 'Asia/Urumqi')).zone, 'Asia/Shanghai');
});

test('the sequential reader follows the program rules', () => {
  assert.deepEqual(readFields('"a, b",  c  ,"d"\r\n 12\r\n"",x'), ['a, b', 'c', 'd', '12', '', 'x']);
  assert.equal(val(' 3.14'), 3.14);
  assert.equal(val('SAMPLE'), 0);
  assert.equal(val('-7'), -7);
});
