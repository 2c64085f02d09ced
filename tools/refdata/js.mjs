// JavaScript facts: the members of the core built-ins and of the browser objects, and the
// reserved words and literals of the language.
//
// Browser-compat data says which members exist, are on the standards track and are not
// deprecated; Web IDL says whether a browser member is a method, a property or an event
// handler. The built-ins have no IDL, so their kind is read from the running engine and,
// for members this engine does not have yet, from the anchor of their standard's link.
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const bcd = require('@mdn/browser-compat-data');
const webref = require('@webref/idl');

// Built-in objects whose members a hand-coder writes.
const BUILTINS = ['Object', 'Function', 'Array', 'String', 'Number', 'Boolean', 'Math', 'Date',
  'RegExp', 'JSON', 'Promise', 'Map', 'Set', 'WeakMap', 'WeakSet', 'Symbol', 'Error', 'BigInt',
  'Intl', 'Reflect'];

// Browser interfaces and namespaces whose members ship or may ship in the JavaScript tree.
const INTERFACES = ['Window', 'Document', 'Node', 'Element', 'HTMLElement', 'EventTarget', 'Event',
  'UIEvent', 'MouseEvent', 'KeyboardEvent', 'FocusEvent', 'InputEvent', 'WheelEvent',
  'PointerEvent', 'TouchEvent', 'Location', 'History', 'Navigator', 'Screen', 'Storage', 'console',
  'XMLHttpRequest', 'Response', 'Request', 'Headers', 'URL', 'URLSearchParams', 'FormData',
  'DOMTokenList', 'CSSStyleDeclaration', 'NodeList', 'HTMLCollection', 'Text', 'CharacterData',
  'DocumentFragment', 'HTMLFormElement', 'HTMLInputElement', 'HTMLSelectElement',
  'HTMLTextAreaElement', 'HTMLButtonElement', 'HTMLOptionElement', 'HTMLImageElement',
  'HTMLAnchorElement', 'HTMLMediaElement', 'HTMLCanvasElement', 'CanvasRenderingContext2D',
  'Geolocation', 'Selection', 'MediaQueryList'];

// Deprecated members that hand-written pages still use every day; they ship all the same.
const COMMON_DEPRECATED = new Set(['String.substr', 'KeyboardEvent.keyCode',
  'KeyboardEvent.charCode', 'UIEvent.which', 'Document.execCommand', 'global.escape',
  'global.unescape', 'Navigator.platform', 'Event.returnValue', 'Document.write', 'Document.writeln']);

// The reserved words of ECMAScript (including those reserved only in strict mode or for future
// use), the words with a meaning of their own in some places (not get and set, which are
// everyday method names), and the literal values.
const KEYWORDS = ['await', 'break', 'case', 'catch', 'class', 'const', 'continue', 'debugger',
  'default', 'delete', 'do', 'else', 'enum', 'export', 'extends', 'finally', 'for', 'function',
  'if', 'import', 'in', 'instanceof', 'new', 'return', 'super', 'switch', 'this', 'throw', 'try',
  'typeof', 'var', 'void', 'while', 'with', 'yield', 'let', 'static', 'implements', 'interface',
  'package', 'private', 'protected', 'public', 'async', 'of', 'true', 'false', 'null', 'undefined'];

function ships(compat, key) {
  const status = compat?.status;
  if (!status) return false;
  if (COMMON_DEPRECATED.has(key)) return true;
  return status.standard_track && !status.deprecated;
}

// Own members of every instance, which neither the constructor nor its prototype holds.
const SAMPLE_INSTANCES = { RegExp: /a/, Error: new Error('', { cause: 0 }) };

