// Times Q1 to Q6 of the benchmark in the page (the engine's call in headless
// Chromium, without loading the page) and with the native qerix, in turns,
// at 10^5 records by default: what the page costs, measured, not a target.
//
// usage: node speed.mjs NATIVE_QERIX [RECORDS]
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync, readFileSync, writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const [native, records = '100000'] = process.argv.slice(2);
const data = join(root, 'bench', 'data', records);
if (!existsSync(join(data, 'relations.txt'))) execFileSync('python3', [join(root, 'bench', 'generate.py'), records, data]);
const relations = readFileSync(join(data, 'relations.txt'), 'utf8');
const queries = [
  'select(Emp,AND(GT(age,30),EQ(dept,Sales)))', 'project(Emp,dept,age)', 'union(Emp,Old)', 'minus(Emp,Old)',
  'select(product(Emp,rename(Dept,D(d,floor))),EQ(dept,d))', 'project(select(Emp,LT(salary,50000)),name)',
];
const runs = 3;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run'],
});
const page = await browser.newPage();
await page.goto(pathToFileURL(join(root, 'build', 'web', 'index.html')).href);
await page.waitForSelector('#engine-state:text("Ready.")', { timeout: 30000 });
const work = mkdtempSync(join(tmpdir(), 'qerix-speed-'));
console.log(`records  query  page s  native s  x native`);
for (const [index, query] of queries.entries()) {
  const input = `${query}\n\n${relations}`;
  writeFileSync(join(work, 'input.txt'), input);
  const inPage = [];
  const inNative = [];
  for (let run = 0; run < runs; ++run) {
    inPage.push(await page.evaluate((text) => {
      const started = performance.now();
      const outcome = window.qerix.runQuery(text, false);
      if (outcome.status !== 0) throw new Error(outcome.stderr);
      return (performance.now() - started) / 1000;
    }, input));
    const started = process.hrtime.bigint();
    spawnSync(native, [join(work, 'input.txt'), join(work, 'output.txt')], { stdio: 'ignore' });
    inNative.push(Number(process.hrtime.bigint() - started) / 1e9);
  }
  const pageTime = median(inPage);
  const nativeTime = median(inNative);
  console.log(`${records.padEnd(8)} Q${index + 1}   ${pageTime.toFixed(3).padStart(6)}  ${nativeTime.toFixed(3).padStart(8)}` +
    `  ${(pageTime / nativeTime).toFixed(1).padStart(8)}`);
}
await browser.close();
