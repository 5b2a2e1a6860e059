// Times one benchmark query in DuckDB: loads the CSV files, runs the query
// and writes its result, and prints the seconds that took, without the start
// of node and the loading of the module. DuckDB uses its default threads.
//
// usage: node run.mjs DATA_DIR OUTPUT_FILE "SQL"
import { DuckDBInstance } from '@duckdb/node-api';

const [dataDir, outputFile, query] = process.argv.slice(2);
const tables = {
  Emp: ['emp.csv', { id: 'INTEGER', name: 'VARCHAR', dept: 'VARCHAR', age: 'INTEGER', salary: 'INTEGER' }],
  Old: ['old.csv', { id: 'INTEGER', name: 'VARCHAR', dept: 'VARCHAR', age: 'INTEGER', salary: 'INTEGER' }],
  Dept: ['dept.csv', { dept: 'VARCHAR', floor: 'INTEGER' }],
  Has: ['has.csv', { id: 'INTEGER', skill: 'VARCHAR' }],
  Core: ['core.csv', { skill: 'VARCHAR' }],
};
const quoted = (text) => `'${text.replaceAll("'", "''")}'`;
const columns = (types) =>
  '{' + Object.entries(types).map(([name, type]) => `${quoted(name)}: ${quoted(type)}`).join(', ') + '}';

const start = performance.now();
const instance = await DuckDBInstance.create(':memory:');
const connection = await instance.connect();
for (const [name, [file, types]] of Object.entries(tables)) {
  // Only the tables the query names are loaded, as qerix loads what its input holds.
  if (!new RegExp(`\\b${name}\\b`).test(query)) continue;
  await connection.run(
    `CREATE TABLE ${name} AS SELECT * FROM read_csv(${quoted(`${dataDir}/${file}`)}, header = false, ` +
      `columns = ${columns(types)})`);
}
await connection.run(`COPY (${query.replace(/;\s*$/, '')}) TO ${quoted(outputFile)} (HEADER false)`);
const seconds = (performance.now() - start) / 1000;
connection.closeSync();
console.log(seconds.toFixed(3));
