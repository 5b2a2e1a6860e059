#include "tools/check_command.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "driver/run.h"
#include "inspect/query_warnings.h"
#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "tools/answer_check.h"
#include "tools/answer_file.h"
#include "tools/assignment_command.h"
#include "tools/data_file.h"
#include "tools/grade_report.h"
#include "tools/answer_runner.h"

namespace qerix {

namespace {

struct CheckRequest {
  QueryLanguage language = QueryLanguage::basic;
  bool tsv = false;
  AnswerLimits limits;
  std::string_view model;
  std::vector<std::string_view> answers;
  std::vector<std::string_view> data;
};

// The value of an option read from `arguments[index]`; the usage when it is
// missing or `read` finds none in it.
template <class Read>
auto optionValue(std::span<const std::string_view> arguments, std::size_t index, Read read) {
  if (index == arguments.size()) fatal(textOf(Text::checkUsageMessage));
  const auto value = read(arguments[index]);
  if (!value) fatal(textOf(Text::checkUsageMessage));
  return *value;
}

CheckRequest readArguments(std::span<const std::string_view> arguments) {
  // Each check starts in the programs' own language, whatever ran before it.
  applyLanguageOption(arguments);
  CheckRequest request;
  std::size_t index = 0;
  bool languageGiven = false;
  bool timeGiven = false;
  bool recordsGiven = false;
  for (bool extendedGiven = false; index < arguments.size(); ++index) {
    if (isExtendedOption(arguments[index]) && !extendedGiven) {
      extendedGiven = true;
      request.language = QueryLanguage::extended;
    } else if (arguments[index] == "--tsv" && !request.tsv) {
      request.tsv = true;
    } else if (arguments[index] == "--time-limit" && !timeGiven) {
      request.limits.seconds = optionValue(arguments, ++index, readTimeLimit);
      timeGiven = true;
    } else if (arguments[index] == "--record-limit" && !recordsGiven) {
      request.limits.records = optionValue(arguments, ++index, readRecordLimit);
      recordsGiven = true;
    } else if (arguments[index] == "--lang" && !languageGiven) {
      if (index + 1 == arguments.size() || !languageNamed(arguments[index + 1])) fatal(textOf(Text::checkUsageMessage));
      languageGiven = true;
      ++index;
    } else {
      break;
    }
  }
  if (index == arguments.size() || arguments[index].starts_with("-")) fatal(textOf(Text::checkUsageMessage));
  request.model = arguments[index++];
  for (; index < arguments.size(); ++index) {
    if (arguments[index] == "--data") {
      if (++index == arguments.size()) fatal(textOf(Text::checkUsageMessage));
      request.data.push_back(arguments[index]);
    } else if (arguments[index].starts_with("-") || !request.data.empty()) {
      fatal(textOf(Text::checkUsageMessage));
    } else {
      request.answers.push_back(arguments[index]);
    }
  }
  if (request.answers.empty()) fatal(textOf(Text::checkUsageMessage));
  return request;
}

struct DataSet {
  std::string name;
  LoadedInput input;
  QueryOutcome model;
};

struct AnswerRow {
  std::string path;  // as the report shows it
  AnswerText::State state = AnswerText::State::query;
  std::vector<Verdict> verdicts;  // one per data set
  std::vector<std::string> warnings;  // what the answer most likely meant otherwise, over the model's data

