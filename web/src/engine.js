// The qerix engine compiled to WebAssembly (web/engine.cpp), held in the
// page: createQerixEngine comes from the engine's own script.
let engine = null;

export async function loadEngine() {
  // eslint-disable-next-line no-undef
  engine = await createQerixEngine();
  return engine;
}

// Texts go to the engine through its heap: ccall would copy them onto the
// WebAssembly stack, which an input of a few megabytes overflows.
function call(name, types, values) {
  const held = [];
  try {
    const passed = values.map((value, index) => {
      if (types[index] !== 'string') return value;
      const size = engine.lengthBytesUTF8(value) + 1;
      const address = engine._malloc(size);
      if (address === 0) throw new Error(texts?.outOfMemory ?? 'Nincs eleg memoria a lekerdezes vegrehajtasahoz.');
      held.push(address);
      engine.stringToUTF8(value, address, size);
      return address;
    });
    const answer = engine.ccall(name, 'number', types.map(() => 'number'), passed);
    return JSON.parse(engine.UTF8ToString(answer));
  } finally {
    for (const address of held) engine._free(address);
  }
}

// The language the programs write in: 'hu' or 'en' (--lang).
let language = 'hu';
let texts = null;
const english = () => (language === 'en' ? 1 : 0);
export function setEngineLanguage(name) {
  language = name;
  texts = call('qerixTexts', ['number'], [english()]);
}

// qerix --lang L [-x] input.txt output.txt: { status, stdout, stderr }.
export function runQuery(input, extended) {
  return call('qerixRun', ['string', 'number', 'number'], [input, extended ? 1 : 0, english()]);
}

// The output file's bytes, as the last run wrote them.
export function outputFileBytes() {
  try {
    return engine.FS.readFile('/qerix/output.txt');
  } catch {
    return new Uint8Array();
  }
}

// qerix-tree --lang L [-x] --json --steps --rows N: { status, tree, stderr }.
export function inspectQuery(input, extended, rows) {
  return call('qerixTree', ['string', 'number', 'number', 'number'], [input, extended ? 1 : 0, rows, english()]);
}

// qerix-check --lang L [-x] model answer: { status, report, tsv, stderr }.
export function checkAnswer(modelInput, answerQuery, extended) {
  return call('qerixCheck', ['string', 'string', 'number', 'number'],
    [modelInput, answerQuery, extended ? 1 : 0, english()]);
}

// The programs' texts the page shows itself, in the current language
// (web/engine.cpp, qerixTexts): { emptyResult, noResult, notEvaluated, failed, records, outOfMemory }.
export function programTexts() {
  return texts;
}

// The language table (web/engine.cpp, qerixLanguage): { operators, conditions, assignment }.
export function languageTable() {
  return call('qerixLanguage', [], []);
}
