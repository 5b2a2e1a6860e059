#include "query/textbook_parser.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "algebra/grouping_list.h"
#include "model/edit_distance.h"
#include "model/fatal_error.h"
#include "model/letter_case.h"
#include "model/message_catalogue.h"
#include "query/language_table.h"
#include "query/textbook_lexer.h"
#include "query/textbook_syntax.h"
#include "text/nesting_limit.h"

namespace qerix {

namespace {

// Signs read the same in every language.
constexpr std::string_view expectedClosing = "\")\"";
constexpr std::string_view expectedOpening = "\"(\"";
constexpr std::string_view expectedBrace = "\"}\"";

// The forms nest at most maxNestingDepth levels, as in the prefix notation;
// each may stand in a pair of parentheses, and the reading recurses once per
// form and once per pair.
constexpr int maxReadingDepth = 2 * maxNestingDepth + 1;

bool isAsciiText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The entry a token spells in the textbook notation, if any.
const OperatorEntry* operatorOf(const Token& token) {
  for (const OperatorEntry& entry : operatorEntries()) {
    const bool spelled = (token.kind == Token::Kind::word && isSpelledAs(entry.words, token.text)) ||
                         (token.kind == Token::Kind::command && isSpelledAs(entry.latex, token.text)) ||
                         (token.kind == Token::Kind::sign &&
                          (isSpelledAs(entry.symbols, token.text) || isSpelledAs(entry.words, token.text)));
    if (spelled) return &entry;
  }
  return nullptr;
}

const ConditionEntry* conditionOf(const Token& token) {
  for (const ConditionEntry& entry : conditionEntries()) {
    const bool spelled = (token.kind == Token::Kind::word && isSpelledAs(entry.words, token.text)) ||
                         (token.kind == Token::Kind::command && isSpelledAs(entry.latex, token.text)) ||
                         (token.kind == Token::Kind::sign &&
                          (isSpelledAs(entry.symbols, token.text) || isSpelledAs(entry.words, token.text)));
    if (spelled) return &entry;
  }
  return nullptr;
}

class TextbookParser {
 public:
  TextbookParser(std::string_view text, std::size_t begin) : lexer(text, false, begin) {}

  std::unique_ptr<SyntaxNode> parseQuery() {
    std::unique_ptr<SyntaxNode> query = parseExpression(1, 1);
    if (lexer.peek().kind != Token::Kind::end) failExpected(lexer.peek(), textOf(Text::expectedOperator), true);
    return query;
  }

 private:
  // Precedence climbing: operators of at least `lowest` precedence, left-associative.
  std::unique_ptr<SyntaxNode> parseExpression(int lowest, int depth) {
    std::unique_ptr<SyntaxNode> left = parseUnary(depth);
    while (true) {
      const Token token = lexer.peek();
      const OperatorEntry* entry = operatorOf(token);
      if (!entry || entry->precedence == 0 || entry->precedence < lowest) return left;
      lexer.next();
      std::unique_ptr<SyntaxNode> condition;
      if (lexer.peek().text == "_{" && lexer.peek().kind == Token::Kind::sign &&
          entry->form == OperatorForm::binaryOrCondition) {
        lexer.next();
        condition = parseCondition(1, depth + 1);
        expect("}", expectedBrace);
      }
      std::unique_ptr<SyntaxNode> right = parseExpression(entry->precedence + 1, depth + 1);
      left = SyntaxNode::operation(*entry, std::move(left), std::move(right), std::move(condition));
      checkDepth(left->depth, token);
    }
  }