  bool matches() const {
    return state == AnswerText::State::query &&
           std::all_of(verdicts.begin(), verdicts.end(), [](const Verdict& each) { return each.matches(); });
  }
};

// A verdict in a word, for the summary and the gradebook.
std::string_view cellText(const AnswerRow& row, std::size_t set) {
  switch (row.state) {
    case AnswerText::State::query:
      return shortName(row.verdicts[set].kind);
    case AnswerText::State::empty:
      return textOf(Text::shortEmptyAnswer);
    case AnswerText::State::unreadable:
      break;
  }
  return textOf(Text::shortUnreadable);
}

void writeReport(const std::vector<DataSet>& sets, const std::vector<AnswerRow>& rows, std::ostream& out) {
  for (const AnswerRow& row : rows) {
    out << row.path << '\n';
    if (row.state != AnswerText::State::query) {
      out << "  " << textOf(row.state == AnswerText::State::empty ? Text::verdictEmptyAnswer : Text::unreadableAnswer)
          << '\n';
      continue;
    }
    for (std::size_t set = 0; set < sets.size(); ++set) {
      const Verdict& verdict = row.verdicts[set];
      out << "  " << sets[set].name << ": " << describe(verdict) << '\n';
      for (const std::string& record : verdict.missing)
        out << "    " << textOf(Text::missingRecord) << ": " << record << '\n';
      for (const std::string& record : verdict.surplus)
        out << "    " << textOf(Text::surplusRecord) << ": " << record << '\n';
    }
    for (const std::string& warning : row.warnings) out << "  " << warning << '\n';
  }
  // The summary: a row per answer, a column per data set, each as wide as its widest cell.
  auto cellOf = [](const AnswerRow& row, std::size_t set) { return cellText(row, set); };
  std::vector<std::size_t> widths{textOf(Text::answerColumn).size()};
  for (const AnswerRow& row : rows) widths[0] = std::max(widths[0], row.path.size());
  for (std::size_t set = 0; set < sets.size(); ++set) {
    widths.push_back(sets[set].name.size());
    for (const AnswerRow& row : rows) widths.back() = std::max(widths.back(), cellOf(row, set).size());
  }
  auto writeCell = [&out](std::string_view text, std::size_t width) {
    out << text << std::string(width - text.size() + 2, ' ');
  };
  out << '\n' << textOf(Text::summary) << ":\n";
  writeCell(textOf(Text::answerColumn), widths[0]);
  for (std::size_t set = 0; set < sets.size(); ++set) writeCell(sets[set].name, widths[set + 1]);
  out << textOf(Text::correctColumn) << '\n';
  std::size_t matching = 0;
  for (const AnswerRow& row : rows) {
    writeCell(row.path, widths[0]);
    for (std::size_t set = 0; set < sets.size(); ++set) writeCell(cellOf(row, set), widths[set + 1]);
    out << textOf(row.matches() ? Text::yes : Text::no) << '\n';
    if (row.matches()) ++matching;
  }
  out << textOf(Text::correctCount, {std::to_string(matching), std::to_string(rows.size())}) << '\n';
}

void writeTsv(const std::vector<DataSet>& sets, const std::vector<AnswerRow>& rows, std::ostream& out) {
  out << textOf(Text::answerColumn);
  for (const DataSet& set : sets) out << '\t' << set.name;
  out << '\t' << textOf(Text::correctColumn) << '\n';
  for (const AnswerRow& row : rows) {
    out << row.path;
    for (std::size_t set = 0; set < sets.size(); ++set) {
      out << '\t' << cellText(row, set);
    }
    out << '\t' << textOf(row.matches() ? Text::yes : Text::no) << '\n';
  }
}

bool check(const CheckRequest& request, std::ostream& console) {
  std::vector<DataSet> sets;
  sets.push_back({fieldText(request.model), loadDataFile(request.model, request.language), {}});
  const std::string modelQuery = sets[0].input.query;
  for (const std::string_view path : request.data) sets.push_back({fieldText(path), loadDataFile(path, request.language), {}});
  for (DataSet& set : sets) set.model = evaluateQuery(modelQuery, set.input.relations, request.language);

  std::vector<AnswerRow> rows;
  std::vector<std::optional<std::string>> queries;
  std::vector<Evaluation> jobs;
  for (const std::string_view path : request.answers) {
    AnswerRow& row = rows.emplace_back();
    row.path = fieldText(path);
    AnswerText answer = readAnswerFile(path, request.language);
    row.state = answer.state;
    if (answer.state == AnswerText::State::query) {
      queries.push_back(std::move(answer.query));
      row.verdicts.resize(sets.size());
    } else {
      queries.emplace_back();
    }
  }
  // Every answer on every data set at once, each within the limits; judged
  // as each ends, so that no more than the verdicts is kept.
  std::vector<std::pair<std::size_t, std::size_t>> places;  // of each job: its answer and data set
  for (std::size_t answer = 0; answer < rows.size(); ++answer) {
    if (!queries[answer]) continue;
    for (std::size_t set = 0; set < sets.size(); ++set) {
      jobs.push_back({*queries[answer], &sets[set].input.relations, request.language, request.limits});
      places.emplace_back(answer, set);
    }
  }
  evaluateEach(jobs, 0, [&](std::size_t job, QueryOutcome outcome) {
    const auto [answer, set] = places[job];
    rows[answer].verdicts[set] = judge(sets[set].model, outcome);
  });
  // Only where the answer is wrong: a right answer needs no hint.
  for (std::size_t answer = 0; answer < rows.size(); ++answer) {
    if (queries[answer] && !rows[answer].matches()) {
      rows[answer].warnings = findQueryWarnings(*queries[answer], sets[0].input.relations, request.language, false);
    }
  }
  if (request.tsv) {
    writeTsv(sets, rows, console);
  } else {
    writeReport(sets, rows, console);
  }
  console.flush();
  if (!console) fatal(textOf(Text::checkWriteFailedMessage));
  return std::all_of(rows.begin(), rows.end(), [](const AnswerRow& row) { return row.matches(); });
}

}  // namespace

int runCheck(std::span<const std::string_view> arguments, std::ostream& console, std::ostream& errors) {
  bool allMatch = false;
  const auto failure =
      failureOf([&] { allMatch = asksForAssignment(arguments) ? gradeAssignment(arguments, console) == 0 : check(readArguments(arguments), console); }, textOf(Text::checkOutOfMemoryMessage));
  console.flush();
  if (!failure) return allMatch ? 0 : 1;
  errors << *failure << '\n' << std::flush;
  return 1;
}

}  // namespace qerix
