// Compares data/library/js.da.tsv with the JavaScript facts: lists the keys the facts do not
// know, entries without a description, texts too long for their record fields, captions that
// repeat within a category and categories with more than 99 entries. Prints the number of
// shipped entries per kind. Exits with status 1 when anything is listed.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const library = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'data', 'library');

function readTsv(fileName) {
  const lines = readFileSync(join(library, 'facts', fileName), 'utf8').split('\n').filter(Boolean);
  return lines.slice(1).map((line) => line.split('\t'));
}

const memberKind = new Map(readTsv('js-members.tsv').map(([object, member, kind]) => [`${object}.${member}`, kind]));
const keywords = new Set(readTsv('js-keywords.tsv').map(([keyword]) => keyword));

const problems = [];
const bytes = (text) => Buffer.byteLength(text ?? '', 'utf8');
const seen = new Set();
const shippedPerKind = { property: 0, method: 0, event: 0, keyword: 0 };
const categories = [];
let rootSeen = false;

const lines = readFileSync(join(library, 'js.da.tsv'), 'utf8').split('\n');
lines.forEach((line, index) => {
  if (!line.trim() || line.startsWith('#')) return;
  const where = `line ${index + 1}`;
  const columns = line.split('\t');
  const [key, description, values] = columns;
  if (columns.length > 3) problems.push(`${where}: ${key} has more than three columns`);
  if (!description?.trim()) problems.push(`${where}: ${key} has no description`);
  if (bytes(description) > 255) problems.push(`${where}: ${key} description is ${bytes(description)} bytes`);
  if (bytes(values) > 255) problems.push(`${where}: ${key} values are ${bytes(values)} bytes`);

  if (key === '!') {
    if (rootSeen || categories.length) problems.push(`${where}: the root line must come first, once`);
    rootSeen = true;
    return;
  }
  if (!rootSeen) problems.push(`${where}: ${key} stands before the root line`);

  const categoryName = /^\[(.+)\]$/.exec(key)?.[1];
  if (categoryName) {
    if (values !== undefined) problems.push(`${where}: category ${key} has a values column`);
    if (bytes(categoryName) > 31) problems.push(`${where}: caption ${categoryName} is too long`);
    categories.push({ name: categoryName, captions: new Set() });
    return;
  }
  const category = categories.at(-1);
  if (!category) {
    problems.push(`${where}: ${key} stands before the first category`);
    return;
  }
  if (seen.has(key)) problems.push(`${where}: ${key} appears twice`);
  seen.add(key);

  let caption;
  if (key.startsWith('keyword:')) {
    caption = key.slice('keyword:'.length);
    if (!keywords.has(caption)) problems.push(`${where}: ${key} is not in js-keywords.tsv`);
    else shippedPerKind.keyword++;
  } else {
    const kind = memberKind.get(key);
    if (!kind) problems.push(`${where}: ${key} is not in js-members.tsv`);
    else shippedPerKind[kind]++;
    if (kind === 'method' && values && !/^\(.*\)$/.test(values) && !values.startsWith('`'))
      problems.push(`${where}: the parameters of ${key} are not in parentheses`);
    caption = key.slice(key.lastIndexOf('.') + 1);
  }
  // The caption is the record's Code field and is also what the tree inserts.
  if (bytes(caption) > 31) problems.push(`${where}: caption ${caption} is too long`);
  if (category.captions.has(caption)) problems.push(`${where}: ${caption} appears twice in [${category.name}]`);
  category.captions.add(caption);
});

if (categories.length > 99) problems.push(`${categories.length} categories, at most 99 fit`);
for (const category of categories) {
  if (category.captions.size > 99) problems.push(`[${category.name}] has ${category.captions.size} entries`);
  if (category.captions.size === 0) problems.push(`[${category.name}] is empty`);
}
for (const keyword of keywords)
  if (!seen.has(`keyword:${keyword}`)) problems.push(`keyword:${keyword} has no line`);

console.log(categories.map((category, index) => `${index + 1}. [${category.name}] ${category.captions.size}`).join('\n'));
console.log(`shipped: ${Object.entries(shippedPerKind).map(([kind, count]) => `${kind} ${count}`).join(', ')}; ${seen.size} in all`);
for (const problem of problems) console.log(problem);
process.exitCode = problems.length ? 1 : 0;