  std::unique_ptr<SyntaxNode> parseUnary(int depth) {
    const Token token = lexer.peek();
    if (depth > maxReadingDepth) failTooDeep(token);
    if (isSign(token, "(")) {
      lexer.next();
      std::unique_ptr<SyntaxNode> inner = parseExpression(1, depth + 1);
      expect(")", expectedClosing);
      return inner;
    }
    const OperatorEntry* entry = operatorOf(token);
    if (entry && entry->form == OperatorForm::unary) {
      lexer.next();
      std::unique_ptr<SyntaxNode> operand = parseUnary(depth + 1);
      auto node = SyntaxNode::operation(*entry, std::move(operand), nullptr, nullptr);
      checkDepth(node->depth, token);
      return node;
    }
    if (entry && entry->precedence == 0) {
      lexer.next();
      const bool subscript = isSign(lexer.peek(), "_{");
      if (subscript) lexer.next();
      const OperatorEntry* chosen = entry;
      std::unique_ptr<SyntaxNode> parameter = parseParameter(*entry, depth + 1, chosen);
      if (subscript) expect("}", expectedBrace);
      std::unique_ptr<SyntaxNode> operand = parseUnary(depth + 1);
      auto node = SyntaxNode::operation(*chosen, std::move(operand), nullptr, std::move(parameter));
      checkDepth(node->depth, token);
      return node;
    }
    // A prefix keyword alone would not be a relation name in the prefix query.
    if (token.kind == Token::Kind::word && !entry && !conditionOf(token) && !findOperatorKeyword(token.text, true)) {
      lexer.next();
      return SyntaxNode::leaf(token.text, LeafRole::relation, token.offset);
    }
    failExpected(token, textOf(Text::expectedRelation), false);
  }

  // `chosen`: the entry whose form the parameter has, among those of one spelling.
  std::unique_ptr<SyntaxNode> parseParameter(const OperatorEntry& entry, int depth, const OperatorEntry*& chosen) {
    switch (entry.form) {
      case OperatorForm::withAttributeList:
        return parseAttributeList();
      case OperatorForm::withGroupingList:
        return parseGroupingList();
      case OperatorForm::withSortList:
        return parseSortList();
      case OperatorForm::withRenameList:
      case OperatorForm::withRelationName:
      case OperatorForm::withRenamePairs:
        return parseRenameList(chosen);
      default:
        return parseCondition(1, depth);
    }
  }

  std::unique_ptr<SyntaxNode> parseAttributeList() {
    std::vector<SourceNote> names{listedName()};
    std::string list(expectWord(textOf(Text::expectedAttribute)));
    readQualified(list);
    while (isSign(lexer.peek(), ",")) {
      lexer.next();
      list += ',';
      names.push_back(listedName());
      list += expectWord(textOf(Text::expectedAttribute));
      readQualified(list);
    }
    return SyntaxNode::list(list, std::move(names));
  }

  // Grouping attributes and aggregates, each named as CALL→name or
  // name←CALL, written in the prefix form's list: CALL->name.
  std::unique_ptr<SyntaxNode> parseGroupingList() {
    std::string list;
    while (true) {
      std::string item(expectWord(textOf(Text::expectedGroupingItem)));
      if (isAssignment(lexer.peek())) {
        lexer.next();
        const std::string name = std::move(item);
        item = expectWord(textOf(Text::expectedGroupingItem));
        readCall(item);
        item += "->" + name;
      } else if (isSign(lexer.peek(), "(")) {
        readCall(item);
        if (readsArrowAfter()) item += "->" + std::string(expectWord(textOf(Text::expectedResultName)));
      } else {
        readQualified(item);
      }
      list += item;
      if (!isSign(lexer.peek(), ",")) break;
      lexer.next();
      list += ',';
    }
    // The prefix list's own reading refuses what the tokens let through,
    // such as an unknown function or a second word other than DISTINCT.
    readGroupingList(list);
    return SyntaxNode::leaf(list);
  }

  // a DESC, b ASC, c: names, each maybe followed by its direction.
  std::unique_ptr<SyntaxNode> parseSortList() {
    std::string list;
    while (true) {
      list += expectWord(textOf(Text::expectedAttribute));
      readQualified(list);
      const Token next = lexer.peek();
      if (next.kind == Token::Kind::word && isDirection(next.text)) {
        lexer.next();
        list += ' ';
        list += next.text;
      }
      if (!isSign(lexer.peek(), ",")) return SyntaxNode::leaf(list);
      lexer.next();
      list += ',';
    }
  }

