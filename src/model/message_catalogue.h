#ifndef QERIX_MODEL_MESSAGE_CATALOGUE_H
#define QERIX_MODEL_MESSAGE_CATALOGUE_H

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qerix {

// The language of every text the programs write for a person. Hungarian is
// the programs' own; English is chosen with --lang en.
enum class Language { hungarian, english };

// Every text a program writes for a person, by name. To add one: add its
// name here (a name ending in "Message" is a diagnostic the manual pages
// list), then one line in message_catalogue.cpp with its Hungarian text
// (plain ASCII) and its English text, in the same order. Parameters are
// written {1}, {2}, ... and filled in by textOf; {1|record|records} is a
// count followed by the word that agrees with it. A diagnostic's Hungarian
// text stays one string literal, which the manual pages' check reads.
enum class Text {
  qerixUsageMessage,
  sameFileMessage,
  cannotOpenOutputMessage,
  writeFailedMessage,
  consoleFailedMessage,
  emptyResultMessage,
  outOfMemoryMessage,
  // What qerix -x and the tools tell: explanations of a failed run, warnings, notes of the tree.
  inOperation,
  projectExplanation,
  setOperationExplanation,
  unionName,
  minusName,
  intersectName,
  comparisonExplanation,
  openParenthesisExplanation,
  surplusParenthesisExplanation,
  naturalJoinWarning,
  unionPadsWarning,
  setComparesPartlyWarning,
  setMixesTypesWarning,
  divideLeavesWarning,
  renameOneAttributeWarning,
  headerWithoutTypesWarning,
  secondQueryWarning,
  literalOtherCaseWarning,
  commentLineWarning,
  borrowedKeywordWarning,
  withExtendedOption,
  noSharedAttribute,
  didYouMean,
  orBetweenNames,
  divideNotOnceMessage,
  divideRepeatedMessage,
  divideNoQuotientMessage,
  renameEmptyRelationNameMessage,
  renameMalformedPairMessage,
  renameUnknownOldNameMessage,
  renameUnknownOldNameAtMessage,
  renameSharedOldNameMessage,
  projectBlankNameMessage,
  projectUnknownNameMessage,
  projectSharedNameMessage,
  renameEmptyNameMessage,
  joinRepeatedNameMessage,
  unknownRelationMessage,
  typeMismatchMessage,
  conditionUnknownAttributeMessage,
  conditionSharedAttributeMessage,
  emptyConditionMessage,
  conditionMissingCommaMessage,
  conditionMissingParenthesisMessage,
  missingSubconditionMessage,
  conditionTooDeepMessage,
  noInputMessage,
  changedInputMessage,
  emptyAttributeListMessage,
  headerMissingAttributeMessage,
  getValueMessage,
  setValueMessage,
  noQueryMessage,
  blankQueryMessage,
  emptyOperandMessage,
  expressionMissingCommaMessage,
  expressionMissingParenthesisMessage,
  expressionTooDeepMessage,
  programNotAssignmentMessage,
  programMissingFinalQueryMessage,
  programEmptyExpressionMessage,
  programReservedNameMessage,
  programTooManyMessage,
  textbookExpressionMessage,
  textbookConditionMessage,
  textbookTooDeepMessage,
  checkUsageMessage,
  unreadableMessage,
  checkWriteFailedMessage,
  checkOutOfMemoryMessage,
  treeUsageMessage,
  badRowsMessage,
  treeWriteFailedMessage,
  readingOutOfMemoryMessage,
  cannotWriteMessage,
  cannotQuoteMessage,
  cannotReadAsLiteralMessage,
  expectedRelation,
  expectedOperator,
  expectedAttribute,
  expectedOperand,
  expectedAfterDot,
  expectedComparison,
  expectedRenameList,
  expectedArrow,
  unclosedQuote,
  literalTooRich,
  expectedHere,
  butTheQueryEnded,
  butFound,
  lineAndColumn,
  warningPrefix,
  resultHidesRelation,
  lastCharacterDropped,
  textAfterClosing,
  operatorOnlyWithX,
  blankBeforeOperatorParenthesis,
  operatorInLowerCase,
  noSuchRelation,
  selectTakesOneCondition,
  projectTakesNames,
  notUsesOneCondition,
  usesTwoArguments,
  quotesArePartOfValue,
  blankBeforeConditionParenthesis,
  conditionInUpperCase,
  byteOrderMark,
  numberTypeNotInt,
  headerReadAsRecord,
  operandNotAttribute,
  intAgainstText,
  valueWithLeadingBlank,
  verdictSame,
  verdictOtherOrder,
  verdictOtherDuplicates,
  verdictUnexpectedResult,
  verdictOtherName,
  verdictOtherAttributes,
  verdictOtherRecords,
  verdictAnswerFailed,
  verdictNoResult,
  verdictModelFailed,
  verdictTimeLimit,
  verdictRecordLimit,
  evaluationSignalled,
  evaluationExited,
  shortSame,
  shortOrder,
  shortDuplicates,
  shortName,
  shortAttributes,
  shortRecords,
  shortError,
  shortNone,
  shortSome,
  shortModelError,
  shortTimeLimit,
  shortRecordLimit,
  unreadableAnswer,
  missingRecord,
  surplusRecord,
  shortUnreadable,
  answerColumn,
  summary,
  correctColumn,
  yes,
  no,
  correctCount,
  stepNotEvaluated,
  stepNoResult,
  stepFailed,
  stepRecords,
  stepMoreRecords,
  groupingEmptyListMessage,
  groupingEmptyItemMessage,
  groupingMalformedCallMessage,
  groupingUnknownFunctionMessage,
  groupingStarOutsideCountMessage,
  groupingDistinctOutsideCountMessage,
  groupingMalformedNameMessage,
  groupingUnknownNameMessage,
  groupingSharedNameMessage,
  groupingKeyPlace,
  groupingTakenNameMessage,
  groupingNotNumberMessage,
  groupingOverflowMessage,
  groupingDecimalOverflowMessage,
  sortMalformedListMessage,
  sortUnknownAttributeMessage,
  decimalLiteralMessage,
  malformedDecimalMessage,
  expectedGroupingItem,
  expectedAggregateArgument,
  expectedResultName,
  count  // not a text: the number of texts
};

// The language every text is given in; Hungarian unless set. Each program's
// main (or the page's engine) sets it once, before any work starts.
void setLanguage(Language language);
Language currentLanguage();

// "hu" or "en", as --lang takes them; nothing for any other name.
std::optional<Language> languageNamed(std::string_view name);

// How every program reads its command line's language: a run starts in
// Hungarian, and the first "--lang" followed by a known name, wherever it
// stands among `arguments`, sets the language of all the run's messages, the
// usage message included. Where it stands and whether it is allowed there is
// for the program's own reading of its options.
void applyLanguageOption(std::span<const std::string_view> arguments);

// The text in the current language, or in `language`.
std::string_view textOf(Text id);
std::string_view textOf(Text id, Language language);

// The text with {1}, {2}, ... replaced by the parameters, in that order.
std::string textOf(Text id, std::initializer_list<std::string_view> parameters);

}  // namespace qerix

#endif  // QERIX_MODEL_MESSAGE_CATALOGUE_H
