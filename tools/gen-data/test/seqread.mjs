// Reader for the planner's sequential text files, used by the tests to read
// the generated files the way the program reads them: fields separated by
// commas or line ends, blanks before a field skipped, a field that begins
// with a double quote running to the next double quote, an unquoted field
// running to the next comma or line end without its trailing blanks.

export function readFields(text) {
  const fields = [];
  let i = 0;
  const n = text.length;
  while (i < n) {
    while (i < n && (text[i] === ' ' || text[i] === '\t')) i++;
    if (i >= n) break;
    if (text[i] === '"') {
      const close = text.indexOf('"', i + 1);
      if (close < 0) throw new Error('unclosed quote');
      fields.push(text.slice(i + 1, close));
      i = close + 1;
      while (i < n && text[i] !== ',' && text[i] !== '\r' && text[i] !== '\n') i++;
    } else {
      let j = i;
      while (j < n && text[j] !== ',' && text[j] !== '\r' && text[j] !== '\n') j++;
      fields.push(text.slice(i, j).trimEnd());
      i = j;
    }
    // one separator: a comma, or a line end (CR LF, CR or LF)
    if (text[i] === ',') i++;
    else if (text[i] === '\r') i += text[i + 1] === '\n' ? 2 : 1;
    else if (text[i] === '\n') i++;
  }
  return fields;
}

/** Leading number of a text, as the program converts (0 when there is none). */
export function val(t) {
  const m = /^\s*[+-]?(\d+\.?\d*|\.\d+)/.exec(t);
  return m ? Number(m[0]) : 0;
}
