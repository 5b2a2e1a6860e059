// What the editor knows of the query language, built from the engine's
// language table (qerixLanguage) rather than written here again: the
// keywords to highlight, the symbols of the toolbar, and the LaTeX commands
// that typing turns into their symbols.

const escapeRegExp = (text) => text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');

// Longest first, so that LTE wins over LT and \leq over \le.
function alternation(spellings) {
  return [...new Set(spellings)].sort((a, b) => b.length - a.length).map(escapeRegExp).join('|');
}

// The highlighter's token patterns. Prefix keywords count only as the
// parsers read them: the exact spelling, followed at once by "(". Words of
// the textbook notation count as whole words only.
export function tokenPatterns(table) {
  const operators = table.operators;
  const conditions = table.conditions;
  const words = (entries) => entries.flatMap((entry) => entry.words).filter((word) => /^[A-Za-z]+$/.test(word));
  const signs = (entries) => entries.flatMap((entry) => [...entry.symbols, ...entry.words])
    .filter((sign) => !/^[A-Za-z]+$/.test(sign));
  const latex = [...operators, ...conditions].flatMap((entry) => entry.latex).concat(table.assignment.latex)
    .filter((command) => command.startsWith('\\'));
  return {
    operatorKeyword: new RegExp(`^(?:${alternation(operators.map((entry) => entry.keyword))})(?=\\()`),
    conditionKeyword: new RegExp(`^(?:${alternation(conditions.map((entry) => entry.keyword))})(?=\\()`),
    operatorWord: new RegExp(`^(?:${alternation(words(operators))})(?![A-Za-z0-9_])`),
    conditionWord: new RegExp(`^(?:${alternation(words(conditions))})(?![A-Za-z0-9_])`),
    operatorSign: new RegExp(`^(?:${alternation(signs(operators).concat(table.assignment.symbols,
      table.assignment.words))})`),
    conditionSign: new RegExp(`^(?:${alternation(signs(conditions))})`),
    latex: new RegExp(`^(?:${alternation(latex)})(?![A-Za-z])`),
  };
}

// The toolbar: one button for each operator, condition sign and the
// assignment that has a textbook symbol. A unary operator inserts its
// subscript with the cursor inside it (δ its parentheses).
export function toolbarSymbols(table) {
  const buttons = [];
  for (const entry of table.operators) {
    if (entry.symbols.length === 0) continue;
    const symbol = entry.symbols[0];
    const unary = entry.precedence === 0;
    // δ(E) takes no subscript: its operand follows in parentheses.
    const bare = entry.form === 'unary';
    buttons.push({
      label: symbol,
      title: `${entry.keyword}: ${[...entry.words, ...entry.latex].join(' ')}`,
      before: bare ? `${symbol}(` : unary ? `${symbol}_{` : ` ${symbol} `,
      after: bare ? ')' : unary ? '}' : '',
      extended: entry.extended,
    });
  }
  if (table.assignment.symbols.length > 0) {
    const symbol = table.assignment.symbols[0];
    buttons.push({ label: symbol, title: `named result: ${table.assignment.words.join(' ')}`,
      before: ` ${symbol} `, after: '', extended: true });
  }
  for (const entry of table.conditions) {
    const symbol = entry.symbols[0];
    // The signs every keyboard has are typed.
    if (!symbol || /^[\x20-\x7e]+$/.test(symbol)) continue;
    buttons.push({ label: symbol, title: `${entry.keyword}: ${[...entry.words, ...entry.latex].join(' ')}`,
      before: ` ${symbol} `, after: '', extended: true });
  }
  return buttons;
}

// The LaTeX commands that have a symbol: \sigma -> σ, \land -> ∧, ...
export function latexShortcuts(table) {
  const shortcuts = new Map();
  const entries = [...table.operators, ...table.conditions, table.assignment];
  for (const entry of entries) {
    if (entry.symbols.length === 0) continue;
    for (const command of entry.latex) {
      if (command.startsWith('\\') && command !== entry.symbols[0]) shortcuts.set(command, entry.symbols[0]);
    }
  }
  return shortcuts;
}
