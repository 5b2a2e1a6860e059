#include "query/textbook_syntax.h"

#include <algorithm>
#include <cctype>

namespace qerix {

std::unique_ptr<SyntaxNode> SyntaxNode::leaf(std::string_view text, LeafRole role, std::size_t offset) {
  auto node = std::make_unique<SyntaxNode>();
  node->text = text;
  if (role != LeafRole::text) node->leafNotes.push_back(SourceNote{role, offset});
  return node;
}

std::unique_ptr<SyntaxNode> SyntaxNode::list(std::string_view text, std::vector<SourceNote> names) {
  auto node = std::make_unique<SyntaxNode>();
  node->text = text;
  node->leafNotes = std::move(names);
  return node;
}

std::unique_ptr<SyntaxNode> SyntaxNode::operation(const OperatorEntry& entry, std::unique_ptr<SyntaxNode> first,
                                                  std::unique_ptr<SyntaxNode> second,
                                                  std::unique_ptr<SyntaxNode> parameter) {
  auto node = std::make_unique<SyntaxNode>();
  node->keyword = entry.keyword;
  node->depth = 1 + std::max(first->depth, second ? second->depth : 0);
  node->parts.push_back(std::move(first));
  if (second) node->parts.push_back(std::move(second));
  if (parameter) node->parts.push_back(std::move(parameter));
  return node;
}

std::unique_ptr<SyntaxNode> SyntaxNode::condition(const ConditionEntry& entry, std::unique_ptr<SyntaxNode> first,
                                                  std::unique_ptr<SyntaxNode> second) {
  auto node = std::make_unique<SyntaxNode>();
  node->keyword = entry.keyword;
  node->depth = 1 + std::max(first->depth, second ? second->depth : 0);
  node->parts.push_back(std::move(first));
  if (second) node->parts.push_back(std::move(second));
  return node;
}

void SyntaxNode::writePrefix(std::string& out, std::vector<SourceNote>* notes) const {
  if (keyword.empty()) {
    out += text;
    if (notes) notes->insert(notes->end(), leafNotes.begin(), leafNotes.end());
    return;
  }
  out += keyword;
  out += '(';
  for (std::size_t index = 0; index < parts.size(); ++index) {
    if (index > 0) out += ',';
    parts[index]->writePrefix(out, notes);
  }
  out += ')';
}

namespace {

// The edits that turn one short text into the other, letters compared
// without case; swapping two neighbours counts as one edit, the commonest slip.
std::size_t distance(std::string_view from, std::string_view to) {
  const auto same = [](char first, char second) {
    return std::tolower(static_cast<unsigned char>(first)) == std::tolower(static_cast<unsigned char>(second));
  };
  const std::size_t width = to.size() + 1;
  std::vector<std::size_t> cells((from.size() + 1) * width);
  const auto cell = [&](std::size_t line, std::size_t column) -> std::size_t& { return cells[line * width + column]; };
  for (std::size_t column = 0; column <= to.size(); ++column) cell(0, column) = column;
  for (std::size_t line = 1; line <= from.size(); ++line) {
    cell(line, 0) = line;
    for (std::size_t column = 1; column <= to.size(); ++column) {
      const std::size_t cost = same(from[line - 1], to[column - 1]) ? 0 : 1;
      std::size_t best = std::min({cell(line - 1, column) + 1, cell(line, column - 1) + 1,
                                   cell(line - 1, column - 1) + cost});
      if (line > 1 && column > 1 && same(from[line - 1], to[column - 2]) && same(from[line - 2], to[column - 1])) {
        best = std::min(best, cell(line - 2, column - 2) + 1);
      }
      cell(line, column) = best;
    }
  }
  return cell(from.size(), to.size());
}

// Keeps the closer of the alternatives in `spellings`.
void consider(std::string_view word, std::string_view spellings, std::string_view& best, std::size_t& bestDistance) {
  while (!spellings.empty()) {
    const std::string_view spelling = firstSpelling(spellings);
    if (spelling.size() > 1) {
      const std::size_t found = distance(word, spelling);
      if (found < bestDistance) {
        bestDistance = found;
        best = spelling;
      }
    }
    spellings.remove_prefix(std::min(spellings.size(), spelling.size() + 1));
  }
}

}  // namespace

std::string_view closestOperatorWord(std::string_view word, bool includeWords) {
  // Longer texts are names, not slips; comparing them would only cost time.
  if (word.size() > 16) return {};
  const std::size_t allowed = word.size() <= 3 ? 1 : 2;
  std::string_view best;
  std::size_t bestDistance = allowed + 1;
  for (const OperatorEntry& entry : operatorEntries()) {
    if (includeWords || entry.precedence == 0) consider(word, entry.words, best, bestDistance);
    consider(word, entry.latex, best, bestDistance);
  }
  for (const ConditionEntry& entry : conditionEntries()) {
    if (includeWords) consider(word, entry.words, best, bestDistance);
    consider(word, entry.latex, best, bestDistance);
  }
  return best;
}

}  // namespace qerix
