// HTML facts: elements, their attributes with value lists, global attributes and event
// attributes. Names and relations come from browser-compat-data, enumerated values from
// web-custom-data (names only), the legacy attributes of HTML 4.01 from its DTDs, and the
// event handler names from the Web IDL mixins. No description text is read.
import { existsSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import idl from '@webref/idl';

const require = createRequire(import.meta.url);
const bcd = require('@mdn/browser-compat-data');
const customData = require('@vscode/web-custom-data/data/browsers.html-data.json');

const dtdFolder = '/usr/share/xml/w3c-sgml-lib/schema/dtd/REC-html401-19991224';

// Experimental or vendor-only entries of the compat data that hand-written pages do not use.
const droppedElements = new Set(['camera', 'geolocation', 'install', 'microphone', 'usermedia',
  'model', 'fencedframe', 'selectedcontent']);
const droppedAttributes = new Set(['attributionsrc', 'allowpaymentrequest', 'browsingtopics',
  'moz-opaque', 'datapagesize', 'importance', 'intrinsicsize', 'seamless', 'sorted',
  'typemustmatch', 'mediagroup', 'scoped', 'manifest', 'text@script', 'nowrap@dd',
  'autocapitalize@form', 'cols@pre', 'wrap@pre', 'content@canvas', 'autocomplete@button']);
// Obsolete in current HTML although the strict HTML 4.01 DTD still has them.
const legacyAttributes = new Set(['accept@form', 'ismap@input', 'form@label', 'form@meter',
  'charset@script', 'event@script', 'for@script', 'profile@head']);
// Non-standard in the compat data, yet written by every XHTML page.
const keptNonStandard = new Set(['xmlns']);

// Obsolete elements that neither the compat data nor the HTML 4.01 DTDs still list, but that
// old pages carry; and the two foreign roots that HTML pages embed.
const extraElements = {
  listing: { legacy: true, attributes: {} },
  blink: { legacy: true, attributes: {} },
  bgsound: { legacy: true, attributes: { src: '[url]', loop: '[heltal]' } },
  spacer: { legacy: true, attributes: { type: 'horizontal,vertical,block', size: '[heltal]',
    width: '[tal]', height: '[tal]', align: 'left,right,top,middle,bottom' } },
  multicol: { legacy: true, attributes: { cols: '[heltal]', gutter: '[tal]', width: '[tal]' } },
  keygen: { legacy: true, attributes: { challenge: '[tekst]', disabled: 'disabled', form: '[navn]',
    keytype: 'rsa,dsa,ec', name: '[navn]' } },
  menuitem: { legacy: true, attributes: { type: { valueSet: 'mit' }, label: '[tekst]', icon: '[url(grafik)]',
    disabled: 'disabled', checked: 'checked', radiogroup: '[navn]', default: 'default' } },
  svg: { legacy: false, attributes: { xmlns: 'http://www.w3.org/2000/svg' }, compat: () => bcd.svg.elements.svg },
  math: { legacy: false, attributes: { xmlns: 'http://www.w3.org/1998/Math/MathML' }, compat: () => bcd.mathml.elements.math },
};

// The entries the library tree needs besides real elements.
const pseudoElements = [
  { name: '!DOCTYPE', attributes: [['html', 'html'], ['PUBLIC', '[tekst]']] },
  { name: '!--', attributes: [] },
];

const voidElements = new Set(['area', 'base', 'br', 'col', 'embed', 'hr', 'img', 'input', 'link',
  'meta', 'source', 'track', 'wbr', 'basefont', 'bgsound', 'frame', 'isindex', 'keygen', 'param',
  'spacer']);
// Elements whose end tag current HTML lets the writer leave out, besides those the HTML 4.01
// DTD marks so; plaintext never ends, the rest of the file being its text.
const endTagOptionalSinceHtml4 = new Set(['optgroup', 'caption', 'rb', 'rt', 'rtc', 'rp', 'plaintext']);

const boolean = new Set(['allowfullscreen', 'async', 'autofocus', 'autoplay', 'checked', 'compact',
  'controls', 'declare', 'default', 'defer', 'disabled', 'disablepictureinpicture',
  'disableremoteplayback', 'formnovalidate', 'inert', 'ismap', 'itemscope', 'multiple', 'muted',
  'nohref', 'nomodule', 'noresize', 'noshade', 'novalidate', 'nowrap', 'open', 'playsinline',
  'readonly', 'required', 'reversed', 'selected', 'shadowrootclonable', 'shadowrootdelegatesfocus',
  'shadowrootserializable', 'shadowrootcustomelementregistry', 'truespeed', 'webkitdirectory']);
const notBooleanOn = new Set(['loop@marquee', 'loop@bgsound']);

const targets = '_blank,_self,_parent,_top';
const linkRelations = 'alternate,author,bookmark,canonical,dns-prefetch,external,help,icon,license,' +
  'manifest,modulepreload,next,nofollow,noopener,noreferrer,opener,pingback,preconnect,prefetch,' +
  'preload,prev,search,stylesheet,tag';
const anchorRelations = 'alternate,author,bookmark,external,help,license,next,nofollow,noopener,' +
  'noreferrer,opener,prev,search,tag';

// Enumerations the packages do not carry as value sets (keyword names from the standards).
const knownValues = {
  autocapitalize: 'none,sentences,words,characters,on,off',
  contenteditable: 'true,false,plaintext-only',
  inputmode: 'none,text,decimal,numeric,tel,search,email,url',
  writingsuggestions: 'true,false',
  'target@*': targets,
  'formtarget@*': targets,
  'rel@a': anchorRelations, 'rel@area': anchorRelations, 'rel@link': linkRelations,
  'rel@form': 'external,help,license,next,nofollow,noopener,noreferrer,opener,prev,search',
  'rev@a': anchorRelations, 'rev@link': linkRelations,
  'as@link': 'audio,document,embed,fetch,font,image,object,script,style,track,video,worker',
  'http-equiv@meta': 'content-type,content-language,content-security-policy,default-style,refresh,' +
    'x-ua-compatible,expires,pragma,cache-control',
  'type@li': '1,a,A,i,I,disc,square,circle',
  'type@ol': '1,a,A,i,I',
  'type@script': 'text/javascript,module,importmap',
  'type@style': 'text/css',
  'autocomplete@input': 'on,off,name,given-name,family-name,email,username,new-password,' +
    'current-password,one-time-code,tel,organization,street-address,postal-code,address-level2,' +
    'country-name,bday,url,cc-number',
  'autocomplete@select': 'on,off,country,country-name,sex,language,bday-day,bday-month,bday-year',
  'autocomplete@textarea': 'on,off,street-address,address-line1',
  'autocomplete@form': 'on,off',
  'allow@iframe': 'accelerometer,autoplay,camera,clipboard-write,encrypted-media,fullscreen,' +
    'geolocation,gyroscope,microphone,payment,picture-in-picture,web-share',
  'name@meta': 'application-name,author,color-scheme,description,generator,keywords,referrer,robots,' +
    'theme-color,viewport',
  'xmlns@html': 'http://www.w3.org/1999/xhtml',
  'align@embed': 'top,middle,bottom,left,right',
  'sizes@img': '[tekst]',
  'wrap@textarea': 'soft,hard,off',
  'loading@iframe': 'eager,lazy',
  'loading@video': 'eager,lazy',
  'loading@audio': 'eager,lazy',
  'fetchpriority@*': 'high,low,auto',
  'decoding@img': 'sync,async,auto',
  'controlslist@*': 'nodownload,nofullscreen,noremoteplayback',
  'closedby@dialog': 'any,closerequest,none',
  'open@dialog': 'open',
  'command@button': 'show-modal,close,request-close,show-popover,hide-popover,toggle-popover',
  'popovertargetaction@*': 'toggle,show,hide',
  'shadowrootmode@template': 'open,closed',
  'blocking@*': 'render',
  'capture@input': 'user,environment',
  'behavior@marquee': 'scroll,slide,alternate',
  'direction@marquee': 'left,right,up,down',
  'size@font': '1,2,3,4,5,6,7,-2,-1,+1,+2,+3,+4',
  'size@basefont': '1,2,3,4,5,6,7',
  'frameborder@iframe': '1,0', 'frameborder@frame': '1,0',
  'scrolling@iframe': 'auto,yes,no', 'scrolling@frame': 'auto,yes,no',
  'charset@meta': 'utf-8',
  'method@form': 'get,post,dialog',
  'formmethod@*': 'get,post,dialog',
  'version@html': '-//W3C//DTD HTML 4.01//EN',
  'preload@audio': 'none,metadata,auto',
  'sandbox@iframe': 'allow-downloads,allow-forms,allow-modals,allow-orientation-lock,' +
    'allow-pointer-lock,allow-popups,allow-popups-to-escape-sandbox,allow-presentation,' +
    'allow-same-origin,allow-scripts,allow-top-navigation,allow-top-navigation-by-user-activation',
  'kind@track': 'subtitles,captions,descriptions,chapters,metadata',
  'display@math': 'block,inline',
  'preserveAspectRatio@svg': 'none,xMinYMin,xMidYMid,xMaxYMax,meet,slice',
  'zoomAndPan@svg': 'disable,magnify',
  'valuetype@param': 'data,ref,object',
};

// Attributes whose value is a picture's address.
const pictureAddress = new Set(['src@img', 'src@input', 'background', 'poster', 'srcset@img',
  'srcset@source', 'imagesrcset', 'icon']);
const address = new Set(['href', 'src', 'action', 'cite', 'formaction', 'data@object', 'codebase',
  'archive', 'ping', 'longdesc', 'usemap', 'profile', 'classid', 'code@applet', 'object@applet',
  'for@script', 'xmlns', 'srcset', 'itemid', 'itemtype']);
const colour = new Set(['bgcolor', 'color', 'text', 'link', 'vlink', 'alink', 'bordercolor']);
// Where a width or height is usually written in per cent; elsewhere it counts pixels.
const percentElements = new Set(['table', 'td', 'th', 'col', 'colgroup', 'hr', 'marquee']);
const integers = new Set(['colspan', 'rowspan', 'span', 'size', 'maxlength', 'minlength', 'tabindex',
  'start', 'cols', 'rows', 'scrollamount', 'scrolldelay', 'loop', 'value@li', 'border',
  'hspace', 'vspace', 'marginwidth', 'marginheight', 'cellpadding', 'cellspacing', 'charoff',
  'leftmargin', 'rightmargin', 'topmargin', 'bottommargin']);
const numbers = new Set(['min', 'max', 'step', 'low', 'high', 'optimum', 'value@meter',
  'value@progress', 'x', 'y']);
const names = new Set(['name', 'id', 'for', 'form', 'list', 'headers', 'slot', 'part', 'is',
  'itemprop', 'itemref', 'class', 'popovertarget', 'commandfor', 'radiogroup', 'dirname',
  'exportparts']);
const placeholderByDtdType = {
  URI: '[url]', Color: '[farve]', Text: '[tekst]', Script: '[script]', StyleSheet: '[tekst]',
  Charset: '[tegnsæt]', Charsets: '[tegnsæt]', ContentType: '[mime-type]', ContentTypes: '[mime-type]',
  LanguageCode: '[sprog]', Datetime: '[dato]', FrameTarget: targets, Coords: '[koordinater]',
  MediaDesc: '[medie]', LinkTypes: '[tekst]', Character: '[tekst]', Pixels: '[tal]', Length: '[tal]',
  MultiLength: '[tal]', MultiLengths: '[tekst]', NUMBER: '[heltal]', ID: '[navn]', IDREF: '[navn]',
  IDREFS: '[navn]', NAME: '[navn]', NAMES: '[navn]', CDATA: '[tekst]',
  OLStyle: '1,a,A,i,I', LIStyle: '1,a,A,i,I,disc,square,circle',
};

function bySpecificity(table, attribute, element) {
  return table[`${attribute}@${element}`] ?? table[attribute] ?? table[`${attribute}@*`];
}
function inSet(set, attribute, element) {
  return set.has(`${attribute}@${element}`) || set.has(attribute);
}

function placeholderFor(attribute, element, dtdType) {
  if (inSet(pictureAddress, attribute, element)) return '[url(grafik)]';
  if (colour.has(attribute)) return '[farve]';
  if (attribute === 'face') return '[font]';
  if (attribute === 'width' || attribute === 'height')
    return percentElements.has(element) ? '[procent]' : '[tal]';
  if (inSet(address, attribute, element)) return '[url]';
  if (dtdType && placeholderByDtdType[dtdType] && !['CDATA', 'Length', 'Pixels'].includes(dtdType))
    return placeholderByDtdType[dtdType];
  if (inSet(integers, attribute, element)) return '[heltal]';
  if (inSet(numbers, attribute, element)) return '[tal]';
  if (attribute === 'datetime') return '[dato]';
  if (['hreflang', 'srclang', 'lang'].includes(attribute)) return '[sprog]';
  if (['type', 'accept', 'codetype', 'enctype'].includes(attribute)) return '[mime-type]';
  if (['charset', 'accept-charset'].includes(attribute)) return '[tegnsæt]';
  if (attribute === 'coords') return '[koordinater]';
  if (attribute === 'media') return '[medie]';
  if (names.has(attribute)) return '[navn]';
  if (dtdType && placeholderByDtdType[dtdType]) return placeholderByDtdType[dtdType];
  return '[tekst]';
}

// ---- HTML 4.01 DTDs -------------------------------------------------------------------------

// Type entities stay as names so their meaning can choose a placeholder.
const typeEntities = new Set(['ContentType', 'ContentTypes', 'Charset', 'Charsets', 'LanguageCode',
  'Character', 'LinkTypes', 'MediaDesc', 'URI', 'Datetime', 'Script', 'StyleSheet', 'FrameTarget',
  'Text', 'Color', 'Length', 'MultiLength', 'MultiLengths', 'Pixels', 'Coords', 'OLStyle', 'LIStyle']);

function readDtd(fileName, switches) {
  let text = readFileSync(`${dtdFolder}/${fileName}`, 'latin1');
  text = text.replace(/<!\[\s*%([\w.]+);\s*\[([\s\S]*?)\]\]>/g,
    (_, name, body) => (switches[name] === 'INCLUDE' ? body : ''));
  text = text.replace(/<!--[\s\S]*?-->/g, ' ');
  const entities = new Map();
  for (const match of text.matchAll(/<!ENTITY\s+%\s+([\w.]+)\s+(?:"([^"]*)"|'([^']*)')/g))
    if (!entities.has(match[1])) entities.set(match[1], match[2] ?? match[3]);
  const expand = (value) => value.replace(/--[\s\S]*?--/g, ' ').replace(/%([\w.]+);?/g, (_, name) =>
    typeEntities.has(name) ? ` @${name} ` : expand(entities.get(name) ?? ''));

  const elements = new Map();
  for (const match of text.matchAll(/<!ELEMENT\s+(\([^)]*\)|[\w%;.]+)\s+([-O])\s+([-O])/g)) {
    for (const name of expand(match[1]).replace(/[()]/g, ' ').split(/[\s|]+/).filter(Boolean))
      elements.set(name.toLowerCase(), { endTagOptional: match[3] === 'O', attributes: new Map() });
  }
  for (const match of text.matchAll(/<!ATTLIST\s+(\([^)]*\)|[\w%;.]+)([\s\S]*?)>/g)) {
    const owners = expand(match[1]).replace(/[()]/g, ' ').split(/[\s|]+/).filter(Boolean);
    const tokens = expand(match[2]).match(/\([^)]*\)|"[^"]*"|'[^']*'|[^\s]+/g) ?? [];
    // Each definition is name, type and default; a #FIXED default carries one more token.
    for (let i = 0; i + 2 < tokens.length; i += tokens[i + 2] === '#FIXED' ? 4 : 3) {
      const name = tokens[i].toLowerCase();
      const type = tokens[i + 1];
      for (const owner of owners) {
        const element = elements.get(owner.toLowerCase());
        if (element) element.attributes.set(name, type);
      }
    }
  }
  return elements;
}

