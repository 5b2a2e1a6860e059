// The operator tree as a picture: a box per node with its text and its
// record count, lines to its operands, the first on the left. A click on a
// box calls onSelect with the node.
import { pageText } from './texts.js';

const boxWidth = 170;
const lineHeight = 15;
const gap = { x: 18, y: 34 };
const svgNamespace = 'http://www.w3.org/2000/svg';

// A node's condition as it printed it between two "*" lines, without that
// frame and its DUMMY root, each line keeping the indentation that shows
// how the condition nests.
export function conditionLines(text) {
  const lines = text.split('\n');
  const start = lines.findIndex((line) => line.trim() === '*');
  const end = lines.findIndex((line, index) => index > start && line.trim() === '*');
  if (start < 0 || end < 0) return [];
  const nested = lines.slice(start + 1, end).filter((line) => line.trim() !== '' && line.trim() !== 'DUMMY');
  const margin = Math.min(...nested.map((line) => line.length - line.trimStart().length));
  return nested.map((line) => line.slice(margin));
}

const shownLines = 8;

// The lines a node shows: its first line, its condition nested (two
// non-breaking spaces a level, as SVG drops plain leading blanks), and what
// it gave.
function labelOf(node) {
  const lines = [node.text.split('\n')[0].trim(),
    ...conditionLines(node.text).map((line) => {
      const depth = (line.length - line.trimStart().length) / 3;
      return '\u00a0\u00a0'.repeat(depth) + line.trimStart();
    })].filter((line) => line !== '');
  const shown = lines.slice(0, shownLines);
  if (lines.length > shownLines) shown.push('...');
  const step = node.step;
  if (step) {
    if (step.outcome === 'result') shown.push(pageText('records', step.count));
    if (step.outcome === 'no result') shown.push(pageText('nodeNoResult'));
    if (step.outcome === 'error') shown.push(pageText('nodeError'));
    if (step.outcome === 'not evaluated') shown.push(pageText('nodeNotEvaluated'));
  }
  return shown;
}

// Places each leaf one after another and each parent above the middle of
// its children.
function layout(node, depth, next, placed) {
  const children = node.children.map((child) => layout(child, depth + 1, next, placed));
  const lines = labelOf(node);
  const height = lines.length * lineHeight + 10;
  let x;
  if (children.length === 0) {
    x = next.x;
    next.x += boxWidth + gap.x;
  } else {
    x = (children[0].x + children[children.length - 1].x) / 2;
  }
  const box = { node, x, depth, lines, height, children };
  placed.push(box);
  return box;
}

function element(name, attributes) {
  const created = document.createElementNS(svgNamespace, name);
  for (const [key, value] of Object.entries(attributes)) created.setAttribute(key, value);
  return created;
}

export function drawTree(container, root, onSelect) {
  container.textContent = '';
  if (!root) return;
  const placed = [];
  layout(root, 0, { x: 0 }, placed);
  // Rows as tall as their tallest box.
  const rowHeights = [];
  for (const box of placed) rowHeights[box.depth] = Math.max(rowHeights[box.depth] ?? 0, box.height);
  const rowTops = [0];
  for (let row = 1; row < rowHeights.length; ++row) rowTops[row] = rowTops[row - 1] + rowHeights[row - 1] + gap.y;
  const width = Math.max(...placed.map((box) => box.x)) + boxWidth;
  const height = rowTops[rowTops.length - 1] + rowHeights[rowHeights.length - 1];
  const svg = element('svg', { width: width + 2, height: height + 2, viewBox: `-1 -1 ${width + 2} ${height + 2}` });
  for (const box of placed) {
    for (const child of box.children) {
      svg.append(element('line', {
        x1: box.x + boxWidth / 2, y1: rowTops[box.depth] + box.height,
        x2: child.x + boxWidth / 2, y2: rowTops[child.depth], class: 'tree-edge',
      }));
    }
  }
  for (const box of placed) {
    const outcome = box.node.step?.outcome ?? 'none';
    const group = element('g', { class: `tree-node outcome-${outcome.replace(' ', '-')}`, tabindex: 0 });
    group.append(element('rect', { x: box.x, y: rowTops[box.depth], width: boxWidth, height: box.height, rx: 4 }));
    box.lines.forEach((line, index) => {
      const text = element('text', { x: box.x + 6, y: rowTops[box.depth] + 16 + index * lineHeight });
      text.textContent = line.length > 24 ? `${line.slice(0, 21)}...` : line;
      group.append(text);
    });
    const title = element('title', {});
    title.textContent = box.node.text;
    group.append(title);
    group.addEventListener('click', () => onSelect(box.node, group));
    svg.append(group);
  }
  container.append(svg);
}
