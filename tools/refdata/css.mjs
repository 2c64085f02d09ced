// CSS facts: the standard properties with their value lists, and the pseudo-classes and
// pseudo-elements. Value lists are expanded from the mdn-data value grammars; only names are
// taken from the packages, never their descriptions.
import { createRequire } from 'node:module';
import { parse as parseGrammar } from 'css-tree/definition-syntax';

const require = createRequire(import.meta.url);
const mdnProperties = require('mdn-data/css/properties.json');
const mdnSyntaxes = require('mdn-data/css/syntaxes.json');
const mdnSelectors = require('mdn-data/css/selectors.json');
const compat = require('@mdn/browser-compat-data');
const customData = require('@vscode/web-custom-data/data/browsers.css-data.json');

const CSS_WIDE_KEYWORDS = ['inherit', 'initial', 'unset', 'revert', 'revert-layer'];
const MAX_VALUES_BYTES = 255;
// A property's name is its record's name and tree caption, both at most 31 bytes; the few
// longer names (the timeline-trigger-activation-range family) cannot be stored and stay out.
const MAX_NAME_BYTES = 31;
// Named syntaxes are followed this many levels below the property's own grammar; deeper
// levels only add keywords of nested functions that no drop-down list can offer.
const MAX_DEPTH = 4;

// Value types that the value pickers of the program know, by the placeholder they become.
const PLACEHOLDERS = new Map([
  ['color', '[farve]'],
  ['length', '[længde]'],
  ['length-percentage', '[længde]'],
  ['percentage', '[procent]'],
  ['number', '[tal]'],
  ['alpha-value', '[tal]'],
  ['integer', '[heltal]'],
  ['url', '[url]'],
  ['image', '[url(grafik)]'],
  ['time', '[tid]'],
  ['time-percentage', '[tid]'],
  ['angle', '[vinkel]'],
  ['angle-percentage', '[vinkel]'],
  ['family-name', '[font]'],
  ['string', '[tekst]'],
  ['custom-ident', '[navn]'],
  ['dashed-ident', '[navn]'],
  ['ident', '[navn]'],
]);

// Grammars for the few standard properties the grammar data leaves out.
const MISSING_GRAMMARS = {
  'color-interpolation': 'auto | sRGB | linearRGB',
  'speak': 'auto | never | always',
};

// Value names the editor data lists for a property: the ones hand-coders reach for most.
const editorValues = new Map(customData.properties.map((property) =>
  [property.name, new Set((property.values ?? []).map((value) => value.name))]));

// The predefined counter styles (disc, decimal, lower-roman, ...) are names outside the grammar;
// wherever a grammar takes a counter style name they are offered beside "[navn]".
const PREDEFINED_COUNTER_STYLES = [...editorValues.get('list-style-type')]
  .filter((name) => /^[a-z][a-z-]*$/.test(name) && name !== 'none');

const compatStatus = (name) => compat.css.properties[name]?.__compat?.status;
const byteLength = (text) => Buffer.byteLength(text, 'utf8');

// A property ships when it is standard, or when the compatibility data still counts it on
// the standards track: experimental ones only while not deprecated, obsolete ones (page-break-*,
// clip) because hand-written pages still use them. Vendor-prefixed names and custom properties
// stay out.
function shipsProperty(name) {
  if (name.startsWith('-')) return false;
  const status = mdnProperties[name].status;
  if (status === 'standard') return true;
  const track = compatStatus(name);
  if (!track?.standard_track) return false;
  if (status === 'experimental') return !track.deprecated;
  return status === 'obsolete';
}

const grammarCache = new Map();
function grammar(syntaxText) {
  if (!grammarCache.has(syntaxText)) grammarCache.set(syntaxText, parseGrammar(syntaxText));
  return grammarCache.get(syntaxText);
}