function dtdValues(attribute, type) {
  if (type.startsWith('(')) {
    const words = type.slice(1, -1).split('|').map((word) => word.trim()).filter(Boolean);
    return words.length === 1 && words[0].toLowerCase() === attribute ? attribute : words.join(',');
  }
  return null;
}

// ---- Sources --------------------------------------------------------------------------------

// Sub-entries of an attribute that name extra keywords of its value.
function keywordSubfeatures(entry) {
  return Object.keys(entry ?? {}).filter((key) => ['plaintext-only', 'until-found', 'hint'].includes(key));
}

function compatStatus(entry) {
  return entry?.__compat?.status ?? {};
}

function isAttributeName(name) {
  return /^[a-zA-Z][a-zA-Z0-9-:]*$/.test(name);
}

function keepCompatAttribute(name, element, status) {
  if (!isAttributeName(name)) return false;
  if (droppedAttributes.has(name) || droppedAttributes.has(`${name}@${element}`)) return false;
  if (status.experimental) return false;
  if (!status.standard_track && !status.deprecated && !keptNonStandard.has(name)) return false;
  return true;
}

function customValueSets() {
  const sets = new Map(customData.valueSets.map((set) => [set.name, set.values.map((v) => v.name)]));
  const values = (attribute) => {
    if (attribute.valueSet === 'v') return [attribute.name];
    if (attribute.valueSet) return sets.get(attribute.valueSet) ?? null;
    if (attribute.values) return attribute.values.map((v) => v.name);
    return null;
  };
  return { sets, values };
}