// Kind of a built-in member: method when the engine holds a function there, property for a
// value or an accessor; without the member in this engine, a "get " anchor in the standard's link
// marks an accessor and anything else is taken for a method.
function builtinKind(objectName, member, compat) {
  const holder = globalThis[objectName];
  for (const target of [holder, holder?.prototype, SAMPLE_INSTANCES[objectName]]) {
    if (target === undefined || target === null) continue;
    const descriptor = Object.getOwnPropertyDescriptor(target, member);
    if (!descriptor) continue;
    if (descriptor.get || descriptor.set) return 'property';
    return typeof descriptor.value === 'function' ? 'method' : 'property';
  }
  const specs = [compat?.spec_url ?? []].flat();
  if (specs.some((url) => /#sec-get-/.test(url))) return 'property';
  return 'method';
}

function builtinRows() {
  const rows = [];
  const builtins = bcd.javascript.builtins;
  for (const objectName of BUILTINS) {
    const data = builtins[objectName];
    for (const [member, feature] of Object.entries(data)) {
      // Skips the constructor itself, well-known symbols ("@@iterator") and the sub-features
      // that describe behaviour rather than name a member ("unicode_code_point_escapes").
      if (member === '__compat' || member === objectName || !/^[A-Za-z_$][\w$]*$/.test(member)
        || /^[a-z]+(_[a-z]+)+$/.test(member))
        continue;
      if (!ships(feature.__compat, `${objectName}.${member}`)) continue;
      rows.push([objectName, member, builtinKind(objectName, member, feature.__compat)]);
    }
  }
  for (const [name, feature] of Object.entries(builtins)) {
    if (!/^[a-z]/.test(name)) continue;
    if (!ships(feature.__compat, `global.${name}`)) continue;
    const kind = typeof globalThis[name] === 'function' ? 'method' : 'property';
    rows.push(['global', name, kind]);
  }
  for (const name of ['NaN', 'Infinity']) {
    if (ships(builtins[name]?.__compat, `global.${name}`)) rows.push(['global', name, 'property']);
  }
  return rows;
}

// Members of every interface, namespace and mixin, with partial definitions merged and the
// mixins an interface includes folded into it. Inheritance is kept apart: a member belongs
// to the interface that declares it.
async function idlMembers() {
  const parsed = await webref.parseAll();
  const definitions = new Map();
  const inherits = new Map();
  const includes = [];
  const entry = (name) => {
    if (!definitions.has(name)) definitions.set(name, new Map());
    return definitions.get(name);
  };
  // Files in name order, so that partial definitions merge the same way on every machine.
  for (const [, ast] of Object.entries(parsed).sort(([a], [b]) => (a < b ? -1 : a > b ? 1 : 0))) {
    for (const definition of ast) {
      if (definition.type === 'includes') {
        includes.push([definition.target, definition.includes]);
        continue;
      }
      if (!['interface', 'interface mixin', 'namespace', 'callback interface'].includes(definition.type))
        continue;
      const members = entry(definition.name);
      if (definition.inheritance) inherits.set(definition.name, definition.inheritance);
      for (const member of definition.members) {
        if (!member.name || members.has(member.name)) continue;
        if (member.type === 'operation') members.set(member.name, 'method');
        else if (member.type === 'attribute')
          members.set(member.name, /^On\w*EventHandler$|^EventHandler$/.test(member.idlType?.idlType)
            ? 'event' : 'property');
        else if (member.type === 'const') members.set(member.name, 'property');
      }
    }
  }
  for (const [target, mixin] of includes) {
    const members = entry(target);
    for (const [name, kind] of definitions.get(mixin) ?? []) if (!members.has(name)) members.set(name, kind);
  }
  return { definitions, inherits };
}

function browserRows({ definitions, inherits }) {
  const rows = [];
  const ancestry = (name) => {
    const chain = [];
    for (let at = name; at; at = inherits.get(at)) chain.push(at);
    return chain;
  };
  for (const interfaceName of INTERFACES) {
    const members = definitions.get(interfaceName);
    const compat = bcd.api[interfaceName];
    if (!members || !compat) throw new Error(`no IDL or compat data for ${interfaceName}`);
    for (const [member, kind] of members) {
      const key = `${interfaceName}.${member}`;
      if (kind === 'event') {
        // An event handler attribute ships when its event is known on the interface or an
        // interface it inherits from; events of the page's elements also reach the window
        // and the document, whose handlers for them ship too. The handlers every HTML element
        // carries also cover the events of the kinds of element that fire them (submit of a
        // form, play of a video).
        const eventName = `${member.slice(2)}_event`;
        const owners = ancestry(interfaceName);
        if (interfaceName === 'Window') owners.push('Document');
        if (interfaceName === 'Window' || interfaceName === 'Document') owners.push('Element');
        if (interfaceName === 'HTMLElement')
          owners.push(...[...inherits.keys()].filter((at) => ancestry(at).includes('HTMLElement')));
        const known = owners.map((at) => bcd.api[at]?.[eventName]?.__compat)
          .find((data) => data);
        if (ships(known, key)) rows.push([interfaceName, member, kind]);
        continue;
      }
      // Members of the global scope mixins stand at the top of the compat data.
      const feature = compat[member] ?? compat[`${member}_static`]
        ?? (interfaceName === 'Window' ? bcd.api[member] : undefined);
      if (!feature || !ships(feature.__compat, key)) continue;
      rows.push([interfaceName, member, kind]);
    }
  }
  return rows;
}

export async function generate(facts) {
  const rows = [...builtinRows(), ...browserRows(await idlMembers())];
  const seen = new Set();
  for (const [object, member] of rows) {
    const key = `${object}.${member}`;
    if (seen.has(key)) throw new Error(`member listed twice: ${key}`);
    seen.add(key);
  }
  facts.writeTsv('js-members.tsv', ['object', 'member', 'kind'], rows);
  facts.writeTsv('js-keywords.tsv', ['keyword'], KEYWORDS.map((keyword) => [keyword]));
}
