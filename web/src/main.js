// The page: the input file in an editor; Run gives the result as a table,
// the output file, the warnings, and the tree with each node's own result;
// Check grades the editor's query against a model answer.
import { createEditor, insertAround, markQuotedText, setLanguage, setText } from './editor.js';
import {
  checkAnswer, inspectQuery, languageTable, loadEngine, outputFileBytes, programTexts, runQuery, setEngineLanguage,
} from './engine.js';
import { latexShortcuts, tokenPatterns, toolbarSymbols } from './language.js';

// The output file as text, read when it is shown, since it holds the whole input again.
function showOutputFile() {
  byId('output-file').textContent = new TextDecoder().decode(outputFileBytes());
}
import { browserLanguage, fill, pageLanguage, pageText, showLanguage } from './texts.js';
import { conditionLines, drawTree } from './tree_picture.js';

const shownRows = 200;  // of a result table, and of a node's own result
const byId = (id) => document.getElementById(id);

// The example sets that come with qerix, built into the page.
// eslint-disable-next-line no-undef
const examples = QERIX_EXAMPLES;

function inputOf(query, relations) {
  return `${query}\n\n${relations}`;
}

// The query line of an input file: its first non-empty line.
function queryLineOf(input) {
  return input.split('\n').map((line) => line.replace(/\r$/, '')).find((line) => line !== '') ?? '';
}

// The relations of an input file: what follows its query line.
function relationsOf(input) {
  const lines = input.split('\n');
  const queryAt = lines.findIndex((line) => line.replace(/\r$/, '') !== '');
  return queryAt < 0 ? '' : lines.slice(queryAt + 1).join('\n').replace(/^\n+/, '');
}

// The columns of a result, "name type" each, from its attributes as the engine reports them.
function columnsOf(step) {
  return step.attributes.map(({ name, type }) => `${name} ${type}`);
}

function fillTable(table, columns, records) {
  table.textContent = '';
  const head = table.createTHead().insertRow();
  for (const column of columns) {
    const cell = document.createElement('th');
    cell.textContent = column;
    head.append(cell);
  }
  const body = table.createTBody();
  for (const record of records.slice(0, shownRows)) {
    const row = body.insertRow();
    const values = columns.length === 0 ? [] : record.split(',');
    for (const value of values) row.insertCell().textContent = value;
  }
}

// The result's attributes come from the tree's root, which is the same relation: a header
// alone cannot say where a name holding ", " ends.
function showResult(outcome, inspection) {
  const lines = outcome.stdout.split('\n').filter((line, index, all) => index < all.length - 1 || line !== '');
  const status = byId('status');
  byId('result-table').textContent = '';
  byId('result-message').textContent = '';
  if (outcome.status !== 0) {
    status.textContent = pageText('exitStatus', outcome.status);
    status.className = 'status failed';
    byId('result-message').textContent = outcome.stderr.trim();
    byId('result-count').textContent = '';
  } else if (lines.length === 1 && lines[0] === programTexts().emptyResult) {
    status.textContent = pageText('exitStatus', 0);
    status.className = 'status done';
    byId('result-message').textContent = lines[0];
    byId('result-count').textContent = pageText('noResultRelation');
  } else {
    status.textContent = pageText('exitStatus', 0);
    status.className = 'status done';
    const records = lines.slice(1);
    const root = inspection.tree?.step;
    const columns = root?.outcome === 'result' && root.header === lines[0]
      ? columnsOf(root)
      : lines[0].slice(lines[0].indexOf('(') + 1, -1).split(', ').filter((column) => column !== '');
    fillTable(byId('result-table'), columns, records);
    byId('result-count').textContent = pageText('records', records.length) +
      (records.length > shownRows ? pageText('firstShown', shownRows) : '') + ` - ${lines[0]}`;
  }
}

function showNode(node) {
  const step = node.step;
  const title = byId('node-title');
  title.textContent = node.text.split('\n')[0].trim() || node.keyword;
  const condition = byId('node-condition');
  condition.textContent = conditionLines(node.text).join('\n');
  condition.hidden = condition.textContent === '';
  const message = byId('node-message');
  message.textContent = '';
  message.className = step?.outcome === 'error' ? 'message' : 'summary';
  byId('node-table').textContent = '';
  if (!step) return;
  if (step.outcome === 'result') {
    message.textContent = fill(programTexts().records, step.header, step.count) +
      (step.count > step.records.length ? pageText('firstShown', step.records.length) : '');
    fillTable(byId('node-table'), columnsOf(step), step.records);
  } else if (step.outcome === 'error') {
    message.textContent = fill(programTexts().failed, step.message);
  } else {
    message.textContent = step.outcome === 'no result' ? programTexts().noResult : programTexts().notEvaluated;
  }
}