async function eventHandlers() {
  const all = await idl.parseAll();
  const wanted = { GlobalEventHandlers: [], WindowEventHandlers: [] };
  const specs = new Set(['html', 'css-animations', 'css-transitions', 'pointerevents', 'touch-events',
    'selection-api']);
  for (const [spec, ast] of Object.entries(all)) {
    if (!specs.has(spec)) continue;
    for (const definition of ast) {
      if (!wanted[definition.name] || definition.type !== 'interface mixin') continue;
      for (const member of definition.members)
        if (member.name && !member.name.startsWith('onwebkit')) wanted[definition.name].push(member.name);
    }
  }
  return wanted;
}

const eventKinds = [
  [1701, ['onclick', 'ondblclick', 'onauxclick', 'oncontextmenu', 'onmousedown', 'onmouseup',
    'onmousemove', 'onmouseover', 'onmouseout', 'onmouseenter', 'onmouseleave', 'onwheel']],
  [1702, ['onkeydown', 'onkeypress', 'onkeyup']],
  [1703, ['onfocus', 'onblur']],
  [1704, ['onchange', 'oninput', 'onbeforeinput', 'oninvalid', 'onreset', 'onsubmit', 'onselect',
    'onformdata']],
  [1706, ['onabort', 'oncanplay', 'oncanplaythrough', 'oncuechange', 'ondurationchange', 'onemptied',
    'onended', 'onloadeddata', 'onloadedmetadata', 'onloadstart', 'onpause', 'onplay', 'onplaying',
    'onprogress', 'onratechange', 'onseeked', 'onseeking', 'onstalled', 'onsuspend', 'ontimeupdate',
    'onvolumechange', 'onwaiting']],
  [1707, ['ondrag', 'ondragstart', 'ondragend', 'ondragenter', 'ondragleave', 'ondragover', 'ondrop']],
  [1708, ['oncopy', 'oncut', 'onpaste']],
];