// Collects keywords and placeholders of a grammar node into `out` (a Map from value to the
// shallowest depth it was found at), in grammar order.
function collect(node, depth, out, seen) {
  const add = (value) => { if (!out.has(value)) out.set(value, depth); };
  switch (node.type) {
    case 'Keyword':
      add(node.name);
      return;
    case 'Multiplier':
      collect(node.term, depth, out, seen);
      return;
    case 'Group':
      // A sequence that opens with a function is one functional notation: nothing in it is a
      // value of its own.
      if (node.combinator === ' ' && node.terms[0]?.type === 'Function') return;
      for (const term of node.terms) collect(term, depth, out, seen);
      return;
    case 'Type': {
      if (node.name === 'counter-style-name') {
        for (const name of PREDEFINED_COUNTER_STYLES) add(name);
        add('[navn]');
        return;
      }
      if (PLACEHOLDERS.has(node.name)) { add(PLACEHOLDERS.get(node.name)); return; }
      if (node.name.endsWith('()')) return; // a functional notation such as <light-dark()>
      const syntax = mdnSyntaxes[node.name]?.syntax;
      if (syntax) follow(`<${node.name}>`, syntax, depth, out, seen);
      return;
    }
    case 'Property': {
      const syntax = mdnProperties[node.name]?.syntax;
      if (syntax) follow(`<'${node.name}'>`, syntax, depth, out, seen);
      return;
    }
    default:
      return; // functions, tokens, commas and slashes are no values of a list
  }
}

function follow(key, syntax, depth, out, seen) {
  if (depth >= MAX_DEPTH || seen.has(key)) return;
  seen.add(key);
  collect(grammar(syntax), depth + 1, out, seen);
  seen.delete(key);
}

const joinValues = (values) => values.join(', ');

// Builds the value list of one property. Placeholders and the CSS-wide keywords always stay.
// When the list is longer than a record's field, keywords are dropped until it fits: first
// those the editor data does not name for the property (it names the common ones, such as
// display's inline-block and none), then by how deep in the grammar they were found (keywords
// that only turn up through nested named syntaxes go before the property's own), then the
// longest (table-column-group or span-x-self-start are the rare ones), and among equals from
// the end of the list.
function valueList(name, syntax) {
  const found = new Map();
  if (syntax) collect(grammar(syntax), 0, found, new Set([`<'${name}'>`]));
  for (const keyword of CSS_WIDE_KEYWORDS) found.delete(keyword);
  const common = editorValues.get(name) ?? new Set();
  const entries = [...found].map(([value, depth], order) =>
    ({ value, depth, order, rank: common.has(value) ? 0 : 1 }));
  const kept = new Set(entries);
  const droppable = entries.filter((entry) => !entry.value.startsWith('['))
    .sort((a, b) => b.rank - a.rank || b.depth - a.depth
      || b.value.length - a.value.length || b.order - a.order);
  const render = () => joinValues([...entries.filter((e) => kept.has(e)).map((e) => e.value),
    ...CSS_WIDE_KEYWORDS]);
  while (byteLength(render()) > MAX_VALUES_BYTES && droppable.length) kept.delete(droppable.shift());
  const text = render();
  if (byteLength(text) > MAX_VALUES_BYTES) throw new Error(`values of ${name} do not fit`);
  return text;
}

// The shipped properties with their value lists, by name. Beside the grammar data's own list
// come the settled standard properties only the compatibility data knows (color-interpolation,
// speak); its "custom-property" entry stands for the --* custom properties and stays out.
function properties() {
  const names = Object.keys(mdnProperties).filter(shipsProperty);
  for (const name of Object.keys(compat.css.properties)) {
    const status = compatStatus(name);
    if (mdnProperties[name] || name.startsWith('-') || name === 'custom-property') continue;
    if (status?.standard_track && !status.experimental && !status.deprecated) names.push(name);
  }
  return names.filter((name) => byteLength(name) <= MAX_NAME_BYTES).sort().map((name) =>
    [name, valueList(name, mdnProperties[name]?.syntax ?? MISSING_GRAMMARS[name])]);
}

// Pseudo-classes and pseudo-elements in their written form; functional ones keep "()".
function selectors(prefix) {
  return Object.keys(mdnSelectors)
    .filter((name) => name.startsWith(prefix) && !name.startsWith(prefix + '-')
      && (prefix === '::' || !name.startsWith('::')))
    .filter((name) => {
      const status = mdnSelectors[name].status;
      if (status === 'standard') return true;
      const bare = name.replace(/^:+/, '').replace('()', '');
      const track = compat.css.selectors[bare]?.__compat?.status;
      return status === 'experimental' && track?.standard_track && !track.deprecated;
    })
    .sort()
    .map((name) => [name]);
}

export async function generate(facts) {
  facts.writeTsv('css-properties.tsv', ['property', 'values'], properties());
  facts.writeTsv('css-pseudo-classes.tsv', ['name'], selectors(':'));
  facts.writeTsv('css-pseudo-elements.tsv', ['name'], selectors('::'));
}
