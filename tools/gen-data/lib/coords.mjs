// Coordinates in the planner's layout: hemisphere letter, degrees with
// leading zeros (2 digits of latitude, 3 of longitude), a hyphen, minutes
// with one decimal and two digits before the point: N39-51.7, W104-40.4.

function format(value, degDigits, pos, neg) {
  if (!Number.isFinite(value)) throw new Error(`not a coordinate: ${value}`);
  // whole tenths of a minute, so that 59.96' becomes 60.0' and carries into the degrees
  const tenths = Math.round(Math.abs(value) * 600);
  const deg = Math.floor(tenths / 600);
  const min = tenths % 600;
  const letter = value < 0 && tenths !== 0 ? neg : pos;
  const mm = String(Math.floor(min / 10)).padStart(2, '0');
  return `${letter}${String(deg).padStart(degDigits, '0')}-${mm}.${min % 10}`;
}

/** Latitude in decimal degrees (north positive) to text such as "N39-51.7". */
export function latText(deg) {
  if (Math.abs(deg) > 90) throw new Error(`latitude out of range: ${deg}`);
  return format(deg, 2, 'N', 'S');
}

/** Longitude in decimal degrees (east positive) to text such as "W104-40.4". */
export function lonText(deg) {
  if (Math.abs(deg) > 180) throw new Error(`longitude out of range: ${deg}`);
  return format(deg, 3, 'E', 'W');
}

export const LAT_RE = /^[NS]\d{2}-[0-5]\d\.\d$/;
export const LON_RE = /^[EW]\d{3}-[0-5]\d\.\d$/;
