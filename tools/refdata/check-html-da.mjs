// Compares data/library/html.da.tsv with the HTML facts: lists the entries without a
// description, the keys the facts do not know, lines out of place and texts too long for
// their record fields. Exits with status 1 when anything is listed.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const library = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'data', 'library');

function readTsv(fileName) {
  const lines = readFileSync(join(library, 'facts', fileName), 'utf8').split('\n').filter(Boolean);
  return lines.slice(1).map((line) => line.split('\t'));
}

const elements = readTsv('html-elements.tsv').map((row) => row[0]);
const attributes = readTsv('html-attributes.tsv').map((row) => `${row[0]}/${row[1]}`);
const globals = readTsv('html-global-attributes.tsv').map((row) => `*/${row[0]}`);
const eventKind = new Map(readTsv('html-events.tsv').map((row) => [`*/${row[0]}`, row[1]]));
const expected = new Set([...elements, ...attributes, ...globals, ...eventKind.keys()]);

const problems = [];
const bytes = (text) => Buffer.byteLength(text ?? '', 'utf8');
const seen = new Set();
const childCount = new Map();
const countChild = (parent) => childCount.set(parent, (childCount.get(parent) ?? 0) + 1);
let category = null;
let element = null;
let group = null;

const lines = readFileSync(join(library, 'html.da.tsv'), 'utf8').split('\n');
lines.forEach((line, index) => {
  if (!line.trim() || line.startsWith('#')) return;
  const where = `line ${index + 1}`;
  const [key, ...texts] = line.split('\t');
  const description = texts[texts.length - 1];
  if (!description) problems.push(`${where}: ${key} has no description`);
  if (bytes(description) > 255) problems.push(`${where}: ${key} description is ${bytes(description)} bytes`);
  if (seen.has(key)) problems.push(`${where}: ${key} appears twice`);
  seen.add(key);

  if (key === '!') {
    if (index !== lines.findIndex((l) => l.trim() && !l.startsWith('#'))) problems.push(`${where}: the root is not first`);
    return;
  }
  const categoryMatch = /^\[(.+)\]$/.exec(key);
  if (categoryMatch) {
    if (bytes(categoryMatch[1]) > 31) problems.push(`${where}: caption ${key} too long`);
    category = key; element = null; group = null;
    countChild('!');
    return;
  }
  if (!category) { problems.push(`${where}: ${key} before any category`); return; }
  const groupMatch = /^\{(\*|\d+)\}$/.exec(key);
  if (groupMatch) {
    if (texts.length !== 2) problems.push(`${where}: ${key} needs a caption and a description`);
    else if (bytes(texts[0]) > 31) problems.push(`${where}: caption of ${key} too long`);
    group = groupMatch[1]; element = null;
    countChild(category);
    return;
  }
  if (!expected.has(key)) problems.push(`${where}: ${key} is not in the facts`);
  if (key.startsWith('*/')) {
    const kind = eventKind.get(key);
    const wanted = kind ?? '*';
    if (group !== wanted) problems.push(`${where}: ${key} belongs under {${wanted}}`);
    countChild(`${category}{${group}}`);
    return;
  }
  const slash = key.indexOf('/', 1);
  if (slash > 0) {
    if (key.slice(0, slash) !== element) problems.push(`${where}: ${key} does not follow its element`);
    countChild(key.slice(0, slash));
    return;
  }
  if (group) problems.push(`${where}: element ${key} inside the group {${group}}`);
  element = key;
  countChild(category);
});

for (const key of expected) if (!seen.has(key)) problems.push(`missing: ${key}`);
for (const [parent, count] of childCount)
  if (count > 99) problems.push(`${parent} has ${count} children (at most 99)`);

for (const problem of problems) console.log(problem);
console.log(`${seen.size} keys; ${elements.length} elements, ${attributes.length} element attributes, ` +
  `${globals.length} global attributes, ${eventKind.size} events; ${problems.length} problems`);
process.exitCode = problems.length ? 1 : 0;