// ---- Generation -----------------------------------------------------------------------------

export async function generate(facts) {
  if (!existsSync(dtdFolder))
    throw new Error(`the HTML 4.01 DTDs are missing: apt-get install w3c-sgml-lib (${dtdFolder})`);
  const loose = readDtd('loose.dtd', { 'HTML.Reserved': 'IGNORE', 'HTML.Frameset': 'INCLUDE' });
  const strict = readDtd('strict.dtd', { 'HTML.Reserved': 'IGNORE' });
  const custom = customValueSets();
  const customTags = new Map(customData.tags.map((tag) => [tag.name, tag]));
  const customGlobals = new Map(customData.globalAttributes.map((a) => [a.name, a]));

  // Global attributes first: element attributes of the same name are not repeated.
  const globalNames = [];
  for (const [name, entry] of Object.entries(bcd.html.global_attributes)) {
    const status = compatStatus(entry);
    if (!isAttributeName(name) || status.experimental || !status.standard_track) continue;
    globalNames.push(name);
  }
  for (const name of ['itemid', 'itemprop', 'itemref', 'itemscope', 'itemtype'])
    if (customGlobals.has(name)) globalNames.push(name);
  globalNames.sort();
  const globals = new Set(globalNames);

  // Elements.
  const elements = new Map();
  for (const [name, entry] of Object.entries(bcd.html.elements)) {
    if (droppedElements.has(name)) continue;
    elements.set(name, { legacy: Boolean(compatStatus(entry).deprecated), compat: entry });
  }
  for (const name of loose.keys())
    if (!elements.has(name)) elements.set(name, { legacy: true, compat: null });
  for (const [name, extra] of Object.entries(extraElements))
    elements.set(name, { legacy: extra.legacy, compat: extra.compat ? extra.compat() : null });
  const elementNames = [...elements.keys()].sort();

  const elementRows = [];
  for (const pseudo of pseudoElements) elementRows.push([pseudo.name, 1, 0, 0]);
  for (const name of elementNames) {
    const isVoid = voidElements.has(name);
    // The tag check cannot count an end tag that may be left out; p is the exception that
    // the user's check list handles.
    const endTagOptional = loose.get(name)?.endTagOptional || endTagOptionalSinceHtml4.has(name);
    const check = !isVoid && (name === 'p' || !endTagOptional);
    elementRows.push([name, isVoid ? 1 : 0, elements.get(name).legacy ? 1 : 0, check ? 1 : 0]);
  }
  facts.writeTsv('html-elements.tsv', ['element', 'void', 'legacy', 'check'], elementRows);

  // Element attributes.
  const attributeRows = [];
  for (const pseudo of pseudoElements)
    for (const [attribute, values] of pseudo.attributes) attributeRows.push([pseudo.name, attribute, values, 0]);
  for (const element of elementNames) {
    const { legacy: elementLegacy, compat } = elements.get(element);
    const found = new Map(); // attribute -> { legacy, values, dtdType }
    const note = (attribute, fields) => {
      if (globals.has(attribute) || attribute.startsWith('on')) return;
      if (droppedAttributes.has(attribute) || droppedAttributes.has(`${attribute}@${element}`)) return;
      found.set(attribute, { ...(found.get(attribute) ?? { legacy: false }), ...fields });
    };
    const inputTypes = [];
    for (const [attribute, entry] of Object.entries(compat ?? {})) {
      if (attribute === '__compat') continue;
      const status = compatStatus(entry);
      if (element === 'input' && attribute.startsWith('type_')) { inputTypes.push(attribute.slice(5)); continue; }
      if (!keepCompatAttribute(attribute, element, status)) continue;
      const subValues = keywordSubfeatures(entry);
      note(attribute, { legacy: Boolean(status.deprecated), subValues });
    }
    const tag = customTags.get(element);
    for (const attribute of tag?.attributes ?? []) {
      if (!isAttributeName(attribute.name)) continue;
      const known = found.get(attribute.name);
      note(attribute.name, { legacy: known?.legacy ?? false, customValues: custom.values(attribute) });
    }
    const dtd = loose.get(element);
    for (const [attribute, type] of dtd?.attributes ?? []) {
      const legacyInDtd = !strict.get(element)?.attributes.has(attribute);
      const known = found.get(attribute);
      note(attribute, { legacy: known ? known.legacy : legacyInDtd, dtdType: type });
    }
    for (const [attribute, values] of Object.entries(extraElements[element]?.attributes ?? {}))
      note(attribute, typeof values === 'string' ? { fixedValues: values }
        : { customValues: custom.sets.get(values.valueSet) });
    if (element === 'input') note('type', { inputTypes });

    for (const attribute of [...found.keys()].sort()) {
      const info = found.get(attribute);
      const legacy = info.legacy || elementLegacy || legacyAttributes.has(`${attribute}@${element}`);
      attributeRows.push([element, attribute, attributeValues(element, attribute, info, custom), legacy ? 1 : 0]);
    }
  }
  checkValueWidths(attributeRows, 2);
  facts.writeTsv('html-attributes.tsv', ['element', 'attribute', 'values', 'legacy'], attributeRows);

  // Global attributes.
  const globalRows = globalNames.map((name) => {
    const entry = bcd.html.global_attributes[name];
    const subValues = keywordSubfeatures(entry);
    const info = { customValues: customGlobals.get(name) ? custom.values(customGlobals.get(name)) : null, subValues };
    return [name, attributeValues('*', name, info, custom), globalExceptions(name).join(',')];
  });
  checkValueWidths(globalRows, 1);
  facts.writeTsv('html-global-attributes.tsv', ['attribute', 'values', 'except'], globalRows);

  // Events.
  const handlers = await eventHandlers();
  const kindOf = new Map();
  for (const [kind, list] of eventKinds) for (const name of list) kindOf.set(name, kind);
  const eventRows = [];
  const seen = new Set();
  for (const [kind] of [...eventKinds, [1709]]) {
    for (const name of handlers.GlobalEventHandlers) {
      if ((kindOf.get(name) ?? 1709) !== kind || seen.has(name)) continue;
      seen.add(name);
      eventRows.push([name, kind, '*']);
    }
  }
  for (const name of handlers.WindowEventHandlers)
    if (!seen.has(name)) { seen.add(name); eventRows.push([name, 1705, 'body,frameset']); }
  eventRows.sort((a, b) => a[1] - b[1]);
  facts.writeTsv('html-events.tsv', ['event', 'kind', 'elements'], eventRows);
}

