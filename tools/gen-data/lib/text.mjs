// Text helpers for the planner's single-byte (Windows-1252) files.

/** Unicode characters that Windows-1252 holds, mapped to their byte. */
const CP1252 = new Map();
{
  // 0x80..0x9F differ from Latin-1; the five unassigned bytes (0x81, 0x8D,
  // 0x8F, 0x90, 0x9D) are left out
  const HIGH = '\u20ac\0\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\0\u017d\0' +
    '\0\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\0\u017e\u0178';
  for (let b = 0; b < 256; b++) {
    if (b >= 0x80 && b <= 0x9f) {
      const ch = HIGH[b - 0x80];
      if (ch !== '\0') CP1252.set(ch, b);
    } else {
      CP1252.set(String.fromCharCode(b), b);
    }
  }
}

/** Letters whose decomposition does not yield a base letter, and punctuation to plain it. */
const SPECIAL = new Map(Object.entries({
  'Ł': 'L', 'ł': 'l', 'Đ': 'D', 'đ': 'd', 'Ħ': 'H', 'ħ': 'h', 'ı': 'i', 'Ŀ': 'L', 'ŀ': 'l',
  'Ŧ': 'T', 'ŧ': 't', 'Ŋ': 'N', 'ŋ': 'n', 'ĸ': 'k', 'Ɓ': 'B', 'Ɗ': 'D', 'Ə': 'E', 'ə': 'e',
  'Ɛ': 'E', 'ɛ': 'e', 'Ɔ': 'O', 'ɔ': 'o', 'Ʒ': 'Z', 'ʒ': 'z', 'Ș': 'S', 'ș': 's', 'Ț': 'T', 'ț': 't',
  'ʻ': "'", 'ʼ': "'", 'ʿ': "'", 'ʾ': "'", '‘': "'", '’': "'", '‚': "'", '′': "'", '`': "'", '´': "'",
  '“': '', '”': '', '„': '', '"': '', '«': '', '»': '',
  '–': '-', '—': '-', '‐': '-', '‑': '-', '−': '-',
  '\u00a0': ' ', '\u00ad': '', '\t': ' ', '\r': ' ', '\n': ' ', '…': '...',
}));

/**
 * Folds `s` to text that Windows-1252 holds and that the planner's files
 * accept: characters of the code page are kept (é, ü, ñ, ß ...), other
 * letters lose their diacritics (ő -> o, ą -> a), special letters are
 * replaced by their plain form (Ł -> L), typographic quotes and dashes
 * become ASCII, double quotes and control characters are removed; any
 * character left without a plain form is dropped. Runs of blanks collapse.
 */
export function foldCp1252(s) {
  let out = '';
  for (const ch of s.normalize('NFC')) {
    if (SPECIAL.has(ch)) { out += SPECIAL.get(ch); continue; }
    const cp = ch.codePointAt(0);
    if (cp < 0x20 || cp === 0x7f) continue;
    if (CP1252.has(ch)) { out += ch; continue; }
    // strip combining marks, then keep whatever of the rest the code page holds
    for (const part of ch.normalize('NFD')) {
      if (/\p{M}/u.test(part)) continue;
      if (SPECIAL.has(part)) out += SPECIAL.get(part);
      else if (CP1252.has(part) && part.codePointAt(0) >= 0x20) out += part;
    }
  }
  return out.replace(/ {2,}/g, ' ').trim();
}

/** Cuts `s` to at most `n` characters and removes trailing blanks. */
export function cut(s, n) {
  return s.slice(0, n).trimEnd();
}

/**
 * Shortens `s` to at most `n` characters for a name field: a word cut in
 * the middle is dropped (when at least half the field is left; blanks and
 * slashes separate words), then an opening parenthesis left without its
 * closing one with what follows it, then trailing blanks and separators.
 */
export function cutWords(s, n) {
  if (s.length <= n) return s;
  let t = s.slice(0, n);
  if (s[n] !== ' ' && s[n] !== '/') {
    const sp = Math.max(t.lastIndexOf(' '), t.lastIndexOf('/'));
    if (sp >= n / 2) t = t.slice(0, sp);
  }
  const open = t.lastIndexOf('(');
  if (open > t.lastIndexOf(')') && open >= 4) t = t.slice(0, open);
  return t.replace(/[\s,;:/(-]+$/u, '');
}

/** Encodes text to Windows-1252 bytes; throws on a character the code page lacks. */
export function encodeCp1252(s) {
  const bytes = new Uint8Array(s.length);
  let i = 0;
  for (const ch of s) {
    const b = CP1252.get(ch);
    if (b === undefined) throw new Error(`character U+${ch.codePointAt(0).toString(16)} is not in Windows-1252`);
    bytes[i++] = b;
  }
  return bytes.subarray(0, i);
}

/** True when every character of `s` is in Windows-1252. */
export function isCp1252(s) {
  for (const ch of s) if (!CP1252.has(ch)) return false;
  return true;
}

/** Number as the planner writes it: a leading blank when not negative. */
export function numText(v) {
  const t = String(v);
  return v < 0 ? t : ' ' + t;
}
