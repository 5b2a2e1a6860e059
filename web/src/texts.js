// The page's own texts in Hungarian and English; the programs' texts come
// from the engine's message catalogue. An element with data-text="key" shows
// the text of that key, data-title, data-placeholder and data-label its
// attributes. {1}, {2} ... are filled in by pageText.
const texts = {
  hu: {
    title: 'qerix: relacios algebra a bongeszoben',
    privacy: 'Minden ezen az oldalon, a bongeszoben fut: a bemenet sehova sem megy, es semmi sem marad meg.',
    loading: 'A motor toltodik...',
    ready: 'Kesz.',
    language: 'Nyelv',
    example: 'Pelda',
    chooseExample: 'valasszon lekerdezest...',
    extended: 'Tankonyvi muveletek es jeloles (-x)',
    extendedTitle: 'intersect, join, semijoin, antijoin, divide es a tankonyvi jeloles (qerix -x)',
    run: 'Futtatas',
    download: 'Az output file letoltese',
    inputHeading: 'Input file: az elso soraban a lekerdezes, utana a relaciok',
    symbols: 'Tankonyvi jelek (a \\sigma, \\pi, \\land ... begepelese is ezeket adja)',
    result: 'Eredmeny',
    warnings: 'Figyelmeztetesek',
    none: 'Nincs.',
    tree: 'Muveleti fa',
    treeHint: '(egy csomopontra kattintva a sajat eredmenye)',
    outputFile: 'Output file',
    checkHeading: 'Valasz ellenorzese',
    checkIntro: 'A szerkeszto lekerdezese a valasz; a modell valasz a szerkeszto relacioin fut.',
    modelPlaceholder: 'A modell valasz, pl. project(select(Emp,GT(age,30)),name)',
    check: 'Ellenorzes',
    exitStatus: 'Kilepesi kod: {1}',
    noResultRelation: 'Nincs eredmenyrelacio',
    records: '{1} rekord',
    firstShown: ' (az elso {1} latszik)',
    writeModelFirst: 'Elobb irja be a modell valaszt (egy lekerdezest).',
    nodeNoResult: 'nincs eredmeny',
    nodeError: 'hiba',
    nodeNotEvaluated: 'nem ertekelte',
  },
  en: {
    title: 'qerix: relational algebra in the browser',
    privacy: 'Everything runs in this page, in your browser: your input is sent nowhere and nothing is kept.',
    loading: 'Loading the engine...',
    ready: 'Ready.',
    language: 'Language',
    example: 'Example',
    chooseExample: 'choose a query...',
    extended: 'Textbook operators and notation (-x)',
    extendedTitle: 'intersect, join, semijoin, antijoin, divide and the textbook notation (qerix -x)',
    run: 'Run',
    download: 'Download the output file',
    inputHeading: 'Input file: the query on its first line, then the relations',
    symbols: 'Textbook symbols (typing \\sigma, \\pi, \\land ... gives them too)',
    result: 'Result',
    warnings: 'Warnings',
    none: 'None.',
    tree: 'Operator tree',
    treeHint: '(click a node for its own result)',
    outputFile: 'Output file',
    checkHeading: 'Check an answer',
    checkIntro: "The editor's query is the answer; the model answer runs on the editor's relations.",
    modelPlaceholder: 'The model answer, e.g. project(select(Emp,GT(age,30)),name)',
    check: 'Check',
    exitStatus: 'Exit status {1}',
    noResultRelation: 'No result relation',
    records: '{1|record|records}',
    firstShown: ' (the first {1} shown)',
    writeModelFirst: 'Write the model answer (a query) first.',
    nodeNoResult: 'no result',
    nodeError: 'error',
    nodeNotEvaluated: 'not evaluated',
  },
};

let current = 'hu';

// The first choice: English unless the browser prefers Hungarian.
export function browserLanguage(preferred) {
  return String(preferred ?? '').toLowerCase().startsWith('hu') ? 'hu' : 'en';
}

export function pageLanguage() {
  return current;
}

// A text with {1}, {2} ... replaced, in the current language; also a
// program's text from the engine, which uses the same parameters.
// {1|record|records} is a count followed by the word that agrees with it.
export function fill(text, ...values) {
  return text.replace(/\{([1-9])(?:\|([^|}]*)\|([^}]*))?\}/g, (whole, number, one, many) => {
    const value = values[number - 1];
    if (value === undefined) return whole;
    return one === undefined ? String(value) : `${value} ${String(value) === '1' ? one : many}`;
  });
}

export function pageText(key, ...values) {
  return fill(texts[current][key], ...values);
}

// Puts every marked element of the page into `language`.
export function showLanguage(language) {
  current = language;
  document.documentElement.lang = language;
  document.title = pageText('title');
  for (const element of document.querySelectorAll('[data-text]')) element.textContent = pageText(element.dataset.text);
  for (const element of document.querySelectorAll('[data-title]')) element.title = pageText(element.dataset.title);
  for (const element of document.querySelectorAll('[data-placeholder]')) {
    element.placeholder = pageText(element.dataset.placeholder);
  }
  for (const element of document.querySelectorAll('[data-label]')) {
    element.setAttribute('aria-label', pageText(element.dataset.label));
  }
}

export const languages = Object.keys(texts);
