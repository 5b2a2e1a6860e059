// The editor of the input file: CodeMirror 6 with the query language's
// keywords highlighted in both notations, LaTeX commands typed as symbols,
// brackets matched, and a mark for the text an error message quotes.
import { Compartment, EditorState, StateEffect, StateField } from '@codemirror/state';
import { EditorView, Decoration, keymap, lineNumbers, highlightActiveLine } from '@codemirror/view';
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';
import { StreamLanguage, bracketMatching, syntaxHighlighting, HighlightStyle } from '@codemirror/language';
import { searchKeymap } from '@codemirror/search';
import { tags } from '@lezer/highlight';

// The highlighter, from the patterns of the language table (language.js);
// until the engine has given the table, nothing is highlighted.
function queryLanguageOf(patterns) {
  return StreamLanguage.define({
    token(stream) {
      if (stream.match(patterns.operatorKeyword)) return 'keyword';
      if (stream.match(patterns.conditionKeyword)) return 'operatorKeyword';
      if (stream.match(patterns.latex)) return 'keyword';
      // A word only where it stands alone: not the "pi" of "pilot".
      if (stream.match(patterns.operatorWord)) return 'keyword';
      if (stream.match(patterns.conditionWord)) return 'operatorKeyword';
      if (stream.match(patterns.operatorSign)) return 'keyword';
      if (stream.match(patterns.conditionSign)) return 'operatorKeyword';
      if (stream.match(/^'[^']*'?/)) return 'string';
      if (stream.match(/^[(),_{}]/)) return 'punctuation';
      // A number only where it stands alone: not the digits of MA101.
      if (stream.match(/^[+-]?\d+(?![\w])/)) return 'number';
      if (stream.match(/^[A-Za-z0-9_.]+/)) return null;
      stream.next();
      return null;
    },
  });
}

const languageSlot = new Compartment();

// Typing a LaTeX command of the table and then a character that ends it
// (a blank, "_", "(", ...) puts the command's symbol in its place.
function latexInput(shortcuts) {
  return EditorView.inputHandler.of((view, from, to, text) => {
    if (shortcuts.size === 0 || /^[A-Za-z]/.test(text) || from !== to) return false;
    const before = view.state.doc.sliceString(Math.max(0, from - 20), from);
    const command = /\\[A-Za-z]+$/.exec(before)?.[0];
    const symbol = command && shortcuts.get(command);
    if (!symbol) return false;
    view.dispatch({
      changes: { from: from - command.length, to, insert: symbol + text },
      selection: { anchor: from - command.length + symbol.length + text.length },
    });
    return true;
  });
}

// Highlighting and typed symbols from the language table.
export function setLanguage(view, patterns, shortcuts) {
  view.dispatch({ effects: languageSlot.reconfigure([queryLanguageOf(patterns), latexInput(shortcuts)]) });
}

// Puts `before` and `after` around the selection, the cursor between them.
export function insertAround(view, before, after) {
  const { from, to } = view.state.selection.main;
  const selected = view.state.sliceDoc(from, to);
  view.dispatch({
    changes: { from, to, insert: before + selected + after },
    selection: { anchor: from + before.length + selected.length },
  });
  view.focus();
}

const highlighting = HighlightStyle.define([
  { tag: tags.keyword, color: '#7a1fa2', fontWeight: 'bold' },
  { tag: tags.operatorKeyword, color: '#1565c0', fontWeight: 'bold' },
  { tag: tags.number, color: '#2e7d32' },
  { tag: tags.string, color: '#2e7d32' },
  { tag: tags.punctuation, color: '#555' },
]);

const setMark = StateEffect.define();
const errorMark = Decoration.mark({ class: 'qerix-error-mark' });
const markField = StateField.define({
  create: () => Decoration.none,
  update(marks, transaction) {
    marks = marks.map(transaction.changes);
    for (const effect of transaction.effects) {
      if (effect.is(setMark)) {
        marks = effect.value ? Decoration.set([errorMark.range(effect.value.from, effect.value.to)]) : Decoration.none;
      }
    }
    // An edit clears the mark: the text it showed may be gone.
    return transaction.docChanged ? Decoration.none : marks;
  },
  provide: (field) => EditorView.decorations.from(field),
});

export function createEditor(parent, text, onRun) {
  return new EditorView({
    parent,
    state: EditorState.create({
      doc: text,
      extensions: [
        lineNumbers(),
        highlightActiveLine(),
        history(),
        bracketMatching(),
        languageSlot.of([]),
        syntaxHighlighting(highlighting),
        markField,
        keymap.of([{ key: 'Mod-Enter', run: () => { onRun(); return true; } }, ...defaultKeymap, ...historyKeymap,
          ...searchKeymap]),
        EditorView.lineWrapping,
      ],
    }),
  });
}

export function setText(view, text) {
  view.dispatch({ changes: { from: 0, to: view.state.doc.length, insert: text } });
}

// The text a message quotes, as it stands in the input: the message writes
// bytes outside printable ASCII as \xNN and cuts the quote at 80 bytes.
export function quotedTextOf(message) {
  const match = /"((?:[^"\\]|\\x[0-9A-F]{2}|\\)*)"\s*$/.exec(message) ?? /"(.*)"/.exec(message);
  if (!match) return null;
  let quoted = match[1];
  if (quoted.endsWith('...')) quoted = quoted.slice(0, -3);
  const bytes = [];
  for (let index = 0; index < quoted.length; ++index) {
    const escape = /^\\x([0-9A-F]{2})/.exec(quoted.slice(index));
    if (escape) {
      bytes.push(parseInt(escape[1], 16));
      index += 3;
    } else {
      bytes.push(quoted.charCodeAt(index));
    }
  }
  const text = new TextDecoder().decode(new Uint8Array(bytes));
  return text.length > 0 ? text : null;
}

// Marks the first place where the message's quoted text stands; whether it found one.
export function markQuotedText(view, message) {
  const quoted = message ? quotedTextOf(message) : null;
  const at = quoted ? view.state.doc.toString().indexOf(quoted) : -1;
  if (at < 0) {
    view.dispatch({ effects: setMark.of(null) });
    return false;
  }
  view.dispatch({
    effects: [setMark.of({ from: at, to: at + quoted.length }), EditorView.scrollIntoView(at)],
    selection: { anchor: at },
  });
  return true;
}