  // The parenthesized argument of an aggregate function: * , a, R.a or
  // DISTINCT a. Which functions there are, the prefix list decides.
  void readCall(std::string& call) {
    expect("(", expectedOpening);
    call += '(';
    if (isSign(lexer.peek(), "*")) {
      lexer.next();
      call += '*';
    } else {
      // distinct names an operator too, but here it is COUNT's word.
      const Token first = lexer.peek();
      if (first.kind == Token::Kind::word && operatorOf(first) && equalsIgnoringCase(first.text, "distinct")) {
        lexer.next();
        call += first.text;
      } else {
        call += expectWord(textOf(Text::expectedAggregateArgument));
      }
      if (lexer.peek().kind == Token::Kind::word) {
        call += ' ';
        call += expectWord(textOf(Text::expectedAggregateArgument));
      }
      readQualified(call);
    }
    expect(")", expectedClosing);
    call += ')';
  }

  // →, ->, \rightarrow or \to after an aggregate.
  bool readsArrowAfter() {
    const Token token = lexer.peek();
    const bool arrow = (token.kind == Token::Kind::sign && token.text == "\xE2\x86\x92") ||
                       (token.kind == Token::Kind::command && (token.text == "\\rightarrow" || token.text == "\\to"));
    if (arrow) {
      lexer.next();
      return true;
    }
    if (!isSign(token, "-")) return false;
    lexer.next();
    if (!isSign(lexer.peek(), ">") || lexer.peek().blankBefore) failExpected(lexer.peek(), textOf(Text::expectedResultName), false);
    lexer.next();
    return true;
  }

  // In any case, as the sort operator reads it.
  static bool isDirection(std::string_view word) {
    return equalsIgnoringCase(word, "ASC") || equalsIgnoringCase(word, "DESC");
  }

  // The note of the name that begins at the next token.
  SourceNote listedName() const { return SourceNote{LeafRole::listedName, lexer.peek().offset}; }

  // A name just read may be a relation's, qualifying the attribute name
  // that follows its dot: R.a, written without blanks.
  void readQualified(std::string& name) {
    if (!isSign(lexer.peek(), ".") || lexer.peek().blankBefore) return;
    lexer.next();
    // Only a name may stand after the dot: no operator word to suggest.
    if (lexer.peek().blankBefore) failExpected(lexer.peek(), textOf(Text::expectedAfterDot), false, false);
    name += '.';
    name += expectWord(textOf(Text::expectedAfterDot));
  }

  // N(a,b,...): the relation's new name and its attributes' by position; N
  // alone: the relation's name; a←b, c←d: attributes by name.
  std::unique_ptr<SyntaxNode> parseRenameList(const OperatorEntry*& chosen) {
    std::string list(expectWord(textOf(Text::expectedRenameList)));
    if (isAssignment(lexer.peek())) {
      chosen = findOperatorKeyword("renameattribute", true);
      std::vector<SourceNote> oldNames;
      while (true) {
        lexer.next();  // the arrow, seen before
        list += "<-";
        oldNames.push_back(listedName());
        list += expectWord(textOf(Text::expectedAttribute));
        if (!isSign(lexer.peek(), ",")) return SyntaxNode::list(list, std::move(oldNames));
        lexer.next();
        list += ',';
        list += expectWord(textOf(Text::expectedAttribute));
        if (!isAssignment(lexer.peek())) failExpected(lexer.peek(), textOf(Text::expectedArrow), false);
      }
    }
    if (!isSign(lexer.peek(), "(") || lexer.peek().blankBefore) {
      chosen = findOperatorKeyword("renamerelation", true);
      return SyntaxNode::leaf(list);
    }
    chosen = findOperatorKeyword("rename", true);
    lexer.next();
    list += '(';
    list += expectWord(textOf(Text::expectedAttribute));
    while (isSign(lexer.peek(), ",")) {
      lexer.next();
      list += ',';
      list += expectWord(textOf(Text::expectedAttribute));
    }
    expect(")", expectedClosing);
    list += ')';
    return SyntaxNode::leaf(list);
  }

