// Builds the page: the app bundled with esbuild, the engine (one JavaScript
// file that holds the WebAssembly) and the example sets, all inline in one
// HTML file, so that it works opened from the disk.
//
// usage: node build.mjs ENGINE_JS OUTPUT_HTML
import { build } from 'esbuild';
import { existsSync, readFileSync, readdirSync, writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [engineFile, outputFile] = process.argv.slice(2);

// The example sets of examples/, each query with whether it needs -x.
function examples() {
  const root = join(here, '..', 'examples');
  const sets = {};
  // A data set has its relations and queries; grading/ is the teachers' example, not one to pick.
  const isDataSet = (entry) => entry.isDirectory() && existsSync(join(root, entry.name, 'relations.txt'));
  for (const set of readdirSync(root, { withFileTypes: true }).filter(isDataSet)) {
    const folder = join(root, set.name);
    const queries = readdirSync(join(folder, 'queries')).sort().map((file) => ({
      name: file.replace(/\.txt$/, ''),
      query: readFileSync(join(folder, 'queries', file), 'utf8').replace(/\n$/, ''),
      extended: file.endsWith('.x.txt'),
    }));
    sets[set.name] = { relations: readFileSync(join(folder, 'relations.txt'), 'utf8'), queries };
  }
  return sets;
}

// Text inside a <script> must not close it.
const inScript = (code) => code.replaceAll('</script', '<\\/script');

const bundle = await build({
  entryPoints: [join(here, 'src', 'main.js')],
  bundle: true,
  minify: true,
  format: 'iife',
  target: 'es2020',
  write: false,
});
const page = readFileSync(join(here, 'src', 'index.html'), 'utf8')
  .replace('/*STYLE*/', () => readFileSync(join(here, 'src', 'style.css'), 'utf8'))
  .replace('/*EXAMPLES*/', () => inScript(`var QERIX_EXAMPLES = ${JSON.stringify(examples())};`))
  .replace('/*ENGINE*/', () => inScript(readFileSync(engineFile, 'utf8')))
  .replace('/*APP*/', () => inScript(bundle.outputFiles[0].text));
mkdirSync(dirname(outputFile), { recursive: true });
writeFileSync(outputFile, page);
console.log(`${outputFile}: ${(page.length / 1024).toFixed(0)} KB`);
