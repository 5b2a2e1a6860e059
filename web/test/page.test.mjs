// Drives the page in Debian's Chromium, headless, opened from the disk: an
// example's table, a tree node's own result, a malformed query's message and
// mark, the textbook operators, an answer check, all in a browser that
// prefers Hungarian; then the language switch and a browser that prefers
// English. Saves a screenshot of each
// state into build/web/screenshots/.
//
// usage: node page.test.mjs   (fails when Chromium or the page is missing)
import { existsSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import assert from 'node:assert/strict';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const pagePath = join(root, 'build', 'web', 'index.html');
const shots = join(root, 'build', 'web', 'screenshots');
const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
if (!existsSync(chromiumPath) || !existsSync(pagePath)) {
  console.log(existsSync(chromiumPath) ? 'the page is not built (make web)'
    : `no Chromium at ${chromiumPath} (scripts/dependencies.sh test installs it)`);
  process.exit(1);
}
const { chromium } = await import('playwright-core');

const browser = await chromium.launch({
  executablePath: chromiumPath,
  // The machine's network is closed: no background connections.
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
const failures = [];
async function step(name, body) {
  try {
    await body();
    console.log(`ok: ${name}`);
  } catch (error) {
    failures.push(name);
    console.log(`FAILED: ${name}\n${error.stack ?? error}`);
  }
}

try {
  const page = await browser.newPage({ viewport: { width: 1400, height: 1100 }, locale: 'hu-HU' });
  const pageErrors = [];
  page.on('pageerror', (error) => pageErrors.push(String(error)));
  const requests = [];
  page.on('request', (request) => { if (!request.url().startsWith('file:') && !request.url().startsWith('data:')) requests.push(request.url()); });
  mkdirSync(shots, { recursive: true });
  const shoot = (name) => page.screenshot({ path: join(shots, `${name}.png`), fullPage: true });

  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('#engine-state:text("Kesz.")', { timeout: 30000 });

  const setInput = (text) => page.evaluate((input) => {
    const { editor } = window.qerix;
    editor.dispatch({ changes: { from: 0, to: editor.state.doc.length, insert: input } });
  }, text);
  const cells = (selector) => page.$$eval(`${selector} tbody tr`, (rows) => rows.map((row) =>
    [...row.cells].map((cell) => cell.textContent).join(',')));

  await step('an example runs and its result is a table', async () => {
    await page.selectOption('#examples', 'university/04-databases-grades');
    await page.waitForFunction(() => document.querySelector('#result-count').textContent.includes('rekord'));
    assert.deepEqual(await page.$$eval('#result-table th', (heads) => heads.map((head) => head.textContent)),
      ['grade int', 'name string']);
    assert.deepEqual(await cells('#result-table'), ['3,Hunor Racz', '4,Emese Szucs', '5,Csaba Fekete']);
    assert.match(await page.textContent('#result-count'), /^3 rekord/);
    assert.match(await page.textContent('#status'), /Kilepesi kod: 0/);
    await page.click('#output-details summary');
    await page.waitForFunction(() => document.querySelector('#output-file').textContent.length > 0);
    assert.match(await page.textContent('#output-file'), /,name,grade\)\n\nStudent[^]*\n\n\(grade int, name string\)\n3,Hunor Racz/);
    const download = page.waitForEvent('download');
    await page.click('#download');
    assert.equal((await download).suggestedFilename(), 'output.txt');
    await shoot('1-example-result');
  });

  await step('a tree node shows its own result when clicked', async () => {
    const nodes = page.locator('#tree .tree-node');
    assert.ok(await nodes.count() >= 5);
    // The table reference of Student: 8 records.
    const table = nodes.filter({ hasText: 'Table: Student' });
    assert.match(await table.textContent(), /8 rekord/);
    await table.click();
    assert.equal(await page.textContent('#node-title'), 'Table: Student');
    assert.match(await page.textContent('#node-message'), /Student\(major string, name string, sid int, year int\): 8 rekord/);
    assert.equal((await cells('#node-table')).length, 8);
    await shoot('2-tree-node-result');
  });

  await step('a malformed query shows its message, status and mark', async () => {
    await setInput('select(Emp,AND(EQ(dept,IT)))\n\nEmp(name string, dept string)\nAnna,IT\n');
    await page.click('#run');
    assert.equal(await page.textContent('#result-message'),
      'Hibas feltetel, hianyzik a vesszo az argumentumok kozul: "AND(EQ(dept,IT))"');
    assert.match(await page.textContent('#status'), /Kilepesi kod: 1/);
    assert.equal(await page.textContent('.qerix-error-mark'), 'AND(EQ(dept,IT))');
    await shoot('3-malformed-query');
  });

  await step('warnings show what qerix made of a suspicious text', async () => {
    await setInput('select(Emp,EQ(dpet,IT))\n\nEmp(name string, dept string)\nAnna,IT\n');
    await page.click('#editor .cm-content');
    await page.keyboard.press('Control+Enter');
    assert.match(await page.textContent('#warnings'), /"dpet" nem attributum.*erre gondolt: "dept"\?/);
  });

  await step('a condition shows how it nests, in the tree and for its node', async () => {
    await setInput('select(Emp,AND(OR(EQ(dept,IT),EQ(dept,HR)),NOT(EQ(name,Anna))))\n\nEmp(name string, dept string)\nAnna,IT\nBela,HR\n');
    await page.click('#run');
    const select = page.locator('#tree .tree-node').filter({ hasText: 'Select' });
    assert.match(await select.textContent(), /AND\u00a0\u00a0OR\u00a0\u00a0\u00a0\u00a0EQ: dept, IT/);
    await select.click();
    assert.equal(await page.textContent('#node-condition'),
      'AND\n   OR\n      EQ: dept, IT\n      EQ: dept, HR\n   NOT\n      EQ: name, Anna');
    await page.locator('#tree .tree-node').filter({ hasText: 'Table: Emp' }).click();
    assert.ok(await page.locator('#node-condition').isHidden());
  });

  await step('with the option on, a natural join runs', async () => {
    await setInput('join(Emp,Dept)\n\nEmp(name string, dept string)\nAnna,IT\nBela,HR\n\nDept(dept string, floor int)\nIT,5\n');
    await page.click('#run');
    assert.equal(await page.textContent('#result-message'), 'Meg ures az eredmeny...');
    await page.check('#extended');
    await page.click('#run');
    assert.deepEqual(await cells('#result-table'), ['IT,5,Anna']);
    assert.match(await page.textContent('#tree'), /Join/);
    await shoot('4-natural-join');
  });

  await step('the textbook notation: symbols, typed LaTeX, highlighting from the language table', async () => {
    await page.uncheck('#extended');
    await setInput('\n\nEmp(name string, age int)\nAnna,34\nBela,28\n');
    const sigma = page.locator('#symbols button', { hasText: 'σ' });
    assert.equal(await sigma.count(), 1);
    assert.equal(await page.locator('#symbols button', { hasText: '⋈' }).count(), 1);
    await page.click('#editor .cm-content');
    await page.keyboard.press('Control+Home');
    await sigma.click();
    assert.ok(await page.isChecked('#extended'), 'a symbol turns the textbook notation on');
    await page.keyboard.type("age > 30 \\land name ");
    await page.keyboard.press('End');
    await page.keyboard.type('(Emp)');
    const query = await page.evaluate(() => window.qerix.editor.state.doc.line(1).text);
    assert.equal(query, 'σ_{age > 30 ∧ name }(Emp)');
    await setInput("\\pi_{name}(σ_{age > 30 \\land name = 'Anna'}(Emp))\n\nEmp(name string, age int)\nAnna,34\nBela,28\n");
    await page.click('#run');
    assert.deepEqual(await cells('#result-table'), ['Anna']);
    const keywords = await page.$$eval('#editor .cm-line:first-child span', (spans) =>
      spans.filter((span) => getComputedStyle(span).fontWeight === '700').map((span) => span.textContent));
    for (const keyword of ['\\pi', 'σ', '\\land']) assert.ok(keywords.includes(keyword), `${keyword} in ${keywords}`);
    await shoot('5-textbook-notation');
  });

  await step('an answer is checked against a model answer', async () => {
    await page.uncheck('#extended');
    await setInput('project(select(Emp,GT(age,30)),name)\n\nEmp(name string, age int)\nAnna,34\nBela,28\nDenes,31\n');
    await page.fill('#model-answer', 'project(select(Emp,GTE(age,32)),name)');
    await page.click('#check');
    const verdict = await page.textContent('#verdict');
    assert.match(verdict, /folosleges 1 rekord/);
    assert.match(verdict, /folosleges: Denes/);
    await page.fill('#model-answer', 'project(select(Emp,GTE(age,31)),name)');
    await page.click('#check');
    assert.match(await page.textContent('#verdict'), /azonos eredmeny/);
    await shoot('6-answer-check');
  });

  await step('the language switch puts the page and the messages into English and back', async () => {
    assert.equal(await page.inputValue('#language'), 'hu', 'a browser that prefers Hungarian gets Hungarian');
    assert.equal(await page.textContent('#run'), 'Futtatas');
    await page.uncheck('#extended');
    await setInput('select(Emp,AND(EQ(dept,IT)))\n\nEmp(name string, dept string)\nAnna,IT\n');
    await page.selectOption('#language', 'en');
    assert.equal(await page.textContent('#run'), 'Run');
    assert.equal(await page.textContent('#engine-state'), 'Ready.');
    // The switch runs the query again, in English.
    assert.equal(await page.textContent('#result-message'),
      'Bad condition, the comma between the arguments is missing: "AND(EQ(dept,IT))"');
    assert.match(await page.textContent('#status'), /Exit status 1/);
    assert.equal(await page.textContent('.qerix-error-mark'), 'AND(EQ(dept,IT))');
    await setInput('select(Emp,EQ(dpet,IT))\n\nEmp(name string, dept string)\nAnna,IT\n');
    await page.click('#run');
    assert.match(await page.textContent('#warnings'), /Warning: "dpet" is not an attribute.*did you mean "dept"\?/);
    await setInput('Emps\n\nEmp(name string, dept string)\nAnna,IT\n');
    await page.click('#run');
    assert.equal(await page.textContent('#result-message'), 'The result is still empty...');
    assert.equal(await page.textContent('#result-count'), 'No result relation');
    await page.click('.tree-node >> nth=0');
    assert.match(await page.textContent('#node-message'), /no result|records/);
    await page.fill('#model-answer', 'project(Emp,name)');
    await page.click('#check');
    assert.match(await page.textContent('#verdict'), /the answer has no result \(The result is still empty\.\.\.\)[^]*Summary:/);
    await shoot('7-english');
    await page.selectOption('#language', 'hu');
    assert.equal(await page.textContent('#result-message'), 'Meg ures az eredmeny...');
    assert.match(await page.textContent('#verdict'), /Osszesites:/);
  });

  await step('a browser that prefers English gets the page in English', async () => {
    const english = await browser.newPage({ locale: 'en-GB' });
    try {
      await english.goto(pathToFileURL(pagePath).href);
      await english.waitForSelector('#engine-state:text("Ready.")', { timeout: 30000 });
      assert.equal(await english.inputValue('#language'), 'en');
      assert.equal(await english.textContent('#check'), 'Check');
    } finally {
      await english.close();
    }
  });

  await step('an input of a few megabytes runs', async () => {
    // Texts reach the engine through its heap, not its small stack.
    const outcome = await page.evaluate(() => {
      let input = 'project(select(R,GT(k,99990)),k)\n\nR(k int, text string)\n';
      for (let k = 0; k < 100000; ++k) input += `${k},some text of record number ${k}\n`;
      return { size: input.length, ...window.qerix.runQuery(input, false) };
    });
    assert.ok(outcome.size > 3_000_000);
    assert.equal(outcome.status, 0, outcome.stderr);
    assert.match(outcome.stdout, /^\(k int\)\n99991\n[^]*99999\n$/);
  });

  await step('the page asked for nothing beyond itself and threw nothing', async () => {
    assert.deepEqual(requests, []);
    assert.deepEqual(pageErrors, []);
  });
} finally {
  await browser.close();
}
console.log(failures.length === 0 ? 'page: every step ok' : `page: ${failures.length} step(s) failed`);
process.exit(failures.length === 0 ? 0 : 1);