  // OR binds loosest, then AND; NOT and the comparisons tightest.
  std::unique_ptr<SyntaxNode> parseCondition(int lowest, int depth) {
    std::unique_ptr<SyntaxNode> left = parseConditionTerm(depth);
    while (true) {
      const Token token = lexer.peek();
      const ConditionEntry* entry = conditionOf(token);
      if (!entry || entry->form == ConditionForm::comparison || entry->form == ConditionForm::negation ||
          entry->precedence < lowest) {
        return left;
      }
      lexer.next();
      std::unique_ptr<SyntaxNode> right = parseCondition(entry->precedence + 1, depth + 1);
      left = SyntaxNode::condition(*entry, std::move(left), std::move(right));
      checkDepth(left->depth, token);
    }
  }

  std::unique_ptr<SyntaxNode> parseConditionTerm(int depth) {
    const Token token = lexer.peek();
    if (depth > maxReadingDepth) failTooDeep(token);
    if (isSign(token, "(")) {
      lexer.next();
      std::unique_ptr<SyntaxNode> inner = parseCondition(1, depth + 1);
      expect(")", expectedClosing);
      return inner;
    }
    const ConditionEntry* entry = conditionOf(token);
    if (entry && entry->form == ConditionForm::negation) {
      lexer.next();
      auto node = SyntaxNode::condition(*entry, parseConditionTerm(depth + 1), nullptr);
      checkDepth(node->depth, token);
      return node;
    }
    std::unique_ptr<SyntaxNode> first = parseOperand();
    const Token sign = lexer.next();
    const ConditionEntry* comparison = conditionOf(sign);
    if (!comparison || comparison->form != ConditionForm::comparison)
      failExpected(sign, textOf(Text::expectedComparison), false);
    return SyntaxNode::condition(*comparison, std::move(first), parseOperand());
  }

  // An attribute (perhaps qualified), a number as written or a quoted text.
  std::unique_ptr<SyntaxNode> parseOperand() {
    const Token token = lexer.next();
    switch (token.kind) {
      case Token::Kind::word: {
        if (operatorOf(token) || conditionOf(token) || findConditionKeyword(token.text)) break;
        std::string name(token.text);
        readQualified(name);
        return SyntaxNode::leaf(name, LeafRole::attribute, token.offset);
      }
      case Token::Kind::number:
        return SyntaxNode::leaf(token.text, LeafRole::literal, token.offset);
      case Token::Kind::quoted:
        if (!fitsPrefixOperand(token.text)) fail(token, textOf(Text::literalTooRich), quotedText(token.text));
        return SyntaxNode::leaf(token.text, LeafRole::literal, token.offset);
      case Token::Kind::unclosedQuote:
        fail(token, textOf(Text::unclosedQuote), quotedText(token.text));
      case Token::Kind::sign:
        if (token.text == "-" && lexer.peek().kind == Token::Kind::number && !lexer.peek().blankBefore) {
          return SyntaxNode::leaf("-" + std::string(lexer.next().text), LeafRole::literal, token.offset);
        }
        break;
      default:
        break;
    }
    failExpected(token, textOf(Text::expectedOperand), false);
  }

  std::string_view expectWord(std::string_view expected) {
    const Token token = lexer.next();
    if (token.kind != Token::Kind::word || operatorOf(token) || conditionOf(token)) {
      failExpected(token, expected, false);
    }
    return token.text;
  }

  void expect(std::string_view sign, std::string_view expected) {
    const Token token = lexer.next();
    if (!isSign(token, sign)) failExpected(token, expected, sign == ")");
  }

  static bool isAssignment(const Token& token) {
    return (token.kind == Token::Kind::sign &&
            (isSpelledAs(assignmentSymbols, token.text) || isSpelledAs(assignmentWords, token.text))) ||
           (token.kind == Token::Kind::command && isSpelledAs(assignmentLatex, token.text));
  }


  static bool isSign(const Token& token, std::string_view sign) {
    return token.kind == Token::Kind::sign && token.text == sign;
  }

  void checkDepth(int depth, const Token& at) const {
    if (depth > maxNestingDepth) failTooDeep(at);
  }

