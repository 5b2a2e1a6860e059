// The editor of the input file: CodeMirror 6 with the query language's
// keywords highlighted, brackets matched, and a mark for the text an error
// message quotes.
import { EditorState, StateEffect, StateField } from '@codemirror/state';
import { EditorView, Decoration, keymap, lineNumbers, highlightActiveLine } from '@codemirror/view';
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';
import { StreamLanguage, bracketMatching, syntaxHighlighting, HighlightStyle } from '@codemirror/language';
import { searchKeymap } from '@codemirror/search';
import { tags } from '@lezer/highlight';

const relationalKeywords = /^(union|minus|product|select|project|rename|intersect|join|semijoin|antijoin|divide)(?=\()/;
const conditionKeywords = /^(EQ|NEQ|LTE|LT|GTE|GT|AND|OR|NOT)(?=\()/;

// Keywords count only as the parsers read them: the exact spelling, followed
// at once by "(".
const queryLanguage = StreamLanguage.define({
  token(stream) {
    if (stream.match(relationalKeywords)) return 'keyword';
    if (stream.match(conditionKeywords)) return 'operatorKeyword';
    if (stream.match(/^[(),]/)) return 'punctuation';
    // A number only where it stands alone: not the digits of MA101.
    if (stream.match(/^[+-]?\d+(?![\w])/)) return 'number';
    if (stream.match(/^[^(),\s]+/)) return null;
    stream.next();
    return null;
  },
});

const highlighting = HighlightStyle.define([
  { tag: tags.keyword, color: '#7a1fa2', fontWeight: 'bold' },
  { tag: tags.operatorKeyword, color: '#1565c0', fontWeight: 'bold' },
  { tag: tags.number, color: '#2e7d32' },
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
        queryLanguage,
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