function showTree(inspection) {
  const warnings = byId('warnings');
  warnings.textContent = '';
  const report = inspection.tree;
  for (const warning of report?.warnings ?? []) {
    const item = document.createElement('li');
    item.textContent = warning;
    warnings.append(item);
  }
  byId('warnings-none').hidden = (report?.warnings ?? []).length > 0;
  byId('node-title').textContent = '';
  byId('node-message').textContent = '';
  byId('node-table').textContent = '';
  drawTree(byId('tree'), report?.tree ?? null, (node, box) => {
    for (const selected of document.querySelectorAll('.tree-node.selected')) selected.classList.remove('selected');
    box.classList.add('selected');
    showNode(node);
  });
}

let editor;

function run() {
  const input = editor.state.doc.toString();
  const extended = byId('extended').checked;
  const started = performance.now();
  const outcome = runQuery(input, extended);
  const seconds = (performance.now() - started) / 1000;
  const inspection = inspectQuery(input, extended, shownRows);
  showResult(outcome, inspection);
  markQuotedText(editor, outcome.status !== 0 ? outcome.stderr : null);
  showTree(inspection);
  byId('timing').textContent = `${seconds.toFixed(3)} s`;
  byId('download').disabled = false;
  if (byId('output-details').open) showOutputFile();
}

function check() {
  const input = editor.state.doc.toString();
  const model = byId('model-answer').value.trim();
  const verdict = byId('verdict');
  if (model === '') {
    verdict.textContent = pageText('writeModelFirst');
    return;
  }
  const outcome = checkAnswer(inputOf(model, relationsOf(input)), queryLineOf(input), byId('extended').checked);
  verdict.textContent = outcome.stderr ? outcome.stderr : outcome.report;
  verdict.className = outcome.status === 0 ? 'verdict matches' : 'verdict differs';
}

function download() {
  const url = URL.createObjectURL(new Blob([outputFileBytes()], { type: 'text/plain' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = 'output.txt';
  link.click();
  URL.revokeObjectURL(url);
}

function fillExamples() {
  const menu = byId('examples');
  for (const [set, { queries }] of Object.entries(examples)) {
    const group = document.createElement('optgroup');
    group.label = set;
    for (const { name } of queries) {
      const option = document.createElement('option');
      option.value = `${set}/${name}`;
      option.textContent = name;
      group.append(option);
    }
    menu.append(group);
  }
  menu.addEventListener('change', () => {
    const [set, name] = menu.value.split('/');
    if (!set) return;
    const { relations, queries } = examples[set];
    const query = queries.find((each) => each.name === name);
    byId('extended').checked = query.extended;
    setText(editor, inputOf(query.query, relations));
    run();
  });
}

// The symbol toolbar, from the language table. The textbook notation needs
// -x, so a symbol ticks it.
function fillSymbols(table) {
  const bar = byId('symbols');
  for (const symbol of toolbarSymbols(table)) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = symbol.label;
    button.title = symbol.title;
    button.setAttribute('aria-label', symbol.title);
    button.addEventListener('click', () => {
      byId('extended').checked = true;
      insertAround(editor, symbol.before, symbol.after);
    });
    bar.append(button);
  }
}

// The page's texts and the programs' messages in `language`; what was shown
// is shown again in it.
function chooseLanguage(language, rerun) {
  byId('language').value = language;
  showLanguage(language);
  setEngineLanguage(language);
  if (!byId('run').disabled) byId('engine-state').textContent = pageText('ready');
  if (rerun) {
    run();
    if (byId('verdict').textContent !== '') check();
  }
}

async function start() {
  showLanguage(browserLanguage(navigator.language));
  byId('language').value = pageLanguage();
  const first = examples.company;
  editor = createEditor(byId('editor'), inputOf(first.queries[0].query, first.relations), run);
  fillExamples();
  byId('run').addEventListener('click', run);
  byId('check').addEventListener('click', check);
  byId('download').addEventListener('click', download);
  byId('output-details').addEventListener('toggle', () => { if (byId('output-details').open) showOutputFile(); });
  await loadEngine();
  byId('language').addEventListener('change', () => chooseLanguage(byId('language').value, true));
  const table = languageTable();
  setLanguage(editor, tokenPatterns(table), latexShortcuts(table));
  fillSymbols(table);
  byId('run').disabled = false;
  byId('check').disabled = false;
  chooseLanguage(pageLanguage(), false);
  // For tests and for the benchmark: the engine's calls, without the page.
  window.qerix = { runQuery, inspectQuery, checkAnswer, editor, run };
  run();
}

start();