  [[noreturn]] void failTooDeep(const Token& at) const {
    fatal(std::string(textOf(Text::textbookTooDeepMessage)) + describePosition(lexer.getText(), at.offset) + ": ",
          at.text);
  }

  [[noreturn]] void fail(const Token& at, std::string_view what, std::string_view detail) const {
    fatal(std::string(textOf(Text::textbookConditionMessage)) + describePosition(lexer.getText(), at.offset) +
          "): " + std::string(what) + std::string(detail));
  }

  // Names what was expected and what stood there; a misspelt operator word
  // where an operator may stand gets the word it was most likely meant to be.
  [[noreturn]] void failExpected(const Token& at, std::string_view expected, bool operatorMayStand,
                                 bool suggests = true) const {
    if (at.kind == Token::Kind::unclosedQuote) fail(at, textOf(Text::unclosedQuote), quotedText(at.text));
    std::string message = std::string(textOf(Text::textbookExpressionMessage)) +
                          describePosition(lexer.getText(), at.offset) + "): " + textOf(Text::expectedHere, {expected});
    if (at.kind == Token::Kind::end) {
      message += textOf(Text::butTheQueryEnded);
    } else {
      message += textOf(Text::butFound,
                        {quotedText(at.kind == Token::Kind::quoted ? "'" + std::string(at.text) + "'" : at.text)});
      const std::string_view meant =
          suggests && (at.kind == Token::Kind::word || at.kind == Token::Kind::command)
              ? closestOperatorWord(at.text, operatorMayStand)
              : std::string_view();
      if (!meant.empty()) message += didYouMeanName(meant);
    }
    fatal(message);
  }

  TextbookLexer lexer;
};

}  // namespace

bool fitsPrefixOperand(std::string_view literal) {
  return !literal.empty() && literal.find_first_of(",()") == std::string_view::npos && literal.front() != ' ' &&
         literal.back() != ' ' && !findConditionKeyword(literal);
}

std::string translateTextbook(std::string_view text, std::vector<SourceNote>* notes) {
  return translateTextbook(text, std::size_t{0}, notes);
}

std::string translateTextbook(std::string_view text, std::size_t begin, std::vector<SourceNote>* notes) {
  std::unique_ptr<SyntaxNode> query = TextbookParser(text, begin).parseQuery();
  std::string prefix;
  query->writePrefix(prefix, notes);
  return prefix;
}

std::string prefixTextOf(std::string_view query, QueryLanguage language) {
  if (language != QueryLanguage::extended || !isTextbookQuery(query)) return std::string(query);
  try {
    return translateTextbook(query);
  } catch (const FatalError&) {
    return "";
  }
}

bool isTextbookQuery(std::string_view text) {
  TextbookLexer lexer(text, true);
  const Token first = lexer.peek();
  const OperatorEntry* keyword = first.kind == Token::Kind::word ? findOperatorKeyword(first.text, true) : nullptr;
  if (keyword && first.offset + first.text.size() < text.size() && text[first.offset + first.text.size()] == '(') {
    return false;
  }
  if (!isAsciiText(text) || text.find_first_of("\\'") != std::string_view::npos) return true;
  Token previous;
  for (Token token = lexer.next(); token.kind != Token::Kind::end; previous = token, token = lexer.next()) {
    if (token.kind == Token::Kind::sign && (token.text == "_{" || token.text == "<-" || token.text == ":=")) {
      return true;
    }
    const OperatorEntry* entry = operatorOf(token);
    // Two names side by side: a misspelt operator word between operands.
    if (token.kind == Token::Kind::word && previous.kind == Token::Kind::word && token.blankBefore) return true;
    if (!entry) continue;
    if (entry->precedence == 0) return true;
    const bool afterOperand = token.offset > 0 && (token.blankBefore || (previous.text == ")" && previous.kind == Token::Kind::sign));
    if (afterOperand && previous.kind != Token::Kind::end && (token.kind == Token::Kind::word || token.text == "-")) {
      return true;
    }
  }
  return false;
}

}  // namespace qerix
