#include "model/message_catalogue.h"

#include <array>
#include <cassert>

namespace qerix {

namespace {

struct CatalogueEntry {
  Text id;
  std::string_view hungarian;
  std::string_view english;
};

// One line per text, in the order of `Text`.
constexpr std::array entries{
    CatalogueEntry{Text::qerixUsageMessage, "Hasznalat: qerix <input_file> <output_file>",
                   "Usage: qerix <input_file> <output_file>"},
    CatalogueEntry{Text::sameFileMessage, "Az output file nem lehet azonos az input file-lal: ",
                   "The output file must not be the input file: "},
    CatalogueEntry{Text::cannotOpenOutputMessage,
                   "Nem sikerult irasra megnyitni az output file-t: ", "Cannot open the output file for writing: "},
    CatalogueEntry{Text::writeFailedMessage,
                   "Nem sikerult kiirni az output file-t: ", "Cannot write the output file: "},
    CatalogueEntry{Text::consoleFailedMessage, "Nem sikerult kiirni az eredmenyt a standard kimenetre.",
                   "Cannot write the result to standard output."},
    CatalogueEntry{Text::emptyResultMessage, "Meg ures az eredmeny...", "The result is still empty..."},
    CatalogueEntry{Text::outOfMemoryMessage, "Nincs eleg memoria a lekerdezes vegrehajtasahoz.",
                   "Not enough memory to evaluate the query."},
    CatalogueEntry{Text::inOperation, " a {1} muveletben",
                   " in {1}"},
    CatalogueEntry{Text::projectExplanation, "Hibas projekcio{1}: az operandusnak nincs {2} attributuma, csak ezek: {3}",
                   "Wrong projection{1}: its operand has no attribute {2}, only these: {3}"},
    CatalogueEntry{Text::setOperationExplanation, "Hibas {1}{2}: a ket operandus attributumai nem illeszkednek: {3} es {4}; azonos szamu es sorrendben azonos tipusu attributum kell.",
                   "Wrong {1}{2}: the attributes of the two operands do not match: {3} and {4}; both need as many attributes, of the same types in the same order."},
    CatalogueEntry{Text::unionName, "unio",
                   "union"},
    CatalogueEntry{Text::minusName, "kulonbseg",
                   "minus"},
    CatalogueEntry{Text::intersectName, "metszet",
                   "intersect"},
    CatalogueEntry{Text::comparisonExplanation, "Hibas feltetel{1}: a {2} a(z) {3} tipusu {4} attributumot a(z) {5} tipusu {6} attributummal hasonlitja; csak azonos tipusu attributumok hasonlithatok ossze.",
                   "Wrong condition{1}: {2} compares the attribute {4} of type {3} with the attribute {6} of type {5}; only attributes of the same type compare."},
    CatalogueEntry{Text::openParenthesisExplanation, "Hibas kifejezes: a {1}. karakternel nyitott \"(\" sehol nincs lezarva: {2}",
                   "Wrong expression: the \"(\" opened at character {1} is never closed: {2}"},
    CatalogueEntry{Text::surplusParenthesisExplanation, "Hibas kifejezes: a {1}. karakternel allo \")\" nem zar le \"(\"-t: {2}",
                   "Wrong expression: the \")\" at character {1} closes no \"(\": {2}"},
    CatalogueEntry{Text::naturalJoinWarning, "a {1} termeszetes illesztes {2} attributumon illeszt: {3}; ha csak egyikre gondolt, a tobbit nevezze at vagy hagyja el (project) elotte.",
                   "the natural join {1} matches on {2} attributes: {3}; if you meant only one, rename or project away the others first."},
    CatalogueEntry{Text::unionPadsWarning, "a {1} masodik operandusanak kevesebb attributuma van, mint az elsonek: {2} es {3}; a hianyzo ertekeket uresen hagyja.",
                   "the second operand of {1} has fewer attributes than the first: {2} and {3}; the missing values are left empty."},
    CatalogueEntry{Text::setComparesPartlyWarning, "a {1} masodik operandusanak kevesebb attributuma van, mint az elsonek: {2} es {3}; a rekordokat csak reszben veti ossze.",
                   "the second operand of {1} has fewer attributes than the first: {2} and {3}; the records are compared only in part."},
    CatalogueEntry{Text::setMixesTypesWarning, "a {1} {2}. attributumaban kulonbozo tipusok allnak: {3} es {4}; az eredmeny az elso operandus tipusait kapja.",
                   "{1} has different types in attribute {2}: {3} and {4}; the result takes the first operand's types."},
    CatalogueEntry{Text::divideLeavesWarning, "a {1} eredmenyeben tobb attributum marad: {2}; az osztandoban csak a hanyados es az oszto attributumai alljanak (project).",
                   "the result of {1} keeps several attributes: {2}; the dividend should hold only the quotient's and the divisor's attributes (project)."},
    CatalogueEntry{Text::renameOneAttributeWarning, "a {1} csak az elso attributumot nevezi at ({2} helyett {3}), a relaciot nem; a relacio neve: rename(..., {4}({5})).",
                   "{1} renames only the first attribute ({2} to {3}), not the relation; to name the relation: rename(..., {4}({5}))."},
    CatalogueEntry{Text::headerWithoutTypesWarning, "a {1} relacio fejleceben tipus nelkul all: {2}; tipusa a neve lett, ezert szovegkent hasonlitja: irja \"nev int\" vagy \"nev string\" alakban.",
                   "the header of relation {1} gives no type for: {2}; each got its name as its type and compares as text: write \"name int\" or \"name string\"."},
    CatalogueEntry{Text::secondQueryWarning, "a {1} nevu relacio fejlece masodik lekerdezesnek latszik: egy input file egy lekerdezest tartalmaz, az elso nem ures sort, a tobbi sort relacionak olvassa.",
                   "the header of relation {1} looks like a second query: an input file holds one query, its first non-empty line, and the other lines are read as relations."},
    CatalogueEntry{Text::literalOtherCaseWarning, "a {1} a {2} erteket keresi, de a {3} relacio {4} ertekei kozott csak mas betumerettel all ({5}): a kis- es nagybetuket megkulonbozteti.",
                   "{1} looks for the value {2}, but the values of {4} in relation {3} hold it only in another case ({5}): case matters."},
    CatalogueEntry{Text::commentLineWarning, "a lekerdezes sora megjegyzesnek latszik, de az input file elso nem ures sora maga a lekerdezes, megjegyzes nincs: {1}",
                   "the query line looks like a comment, but the first non-empty line of the input file is the query itself; there are no comments: {1}"},
    CatalogueEntry{Text::borrowedKeywordWarning, "a {1} nem kulcsszo, ezert relacionevnek olvasta: {2}",
                   "{1} is no keyword, so it was read as a relation name: {2}"},
    CatalogueEntry{Text::withExtendedOption, " (a -x kapcsoloval)",
                   " (with -x)"},
    CatalogueEntry{Text::noSharedAttribute, "nincs kozos attributum",
                   "no shared attribute"},
    CatalogueEntry{Text::didYouMean, "; erre gondolt: {1}?", "; did you mean {1}?"},
    CatalogueEntry{Text::orBetweenNames, " vagy ", " or "},
    CatalogueEntry{Text::divideNotOnceMessage,
                   "Hibas osztas, az oszto attributuma nem szerepel pontosan egyszer az osztandoban: ",
                   "Bad division, an attribute of the divisor is not exactly once in the dividend: "},
    CatalogueEntry{Text::divideRepeatedMessage, "Hibas osztas, tobbszor szereplo attributum az osztoban: ",
                   "Bad division, an attribute repeated in the divisor: "},
    CatalogueEntry{Text::divideNoQuotientMessage, "Hibas osztas, nem marad attributum az eredmenyben.",
                   "Bad division, no attribute is left in the result."},
    CatalogueEntry{Text::renameEmptyRelationNameMessage,
                   "Hibas atnevezes, ures relacionev: ", "Bad rename, empty relation name: "},
    CatalogueEntry{Text::renameMalformedPairMessage, "Hibas atnevezes, uj<-regi alaku nevpar kell: ",
                   "Bad rename, a name pair of the form new<-old is needed: "},
    CatalogueEntry{Text::renameUnknownOldNameMessage,
                   "Hibas atnevezes, nincs ilyen attributum: ", "Bad rename, no such attribute: "},
    CatalogueEntry{Text::renameUnknownOldNameAtMessage, "Hibas atnevezes, nincs ilyen attributum (",
                   "Bad rename, no such attribute ("},
    CatalogueEntry{Text::renameSharedOldNameMessage, "Hibas atnevezes, tobb attributum neve is ez (",
                   "Bad rename, several attributes have this name ("},
    CatalogueEntry{Text::projectBlankNameMessage,
                   "Hibas projekcio, ures attributumnev: ", "Bad projection, empty attribute name: "},
    CatalogueEntry{Text::projectUnknownNameMessage, "Hibas projekcio, nincs ilyen attributum (",
                   "Bad projection, no such attribute ("},
    CatalogueEntry{Text::projectSharedNameMessage, "Hibas projekcio, tobb attributum neve is ez (",
                   "Bad projection, several attributes have this name ("},
    CatalogueEntry{Text::renameEmptyNameMessage, "Hibas atnevezes, ures nev: ", "Bad rename, empty name: "},
    CatalogueEntry{Text::joinRepeatedNameMessage, "Hibas illesztes, tobbszor szereplo kozos attributum: ",
                   "Bad join, a shared attribute appears more than once: "},
    CatalogueEntry{Text::unknownRelationMessage, "Hibas kifejezes, nincs ilyen relacio (",
                   "Bad expression, no such relation ("},
    CatalogueEntry{Text::typeMismatchMessage, "Nem azonos a ket attributum tipusa!",
                   "The two attributes are not of the same type!"},
    CatalogueEntry{Text::conditionUnknownAttributeMessage, "Hibas feltetel, nincs ilyen attributum (",
                   "Bad condition, no such attribute ("},
    CatalogueEntry{Text::conditionSharedAttributeMessage, "Hibas feltetel, tobb attributum neve is ez (",
                   "Bad condition, several attributes have this name ("},
    CatalogueEntry{Text::emptyConditionMessage,
                   "Hibas feltetel, ures feltetel vagy argumentum: ", "Bad condition, empty condition or argument: "},
    CatalogueEntry{Text::conditionMissingCommaMessage, "Hibas feltetel, hianyzik a vesszo az argumentumok kozul: ",
                   "Bad condition, the comma between the arguments is missing: "},
    CatalogueEntry{Text::conditionMissingParenthesisMessage, "Hibas feltetel, a kulcsszo utan hianyzik a zarojel: ",
                   "Bad condition, the parenthesis after the keyword is missing: "},
    CatalogueEntry{Text::missingSubconditionMessage,
                   "Hibas feltetel, hianyzik a reszfeltetel: ", "Bad condition, a subcondition is missing: "},
    CatalogueEntry{Text::conditionTooDeepMessage, "Tul melyen egymasba agyazott feltetel (legfeljebb 1000 szint): ",
                   "Condition nested too deeply (at most 1000 levels): "},
    CatalogueEntry{Text::noInputMessage, "Nincs ilyen input file!", "No such input file!"},
    CatalogueEntry{Text::changedInputMessage,
                   "Az input file megvaltozott a futas kozben: ", "The input file changed during the run: "},
    CatalogueEntry{Text::emptyAttributeListMessage,
                   "Hibas relacio fejlec, ures az attributumlista: ", "Bad relation header, empty attribute list: "},
    CatalogueEntry{Text::headerMissingAttributeMessage, "Hibas relacio fejlec, vesszo utan hianyzik az attributum: ",
                   "Bad relation header, an attribute is missing after a comma: "},
    CatalogueEntry{Text::getValueMessage, "Record::getValue (int fieldno ): nagy fieldno!",
                   "Record::getValue (int fieldno ): fieldno too large!"},
    CatalogueEntry{Text::setValueMessage, "Record::setValue( int fieldno, string value ): nagy fieldno!",
                   "Record::setValue( int fieldno, string value ): fieldno too large!"},
    CatalogueEntry{Text::noQueryMessage, "Hianyzik a lekerdezes: az input file-ban nincs nem ures sor.",
                   "The query is missing: the input file has no non-empty line."},
    CatalogueEntry{Text::blankQueryMessage, "Ures a lekerdezes: ", "The query is empty: "},
    CatalogueEntry{Text::emptyOperandMessage, "Hibas kifejezes, ures operandus: ", "Bad expression, empty operand: "},
    CatalogueEntry{Text::expressionMissingCommaMessage, "Hibas kifejezes, hianyzik a vesszo az argumentumok kozul: ",
                   "Bad expression, the comma between the arguments is missing: "},
    CatalogueEntry{Text::expressionMissingParenthesisMessage, "Hibas kifejezes, a kulcsszo utan hianyzik a zarojel: ",
                   "Bad expression, the parenthesis after the keyword is missing: "},
    CatalogueEntry{Text::expressionTooDeepMessage, "Tul melyen egymasba agyazott kifejezes (legfeljebb 1000 szint): ",
                   "Expression nested too deeply (at most 1000 levels): "},
    CatalogueEntry{Text::programNotAssignmentMessage,
                   "Hibas program, csak az utolso utasitas lehet ertekadas nelkuli (T <- E): ",
                   "Bad program, only the last statement may be without an assignment (T <- E): "},
    CatalogueEntry{Text::programMissingFinalQueryMessage,
                   "Hibas program, az utolso ertekadas utan hianyzik a lekerdezes: ",
                   "Bad program, the query is missing after the last assignment: "},
    CatalogueEntry{Text::programEmptyExpressionMessage, "Hibas program, ures az ertekadas kifejezese: ",
                   "Bad program, the expression of an assignment is empty: "},
    CatalogueEntry{Text::programReservedNameMessage, "Hibas program, az eredmeny neve nem lehet kulcsszo: ",
                   "Bad program, a result cannot be named after a keyword: "},
    CatalogueEntry{Text::programTooManyMessage, "Tul sok ertekadas a programban (legfeljebb 1000): ",
                   "Too many assignments in the program (at most 1000): "},
    CatalogueEntry{Text::textbookExpressionMessage, "Hibas kifejezes (", "Bad expression ("},
    CatalogueEntry{Text::textbookConditionMessage, "Hibas feltetel (", "Bad condition ("},
    CatalogueEntry{Text::textbookTooDeepMessage, "Tul melyen egymasba agyazott kifejezes (legfeljebb 1000 szint), ",
                   "Expression nested too deeply (at most 1000 levels), "},
    CatalogueEntry{Text::checkUsageMessage,
                   "Hasznalat: qerix-check [-x] [--tsv] <model_input> <answer>... [--data <input_file>]...",
                   "Usage: qerix-check [-x] [--tsv] <model_input> <answer>... [--data <input_file>]..."},
    CatalogueEntry{Text::unreadableMessage, "Nem olvashato a file: ", "Cannot read the file: "},
    CatalogueEntry{Text::checkWriteFailedMessage, "Nem sikerult kiirni az ellenorzest a standard outputra.",
                   "Cannot write the check to standard output."},
    CatalogueEntry{Text::checkOutOfMemoryMessage, "Nincs eleg memoria az ellenorzeshez.",
                   "Not enough memory for the check."},
    CatalogueEntry{
        Text::treeUsageMessage,
        "Hasznalat: qerix-tree [-x] [--dot | --json | --as prefix|textbook|latex] [--steps [--rows N]] <input_file>",
        "Usage: qerix-tree [-x] [--dot | --json | --as prefix|textbook|latex] [--steps [--rows N]] <input_file>"},
    CatalogueEntry{Text::badRowsMessage, "Hibas --rows ertek, nemnegativ egesz szam kell: ",
                   "Bad --rows value, a non-negative integer is needed: "},
    CatalogueEntry{Text::treeWriteFailedMessage, "Nem sikerult kiirni a fat a standard outputra.",
                   "Cannot write the tree to standard output."},
    CatalogueEntry{Text::readingOutOfMemoryMessage, "Nincs eleg memoria a lekerdezes beolvasasahoz.",
                   "Not enough memory to read the query."},
    CatalogueEntry{Text::cannotWriteMessage, "A lekerdezes nem irhato le a tankonyvi jelolessel, nem nev: ",
                   "The query cannot be written in the textbook notation, not a name: "},
    CatalogueEntry{Text::cannotQuoteMessage,
                   "A lekerdezes nem irhato le a tankonyvi jelolessel, ez a szoveg nem allhat idezojelek kozott: ",
                   "The query cannot be written in the textbook notation, this text cannot stand between quotes: "},
    CatalogueEntry{
        Text::cannotReadAsLiteralMessage,
        "A lekerdezes nem irhato le a prefix jelolessel, ez az idezett szoveg ott attributumot jelentene: ",
        "The query cannot be written in the prefix notation, this quoted text would mean an attribute there: "},
    CatalogueEntry{Text::expectedRelation, "relacionev vagy \"(\"", "a relation name or \"(\""},
    CatalogueEntry{Text::expectedOperator, "muvelet vagy a lekerdezes vege", "an operator or the end of the query"},
    CatalogueEntry{Text::expectedAttribute, "attributumnev", "an attribute name"},
    CatalogueEntry{Text::expectedOperand, "attributumnev, szam vagy 'szoveg'", "an attribute name, a number or 'text'"},
    CatalogueEntry{Text::expectedAfterDot, "attributumnev kozvetlenul a \".\" utan",
                   "an attribute name right after the \".\""},
    CatalogueEntry{Text::expectedComparison, "osszehasonlitas (=, <>, <, <=, >, >=)",
                   "a comparison (=, <>, <, <=, >, >=)"},
    CatalogueEntry{
        Text::expectedRenameList,
        "uj relacionev (D), vele zarojelben az uj attributumnevek (D(a,b)) vagy uj<-regi nevparok",
        "a new relation name (D), with the new attribute names in parentheses (D(a,b)), or new<-old name pairs"},
    CatalogueEntry{Text::expectedArrow, "\"<-\" az uj es a regi attributumnev kozott",
                   "\"<-\" between the new and the old attribute name"},
    CatalogueEntry{Text::unclosedQuote, "nincs lezarva az idezojel: ", "the quote is not closed: "},
    CatalogueEntry{Text::literalTooRich,
                   "a szoveg nem lehet ures vagy feltetel kulcsszava, es nem tartalmazhat vesszot, zarojelet, sem a "
                   "szelein szokozt: ",
                   "a text cannot be empty or a keyword of a condition, and cannot hold a comma, a parenthesis, or a "
                   "blank at its ends: "},
    CatalogueEntry{Text::expectedHere, "{1} kell itt", "{1} expected here"},
    CatalogueEntry{Text::butTheQueryEnded, ", de veget ert a lekerdezes.", ", but the query ended."},
    CatalogueEntry{Text::butFound, ", nem {1}", ", not {1}"},
    CatalogueEntry{Text::lineAndColumn, "{1}. sor {2}. oszlop", "line {1} column {2}"},
    CatalogueEntry{Text::warningPrefix, "Figyelmeztetes: ", "Warning: "},
    CatalogueEntry{Text::resultHidesRelation,
                   "a(z) {1} nevu eredmeny a kovetkezo utasitasokban elfedi a beolvasott azonos nevu relaciot.",
                   "the result named {1} hides the loaded relation of the same name in the statements that follow."},
    CatalogueEntry{Text::lastCharacterDropped,
                   "a {1} forma utolso karaktere nem \")\": a {2} karaktert olvasas nelkul elhagyta.",
                   "the last character of the form {1} is not \")\": the character {2} was dropped unread."},
    CatalogueEntry{Text::textAfterClosing,
                   "a {1} forma zaro \")\" utani szoveget ({2}) a forma utolso argumentumaba olvasta.",
                   "the text after the closing \")\" of the form {1} ({2}) was read into the form's last argument."},
    CatalogueEntry{Text::operatorOnlyWithX, "a {1} csak a -x kapcsoloval muvelet; nelkule relacionevnek olvasta: {2}",
                   "{1} is an operator only with the -x option; without it, this was read as a relation name: {2}"},
    CatalogueEntry{Text::blankBeforeOperatorParenthesis,
                   "a {1} kulcsszo es a \"(\" kozott szokoz all, ezert relacionevnek olvasta: {2}",
                   "a blank stands between the keyword {1} and the \"(\", so this was read as a relation name: {2}"},
    CatalogueEntry{
        Text::operatorInLowerCase, "a {1} kulcsszot kisbetuvel kell irni ({2}), ezert relacionevnek olvasta: {3}",
        "the keyword {1} must be written in lower case ({2}); as written, this was read as a relation name: {3}"},
    CatalogueEntry{Text::noSuchRelation, "nincs {1} nevu relacio, ezert nincs eredmeny",
                   "there is no relation named {1}, so there is no result"},
    CatalogueEntry{Text::selectTakesOneCondition,
                   "a select egy feltetelt var; az elso utan allo szoveget ({1}) az elso feltetelbe olvasta: {2}",
                   "select takes one condition; the text after the first ({1}) was read into the first condition: {2}"},
    CatalogueEntry{Text::projectTakesNames,
                   "a project attributumneveket var; a zarojeles szoveget is annak olvasta: {1}",
                   "project takes attribute names; the text in parentheses was read as names too: {1}"},
    CatalogueEntry{Text::notUsesOneCondition,
                   "a NOT egy feltetelt hasznal; a masodik argumentumat ({1}) figyelmen kivul hagyja: {2}",
                   "NOT uses one condition; its second argument ({1}) is ignored: {2}"},
    CatalogueEntry{Text::usesTwoArguments, "a {1} ket argumentumot hasznal; a masodik argumentuma ez lett: {2}",
                   "{1} uses two arguments; its second argument became: {2}"},
    CatalogueEntry{Text::quotesArePartOfValue,
                   "a {1} operandus idezojeleit is az ertek reszenek veszi: idezojel nelkul irja.",
                   "the quotes of the operand {1} are taken as part of the value: write it without quotes."},
    CatalogueEntry{Text::blankBeforeConditionParenthesis,
                   "a {1} kulcsszo es a \"(\" kozott szokoz all, ezert szovegnek olvasta: {2}",
                   "a blank stands between the keyword {1} and the \"(\", so this was read as text: {2}"},
    CatalogueEntry{Text::conditionInUpperCase,
                   "a {1} kulcsszot nagybetuvel kell irni ({2}), ezert szovegnek olvasta: {3}",
                   "the keyword {1} must be written in upper case ({2}); as written, this was read as text: {3}"},
    CatalogueEntry{Text::byteOrderMark,
                   "az input file UTF-8 bajtsorrend-jelzovel (BOM) kezdodik, amit a lekerdezes elso karaktereinek "
                   "olvasott: mentse BOM nelkul.",
                   "the input file begins with a UTF-8 byte order mark (BOM), which was read as the first characters "
                   "of the query: save it without a BOM."},
    CatalogueEntry{Text::numberTypeNotInt,
                   "a {1} relacio {2} attributumanak tipusa {3}, nem \"int\": szovegkent hasonlitja.",
                   "the type of the attribute {2} of the relation {1} is {3}, not \"int\": it is compared as text."},
    CatalogueEntry{Text::headerReadAsRecord,
                   "a {1} sor relacio fejlecnek latszik, de a {2} relacio rekordjanak olvasta: a fejlec elott ures "
                   "sornak kell allnia.",
                   "the line {1} looks like a relation header, but was read as a record of the relation {2}: an empty "
                   "line must stand before a header."},
    CatalogueEntry{Text::operandNotAttribute, "{1} nem attributum, ezert szovegkent hasonlitja",
                   "{1} is not an attribute, so it is compared as text"},
    CatalogueEntry{Text::intAgainstText,
                   "a {1} az \"int\" tipusu {2} attributumot a {3} szoveggel hasonlitja, amit {4} szamnak vesz.",
                   "{1} compares the \"int\" attribute {2} with the text {3}, which it takes as the number {4}."},
    CatalogueEntry{Text::valueWithLeadingBlank,
                   "a {1} relacio {2} ertekei kozott szokozzel kezdodo is van ({3}), amit a {4} az ertek reszenek "
                   "vesz: a rekord soraiban a vesszok utan ne alljon szokoz.",
                   "some values of {2} in the relation {1} begin with a blank ({3}), which {4} takes as part of the "
                   "value: put no blank after the commas of a record line."},
    CatalogueEntry{Text::verdictSame, "azonos eredmeny", "same result"},
    CatalogueEntry{Text::verdictOtherOrder, "ugyanazok a rekordok, mas sorrendben",
                   "the same records, in another order"},
    CatalogueEntry{Text::verdictOtherDuplicates, "ugyanazok a rekordok, mas ismetlodesekkel",
                   "the same records, with other duplicates"},
    CatalogueEntry{Text::verdictUnexpectedResult, "a valasznak van eredmenye, a modell valasznak nincs",
                   "the answer has a result, the model answer has none"},
    CatalogueEntry{Text::verdictOtherName, "ugyanazok a rekordok, mas relacionevvel: vart {1}, kapott {2}",
                   "the same records, under another relation name: expected {1}, got {2}"},
    CatalogueEntry{Text::verdictOtherAttributes, "mas attributumok: vart {1}, kapott {2}",
                   "other attributes: expected {1}, got {2}"},
    CatalogueEntry{Text::verdictOtherRecords, "hianyzik {1} rekord, folosleges {2} rekord",
                   "{1|record|records} missing, {2|record|records} too many"},
    CatalogueEntry{Text::verdictAnswerFailed, "a valasz hibaval ert veget: {1}", "the answer ended with an error: {1}"},
    CatalogueEntry{Text::verdictNoResult, "a valasznak nincs eredmenye ({1})", "the answer has no result ({1})"},
    CatalogueEntry{Text::verdictModelFailed, "a modell valasz hibaval ert veget: {1}",
                   "the model answer ended with an error: {1}"},
    CatalogueEntry{Text::verdictTimeLimit, "a valasz tullepte az idokorlatot ({1} mp)",
                   "the answer exceeded the time limit ({1} s)"},
    CatalogueEntry{Text::verdictRecordLimit, "a valasz tullepte a rekordkorlatot: egy eredmenye tobb mint {1} rekord",
                   "the answer exceeded the record limit: one of its results has more than {1|record|records}"},
    CatalogueEntry{Text::evaluationSignalled, "a kiertekeles a(z) {1} jelzessel megszakadt",
                   "the evaluation was ended by the signal {1}"},
    CatalogueEntry{Text::evaluationExited, "a kiertekeles eredmeny nelkul ert veget ({1} kilepesi koddal)",
                   "the evaluation ended without an outcome (exit status {1})"},
    CatalogueEntry{Text::shortSame, "azonos", "same"},
    CatalogueEntry{Text::shortOrder, "sorrend", "order"},
    CatalogueEntry{Text::shortDuplicates, "ismetlodes", "duplicates"},
    CatalogueEntry{Text::shortName, "nev", "name"},
    CatalogueEntry{Text::shortAttributes, "attributumok", "attributes"},
    CatalogueEntry{Text::shortRecords, "rekordok", "records"},
    CatalogueEntry{Text::shortError, "hiba", "error"},
    CatalogueEntry{Text::shortNone, "nincs", "none"},
    CatalogueEntry{Text::shortSome, "van", "some"},
    CatalogueEntry{Text::shortModelError, "modellhiba", "modelerror"},
    CatalogueEntry{Text::shortTimeLimit, "idokorlat", "timelimit"},
    CatalogueEntry{Text::shortRecordLimit, "rekordkorlat", "recordlimit"},
    CatalogueEntry{Text::unreadableAnswer, "nem olvashato valasz file", "answer file not readable"},
    CatalogueEntry{Text::missingRecord, "hianyzik", "missing"},
    CatalogueEntry{Text::surplusRecord, "folosleges", "too many"},
    CatalogueEntry{Text::shortUnreadable, "olvashatatlan", "unreadable"},
    CatalogueEntry{Text::answerColumn, "valasz", "answer"},
    CatalogueEntry{Text::summary, "Osszesites", "Summary"},
    CatalogueEntry{Text::correctColumn, "helyes", "correct"},
    CatalogueEntry{Text::yes, "igen", "yes"},
    CatalogueEntry{Text::no, "nem", "no"},
    CatalogueEntry{Text::correctCount, "{1} / {2} valasz helyes.", "{1} / {2} answers correct."},
    CatalogueEntry{Text::stepNotEvaluated, "nem ertekelte: a futas elobb veget ert",
                   "not evaluated: the run ended before"},
    CatalogueEntry{Text::stepNoResult, "nincs eredmeny", "no result"},
    CatalogueEntry{Text::stepFailed, "hiba: {1}", "error: {1}"},
    CatalogueEntry{Text::stepRecords, "{1}: {2} rekord", "{1}: {2|record|records}"},
    CatalogueEntry{Text::stepMoreRecords, "... (meg {1} rekord)", "... ({1|more record|more records})"},
    CatalogueEntry{Text::groupingEmptyListMessage, "Hibas csoportositas, ures a lista: ",
                   "Bad grouping, the list is empty: "},
    CatalogueEntry{Text::groupingEmptyItemMessage, "Hibas csoportositas, ures elem a listaban: ",
                   "Bad grouping, empty item in the list: "},
    CatalogueEntry{Text::groupingMalformedCallMessage, "Hibas csoportositas, FUGGVENY(attributum)->nev alaku aggregalas kell: ",
                   "Bad grouping, an aggregate must look like FUNCTION(attribute)->name: "},
    CatalogueEntry{Text::groupingUnknownFunctionMessage, "Hibas csoportositas, ismeretlen aggregalo fuggveny (COUNT, SUM, AVG, MIN, MAX): ",
                   "Bad grouping, unknown aggregate function (COUNT, SUM, AVG, MIN, MAX): "},
    CatalogueEntry{Text::groupingStarOutsideCountMessage, "Hibas csoportositas, * csak a COUNT-ban allhat: ",
                   "Bad grouping, * may stand only in COUNT: "},
    CatalogueEntry{Text::groupingDistinctOutsideCountMessage, "Hibas csoportositas, DISTINCT csak a COUNT-ban allhat: ",
                   "Bad grouping, DISTINCT may stand only in COUNT: "},
    CatalogueEntry{Text::groupingMalformedNameMessage, "Hibas csoportositas, hibas nev: ",
                   "Bad grouping, bad name: "},
    CatalogueEntry{Text::groupingUnknownNameMessage, "Hibas csoportositas, nincs ilyen attributum (",
                   "Bad grouping, no such attribute ("},
    CatalogueEntry{Text::groupingSharedNameMessage, "Hibas csoportositas, tobb attributum neve is ez (",
                   "Bad grouping, more than one attribute has this name ("},
    CatalogueEntry{Text::groupingKeyPlace, "csoportosito attributum",
                   "grouping attribute"},
    CatalogueEntry{Text::groupingTakenNameMessage, "Hibas csoportositas, ez a nev tobbszor szerepel az eredmenyben: ",
                   "Bad grouping, this name appears more than once in the result: "},
    CatalogueEntry{Text::groupingNotNumberMessage, "Hibas csoportositas, csak int vagy decimal tipusu attributum osszegezheto es atlagolhato: ",
                   "Bad grouping, only attributes of type int or decimal can be summed and averaged: "},
    CatalogueEntry{Text::groupingOverflowMessage, "Hibas csoportositas, az int tipusu osszeg nem fer el 32 biten (-2147483648..2147483647): ",
                   "Bad grouping, the int sum does not fit in 32 bits (-2147483648..2147483647): "},
    CatalogueEntry{Text::groupingDecimalOverflowMessage, "Hibas csoportositas, a decimal tipusu osszeg tul nagy (legfeljebb 18 egesz jegy): ",
                   "Bad grouping, the decimal sum is too large (at most 18 integer digits): "},
    CatalogueEntry{Text::sortMalformedListMessage, "Hibas rendezesi lista: ",
                   "Bad sort list: "},
    CatalogueEntry{Text::sortUnknownAttributeMessage, "Hibas rendezes, nincs ilyen attributum: ",
                   "Bad sort, no such attribute: "},
    CatalogueEntry{Text::decimalLiteralMessage, "Hibas feltetel, nem decimalis szam: ",
                   "Bad condition, not a decimal number: "},
    CatalogueEntry{Text::malformedDecimalMessage, "Hibas decimalis ertek: ",
                   "Bad decimal value: "},
    CatalogueEntry{Text::expectedGroupingItem, "attributumnev vagy aggregalas, mint COUNT(*) vagy SUM(a)",
                   "an attribute name or an aggregate, such as COUNT(*) or SUM(a)"},
    CatalogueEntry{Text::expectedAggregateArgument, "\"*\", attributumnev vagy DISTINCT attributumnev",
                   "\"*\", an attribute name or DISTINCT attribute name"},
    CatalogueEntry{Text::expectedResultName, "az aggregalas eredmenyenek neve",
                   "the name of the aggregate's result"},
};
static_assert(entries.size() == static_cast<std::size_t>(Text::count), "one entry per text");

constexpr bool inOrder() {
  for (std::size_t index = 0; index < entries.size(); ++index) {
    if (static_cast<std::size_t>(entries[index].id) != index) return false;
  }
  return true;
}
static_assert(inOrder(), "the entries follow the order of Text");

// Written once by a program's main before any work starts, read everywhere.
Language current = Language::hungarian;

}  // namespace

void setLanguage(Language language) { current = language; }

Language currentLanguage() { return current; }

std::optional<Language> languageNamed(std::string_view name) {
  if (name == "hu") return Language::hungarian;
  if (name == "en") return Language::english;
  return std::nullopt;
}

void applyLanguageOption(std::span<const std::string_view> arguments) {
  setLanguage(Language::hungarian);
  for (std::size_t index = 0; index + 1 < arguments.size(); ++index) {
    if (const auto language = languageNamed(arguments[index + 1]); arguments[index] == "--lang" && language) {
      setLanguage(*language);
      return;
    }
  }
}

std::string_view textOf(Text id) { return textOf(id, current); }

std::string_view textOf(Text id, Language language) {
  const CatalogueEntry& entry = entries[static_cast<std::size_t>(id)];
  return language == Language::english ? entry.english : entry.hungarian;
}

std::string textOf(Text id, std::initializer_list<std::string_view> parameters) {
  const std::string_view pattern = textOf(id);
  std::string result;
  result.reserve(pattern.size());
  for (std::size_t index = 0; index < pattern.size(); ++index) {
    const char digit = index + 2 < pattern.size() ? pattern[index + 1] : '\0';
    const char after = index + 2 < pattern.size() ? pattern[index + 2] : '\0';
    if (pattern[index] == '{' && digit >= '1' && digit <= '9' && (after == '}' || after == '|')) {
      const auto number = static_cast<std::size_t>(digit - '1');
      assert(number < parameters.size() && "every parameter of a text is given");
      const std::string_view value = number < parameters.size() ? *(parameters.begin() + number) : "";
      result += value;
      if (after == '}') {
        index += 2;
        continue;
      }
      // {1|record|records}: the count, then the word that agrees with it.
      const std::size_t end = pattern.find('}', index);
      assert(end != std::string_view::npos && "a count's words end with }");
      const std::string_view forms = pattern.substr(index + 3, end - index - 3);
      const std::size_t bar = forms.find('|');
      result += ' ';
      result += value == "1" ? forms.substr(0, bar) : forms.substr(bar + 1);
      index = end;
    } else {
      result += pattern[index];
    }
  }
  return result;
}

}  // namespace qerix
