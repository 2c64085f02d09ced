// Named character references: every name of current HTML with its code points, whether HTML 4
// knew it, and whether it may also be written without the closing ";".
import { characterEntities } from 'character-entities';
import { characterEntitiesLegacy } from 'character-entities-legacy';
import { characterEntitiesHtml4 } from 'character-entities-html4';

function hex(codePoint) {
  return codePoint.toString(16).toUpperCase().padStart(4, '0');
}

function codePointsOf(text) {
  return [...text].map((character) => character.codePointAt(0));
}

// Orders by the code point sequence, so that the names of one character stand together.
function compareEntries(a, b) {
  const length = Math.min(a.codePoints.length, b.codePoints.length);
  for (let i = 0; i < length; i++) {
    if (a.codePoints[i] !== b.codePoints[i]) return a.codePoints[i] - b.codePoints[i];
  }
  if (a.codePoints.length !== b.codePoints.length) return a.codePoints.length - b.codePoints.length;
  return a.name < b.name ? -1 : a.name > b.name ? 1 : 0;
}

export async function generate(facts) {
  const legacy = new Set(characterEntitiesLegacy);
  for (const name of legacy) {
    if (!(name in characterEntities)) throw new Error(`legacy reference without a current name: ${name}`);
  }
  for (const name of Object.keys(characterEntitiesHtml4)) {
    if (!(name in characterEntities)) throw new Error(`HTML 4 reference without a current name: ${name}`);
  }

  // HTML 4 gave lang and rang other code points; the current ones are what browsers read today.
  const entries = Object.entries(characterEntities)
    .map(([name, text]) => ({ name, codePoints: codePointsOf(text) }))
    .sort(compareEntries);

  const rows = entries.map(({ name, codePoints }) => [
    name,
    codePoints.map(hex).join(' '),
    name in characterEntitiesHtml4 ? 1 : 0,
    legacy.has(name) ? 1 : 0,
  ]);
  facts.writeTsv('entities.tsv', ['name', 'codepoints', 'html4', 'legacy'], rows);

  const legacyCount = rows.filter((row) => row[3] === 1).length;
  console.log(`entities.tsv: ${rows.length} names with ";" + ${legacyCount} legacy forms without it`
    + ` = ${rows.length + legacyCount} named references`);
}