// A value list fills a 255-byte field of the library record.
function checkValueWidths(rows, column) {
  for (const row of rows)
    if (Buffer.byteLength(String(row[column]), 'utf8') > 255)
      throw new Error(`value list too long for ${row.slice(0, column).join('/')}`);
}

function attributeValues(element, attribute, info, custom) {
  const key = `${attribute}@${element}`;
  const fixed = info.fixedValues ?? knownValues[key];
  if (fixed) return fixed;
  if (info.inputTypes) {
    const order = custom.sets.get('t');
    return [...order.filter((t) => info.inputTypes.includes(t)),
      ...info.inputTypes.filter((t) => !order.includes(t))].join(',');
  }
  if (boolean.has(attribute) && !notBooleanOn.has(key) && !info.subValues?.length) return attribute;
  const enumerated = info.customValues?.length ? info.customValues
    : custom.sets.has(attribute) ? custom.sets.get(attribute)
    : info.dtdType ? dtdValues(attribute, info.dtdType)?.split(',') : null;
  if (enumerated?.length) {
    const list = [...enumerated];
    for (const extra of info.subValues ?? []) if (!list.includes(extra)) list.push(extra);
    return list.join(',');
  }
  const general = bySpecificity(knownValues, attribute, element);
  if (general) return general;
  if (info.subValues?.length) {
    const base = attribute === 'hidden' ? [attribute] : [];
    return [...base, ...info.subValues].join(',');
  }
  const dtdType = info.dtdType?.startsWith('@') ? info.dtdType.slice(1) : info.dtdType;
  return placeholderFor(attribute, element, dtdType);
}

const headOnly = ['base', 'head', 'meta', 'script', 'style', 'title', 'param', 'basefont'];
const notRendered = ['base', 'basefont', 'head', 'html', 'link', 'meta', 'param', 'script', 'style',
  'title', 'source', 'track', 'template', 'noscript', 'bgsound'];
const notInternational = ['applet', 'base', 'basefont', 'br', 'frame', 'frameset', 'iframe', 'param', 'script'];
const pseudoNames = pseudoElements.map((pseudo) => pseudo.name);

function globalExceptions(name) {
  let list;
  if (['class', 'style', 'id'].includes(name)) list = headOnly.filter((e) => !(name === 'id' && ['script', 'style'].includes(e)));
  else if (name === 'title') list = [...headOnly, 'html'];
  else if (['lang', 'dir', 'translate'].includes(name)) list = notInternational;
  else if (name === 'nonce') list = [];
  else list = notRendered;
  return [...pseudoNames, ...[...list].sort()];
}
