// Writes the fact snapshot under data/library/facts from the pinned npm packages.
// Each domain module exports `generate(facts)` and writes its own files through `facts`.
import { execFileSync } from 'node:child_process';
import { mkdirSync, writeFileSync, readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const outDir = join(here, '..', '..', 'data', 'library', 'facts');
mkdirSync(outDir, { recursive: true });

function cell(value) {
  const text = String(value);
  if (/[\t\r\n]/.test(text))
    throw new Error(`a fact holds a tab or line break: ${JSON.stringify(text)}`);
  return text;
}

const facts = {
  // Writes one TSV file: a header line, then the rows in the order given.
  writeTsv(fileName, header, rows) {
    const lines = [header.join('\t'), ...rows.map((row) => row.map(cell).join('\t'))];
    writeFileSync(join(outDir, fileName), lines.join('\n') + '\n');
    console.log(`${fileName}: ${rows.length} rows`);
  },
};

const domains = process.argv.slice(2).length ? process.argv.slice(2) : ['html', 'css', 'js', 'entities'];
for (const domain of domains) {
  const module = await import(`./${domain}.mjs`);
  await module.generate(facts);
}

const lock = JSON.parse(readFileSync(join(here, 'package-lock.json'), 'utf8'));
const notice = ['The files in this folder are facts (names, value lists, relations, code points)',
  'taken from these packages by tools/refdata/generate.mjs. No description text is taken.', ''];
for (const [path, info] of Object.entries(lock.packages)) {
  if (!path.startsWith('node_modules/') || path.split('node_modules/').length > 2) continue;
  notice.push(`${path.slice('node_modules/'.length)} ${info.version} (licence: ${info.license ?? 'see package'})`);
}
// The HTML 4.01 DTDs come from a Debian package rather than npm.
const sgmlVersion = execFileSync('dpkg-query', ['-W', '-f=${Version}', 'w3c-sgml-lib']).toString();
notice.push(`Debian w3c-sgml-lib ${sgmlVersion} (HTML 4.01 DTDs; licence: W3C Software and Document Notice)`);
writeFileSync(join(outDir, 'NOTICE'), notice.join('\n') + '\n');
