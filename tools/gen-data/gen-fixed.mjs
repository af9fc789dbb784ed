#!/usr/bin/env node
// Writes the hand-made files that ship beside Tarvex:
//   data/services.tsv                 sample FBOs, hotels, limousines and caterers
//   data/program/SAMPLE-*.AC          sample aircraft performance files
//   data/program/TXDefAC.DAT          the aircraft loaded at first start
//   data/program/TARVEX.DAT           the settings file with placeholder owner data
//   data/program/TXHelp.rtf           the help text
//   data/program/TXLicense.rtf        the licence text
//
//   node gen-fixed.mjs [--out ../../data]

import { mkdirSync, writeFileSync, readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { encodeCp1252, numText } from './lib/text.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const outIdx = args.indexOf('--out');
const OUT = resolve(outIdx >= 0 ? args[outIdx + 1] : join(here, '..', '..', 'data'));
const PROG = join(OUT, 'program');

const CRLF = '\r\n';
const writeCp1252 = (name, lines) => writeFileSync(join(PROG, name), encodeCp1252(lines.join(CRLF) + CRLF));

// ---------------------------------------------------------------------------
// Sample services. Names are made up and say so; phone numbers use the
// 555-01xx range kept for fiction. Default: 1 for the airport's default row of that table.
// Coverage on purpose: tables with and without a default row, airports with
// only some tables, a 6-character frequency, a name of exactly 25
// characters, an apostrophe and accented letters.

export const SERVICES = [
  // Table, Ident, Name, PhoneNumber, Freq, Default
  ['FBOs', 'KDEN', 'Sample Jet Center', '303-555-0142', '122.950', 1],
  ['FBOs', 'KDEN', 'Example Aviation West', '303-555-0143', '130.175', 0],
  ['FBOs', 'KDEN', 'Mock Peak Air Services', '303-555-0144', '131.425', 0],
  ['CrewHotels', 'KDEN', 'Sample Crew Inn', '303-555-0150', '', 1],
  ['CrewHotels', 'KDEN', 'Pretend Runway Suites', '303-555-0151', '', 0],
  ['PaxHotels', 'KDEN', 'Imaginary Grand Hotel', '303-555-0152', '', 0],
  ['PaxHotels', 'KDEN', 'Example Tower Hotel', '303-555-0153', '', 0],
  ['Limos', 'KDEN', 'Mock Silverline Cars', '303-555-0160', '', 1],
  ['Catering', 'KDEN', "Nora's Sample Catering", '303-555-0170', '', 0],
  ['Catering', 'KDEN', 'Example Fine Foods', '303-555-0171', '', 0],

  ['FBOs', 'KORD', 'Example Lakefront Jets', '773-555-0110', '129.600', 0],
  ['FBOs', 'KORD', 'Sample Prairie Aviation', '773-555-0111', '130.500', 0],
  ['CrewHotels', 'KORD', 'Mock Crew Lodge', '773-555-0120', '', 0],
  ['PaxHotels', 'KORD', 'Riverwalk Imaginary Hotel', '312-555-0121', '', 1],
  ['Limos', 'KORD', 'Sample Loop Livery', '312-555-0130', '', 1],
  ['Limos', 'KORD', 'Pretend Limousine Co', '312-555-0131', '', 0],
  ['Catering', 'KORD', 'Example Inflight Meals', '773-555-0140', '', 0],

  ['FBOs', 'KTEB', 'Sample Hudson Jet Center', '201-555-0101', '130.525', 0],
  ['FBOs', 'KTEB', 'Example Air Terminal', '201-555-0102', '129.800', 1],
  ['FBOs', 'KTEB', 'Mock Palisade Aviation', '201-555-0103', '131.275', 0],
  ['FBOs', 'KTEB', 'Fictional Skyline FBO', '201-555-0104', '122.850', 0],
  ['CrewHotels', 'KTEB', 'Sample Crew Quarters', '201-555-0105', '', 1],
  ['CrewHotels', 'KTEB', 'Example Valley Inn', '201-555-0106', '', 0],
  ['PaxHotels', 'KTEB', 'Pretend Midtown Plaza', '212-555-0107', '', 0],
  ['PaxHotels', 'KTEB', 'Mock Hudson Hotel', '212-555-0108', '', 1],
  ['PaxHotels', 'KTEB', 'Park Avenue Sample Suites', '212-555-0109', '', 0],
  ['Limos', 'KTEB', 'Example Bridge Cars', '201-555-0112', '', 0],
  ['Limos', 'KTEB', 'Sample Empire Livery', '212-555-0113', '', 0],
  ['Catering', 'KTEB', 'Sample Garden Galley', '201-555-0114', '', 1],
  ['Catering', 'KTEB', 'Mock Upper Crust Kitchen', '201-555-0115', '', 0],

  ['FBOs', 'KVNY', 'Sample Valley Jet Center', '818-555-0180', '130.55', 1],
  ['FBOs', 'KVNY', 'Example Air Services', '818-555-0181', '122.950', 0],
  ['Catering', 'KVNY', 'Mock Studio Skychef', '818-555-0182', '', 0],

  ['FBOs', 'KPBI', 'Example Palm Jet Harbor', '561-555-0190', '129.125', 1],
  ['PaxHotels', 'KPBI', 'Sample Seagrape Resort', '561-555-0191', '', 0],
  ['PaxHotels', 'KPBI', 'Imaginary Worth Inn', '561-555-0192', '', 0],

  ['Limos', 'EGLL', 'Sample Thames Chauffeurs', '+44 20-555-0123', '', 1],
  ['Catering', 'EGLL', 'Example Fictional Fare', '+44 20-555-0124', '', 0],

  ['FBOs', 'LFPB', 'Aviation Exemple Bourget', '+33 1-555-0130', '118.150', 0],
  ['FBOs', 'LFPB', 'Sample Seine Jets', '+33 1-555-0131', '121.925', 1],
  ['FBOs', 'LFPB', 'Étoile Exemple Aviation', '+33 1-555-0132', '131.400', 0],
  ['CrewHotels', 'LFPB', 'Hôtel Exemple Équipages', '+33 1-555-0133', '', 1],
  ['PaxHotels', 'LFPB', 'Hôtel Imaginaire Opéra', '+33 1-555-0134', '', 0],
  ['Limos', 'LFPB', 'Voitures Fictives Paris', '+33 1-555-0135', '', 0],
  ['Catering', 'LFPB', 'Café Exemple Traiteur', '+33 1-555-0136', '', 1],

  ['FBOs', 'YSSY', 'Sample Harbour Jet Base', '+61 2-555-0140', '131.150', 0],
  ['CrewHotels', 'YSSY', 'Example Crew Rooms', '+61 2-555-0141', '', 0],
];

export const SERVICE_TABLES = ['FBOs', 'CrewHotels', 'PaxHotels', 'Limos', 'Catering'];

function writeServices() {
  const lines = ['Table\tIdent\tName\tPhoneNumber\tFreq\tDefault'];
  for (const [t, id, name, phone, freq, def] of SERVICES) lines.push([t, id, name, phone, freq, def].join('\t'));
  writeFileSync(join(OUT, 'services.tsv'), lines.join('\n') + '\n', 'utf8');
}

// ---------------------------------------------------------------------------
// Sample aircraft. Row k of each table is the average over a leg of about
// 100k n.mi.: true airspeed in knots and fuel flow in pounds per hour.
// Speeds rise with leg length as climb and descent weigh less; fuel flows
// fall for the same reason. Rows past the aircraft's range repeat the last
// figures.

export const AIRCRAFT = [
  {
    file: 'SAMPLE-TP.AC',
    layout: 'current',
    type: 'SAMPLE Twin Turboprop',
    line2: 'Sample figures only - not for flight',
    speeds: [150, 220, 255, 270, 280, 285, 288, 290, 292, 293, 294, 295, 295, 295, 295, 295, 295],
    flows: [900, 820, 760, 720, 700, 685, 675, 668, 662, 658, 655, 652, 650, 648, 646, 645, 645],
    maxFuel: 3610,
    reserve: 800,
  },
  {
    file: 'SAMPLE-LJ.AC',
    layout: 'current',
    type: 'SAMPLE Light Jet',
    line2: 'Sample figures only - not for flight',
    speeds: [200, 290, 340, 370, 385, 395, 402, 406, 409, 411, 412, 413, 414, 415, 415, 415, 415, 415, 415],
    flows: [1650, 1420, 1260, 1160, 1100, 1060, 1035, 1015, 1000, 990, 982, 975, 970, 965, 960, 956, 952, 950, 950],
    maxFuel: 4710,
    reserve: 900,
  },
  {
    // older layout: no row count, always 49 rows (0..48)
    file: 'SAMPLE-MJ.AC',
    layout: 'older',
    type: 'SAMPLE Midsize Jet',
    line2: 'Sample figures only - older file layout',
    speeds: padTo(49, [210, 300, 360, 395, 415, 425, 432, 437, 440, 442, 444, 445, 446, 447, 448, 448, 449, 449, 450, 450, 450, 450, 450, 450]),
    flows: padTo(49, [3000, 2600, 2300, 2120, 2000, 1930, 1880, 1845, 1820, 1800, 1785, 1772, 1760, 1750, 1742, 1735, 1728, 1722, 1716, 1710, 1705, 1700, 1700, 1700]),
    maxFuel: 10000,
    reserve: 1500,
  },
];

function padTo(n, rows) {
  const out = rows.slice();
  while (out.length < n) out.push(rows[rows.length - 1]);
  return out;
}

export const DEFAULT_AIRCRAFT = 'SAMPLE-LJ.AC';

/** Lines of an aircraft file as the planner writes them. */
export function aircraftLines(ac) {
  if (ac.speeds.length !== ac.flows.length) throw new Error(`${ac.file}: tables differ in length`);
  const lines = [];
  if (ac.layout === 'current') lines.push(numText(ac.speeds.length - 1));
  else if (ac.speeds.length !== 49) throw new Error(`${ac.file}: an older file holds 49 rows`);
  lines.push(ac.type, ac.line2);
  for (const v of ac.speeds) lines.push(numText(v));
  for (const v of ac.flows) lines.push(numText(v));
  lines.push(numText(ac.maxFuel), numText(ac.reserve));
  return lines;
}

// ---------------------------------------------------------------------------
// Settings file: 11 quoted texts.

export const SETTINGS = [
  'Your Company Name',
  '123 Main Street',
  'Anytown, ST 00000',
  '555-0100',
  '',
  '10',
  'flightops@example.com',
  '',
  '',
  '',
  '',
];

// ---------------------------------------------------------------------------
// Help and licence texts, kept as plain paragraphs and turned into RTF.

const HELP = `
TARVEX HELP

Tarvex plans trips of up to 20 legs for a corporate aircraft. For each leg it finds the two airports, works out distance, course, flight time, fuel burn and block times, converts between local time and GMT at both ends, and gives sunrise and sunset.

BEFORE THE FIRST TRIP
  Choose the aircraft: Settings, Aircraft Type (Change/Select). The aircraft files (*.AC) lie beside the program; three sample files come with it. The choice is remembered for the next start.
  Check the block time default (Settings, Change Block Time default): the minutes added to flight time for taxi out and taxi in.
  Check the fuel reserve of the aircraft (Settings, Set/Change Fuel Reserve).

PLANNING A LEG BY KEYBOARD
  Every box is accepted with <Return>. Back one Step returns to the box before; Cancel leaves the leg.
  1. Press Begin Planning (later Continue Planning).
  2. Leg: <Return> accepts the next leg number. Type an earlier number to enter that leg again.
  3. T or L: T when the time you give is the takeoff time, L when it is the landing time.
  4. Date: MM/DD or MMDD, for example 07/04 or 0704 for July 4. With L it is the date of the landing.
  5. Local time: hhmm on the 24 hour clock, for example 0105 for 1:05am and 1305 for 1:05pm.
  6. Departure identifier, for example KDEN. On leg 2 and later the previous destination is offered. Press <Return> on an empty box to search by city: type the first letters of the city, then step with Prev. and Next.
  7. Destination identifier, the same way. When the airport has services (FBO, hotels, limousine, catering) choose them in the list that opens and say which go into printouts.
  8. Wind: the stored wind for the course and latitude is offered. <Return> accepts it; type another component in knots (positive for a tailwind, negative for a headwind).
  9. Fuel reserve: <Return> accepts the reserve offered.
  The leg is computed and listed. You may then add comments to it.

  StopReq in the fuel column means that burn plus reserve exceed the usable fuel: plan a fuel stop.
  NEXT DAY and PREVIOUS DAY marks show arrivals on another date; the date of the next leg follows.

THE THREE VIEWS
  Planning page: one line per leg with date, airports, local departure and arrival times, flight time, distance and burn, and the totals. Double click a line to edit that leg.
  Pilot format (View TX, Pilot Format): each leg with local and GMT times, sunrise and sunset, fuel and the chosen services.
  Summary format (View TX, Summary Format): a short itinerary for passengers with 12 hour times.
  The Edit menu inserts a blank leg before the selected leg or deletes it.

FILES
  Plans are saved with File, Save as name.tx in the working folder, together with a text report name.txt. File, Retrieve Stored TX opens a plan; Delete Stored TX removes it.
  File, Print prints the pilot format, the summary format or the short planning page.
  Beside the program:
    data.mdb      the airport database (File, Airport Data to add, edit or view airports and their services)
    TZONES.DAT    daylight time periods of the zone codes named by the airports
    *.AC          aircraft performance files
    TXDefAC.DAT   the aircraft loaded at start
    TARVEX.DAT    owner name and address, block time default
  Back up the airport database with File, Backup/Restore data base.

AIRPORT DATA
  Latitude is written N39-51.7 and longitude W104-40.4: hemisphere letter, degrees, a hyphen and minutes with one decimal.
  Std and Day are the standard and daylight offsets from GMT in hours (local time = GMT + offset, so negative west of Greenwich; Denver is -7 and -6).
  The zone code names the daylight time period in TZONES.DAT; an airport without daylight time has the same Std and Day.
`;

const LICENSE = `
TARVEX LICENSE AGREEMENT

THE PROGRAM
Copyright (c) the Tarvex authors.

Permission is hereby granted, free of charge, to any person obtaining a copy of this software and associated documentation files (the Software), to deal in the Software without restriction, including without limitation the rights to use, copy, modify, merge, publish, distribute, sublicense, and/or sell copies of the Software, and to permit persons to whom the Software is furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED AS IS, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE SOFTWARE.

NOT FOR NAVIGATION
Tarvex is a trip planning aid only. It is not a substitute for the approved flight manual, official charts, NOTAMs or weather briefings. The sample aircraft files hold made-up figures. Check every result before flight.

AIRPORT DATA
The airport list comes from OurAirports, which its authors have placed in the public domain. Positions may be rounded or out of date. The sample FBOs, hotels, limousine services and caterers are fictional.

TIME ZONES
Time zones were found from airport positions with the tz-lookup boundary data (CC0). Offsets and daylight time periods come from the IANA time zone database (public domain) for the year 2027. Governments change their rules: check local times near the expiry date shown on the About page and after any announced change.
`;

/** Escapes text for RTF; characters above 0x7F are written as \'xx in Windows-1252. */
export function rtfEscape(s) {
  let out = '';
  for (const ch of s) {
    if (ch === '\\' || ch === '{' || ch === '}') out += '\\' + ch;
    else if (ch.codePointAt(0) > 0x7e) out += `\\'${encodeCp1252(ch)[0].toString(16).padStart(2, '0')}`;
    else out += ch;
  }
  return out;
}

/** A plain RTF document in "Courier New": one paragraph per line of `text`. */
export function toRtf(text) {
  const lines = text.replace(/^\n+|\n+$/g, '').split('\n');
  const body = lines.map((l) => (l === '' ? '\\par' : `${rtfEscape(l)}\\par`));
  return [
    '{\\rtf1\\ansi\\ansicpg1252\\deff0',
    '{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}',
    '\\f0\\fs20',
    ...body,
    '}',
  ];
}

function main() {
  mkdirSync(PROG, { recursive: true });
  writeServices();
  for (const ac of AIRCRAFT) writeCp1252(ac.file, aircraftLines(ac));
  writeCp1252('TXDefAC.DAT', [DEFAULT_AIRCRAFT]);
  writeCp1252('TARVEX.DAT', SETTINGS.map((s) => `"${s}"`));
  writeCp1252('TXHelp.rtf', toRtf(HELP));
  writeCp1252('TXLicense.rtf', toRtf(LICENSE));

  // identifiers of the sample services must be airports of airports.tsv
  const tsv = readFileSync(join(OUT, 'airports.tsv'), 'utf8').split('\n').slice(1);
  const known = new Set(tsv.map((l) => l.split('\t')[0]).filter(Boolean));
  const missing = [...new Set(SERVICES.map((r) => r[1]))].filter((id) => !known.has(id));
  if (missing.length) throw new Error(`services name airports not in airports.tsv: ${missing.join(' ')}`);

  console.log(`services.tsv: ${SERVICES.length} rows`);
  for (const ac of AIRCRAFT) console.log(`${ac.file}: ${ac.layout} layout, rows 0..${ac.speeds.length - 1}`);
  console.log('TXDefAC.DAT, TARVEX.DAT, TXHelp.rtf, TXLicense.rtf');
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) main();
