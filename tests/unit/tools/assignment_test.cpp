#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/fatal_error.h"
#include "model/message_catalogue.h"
#include "support/builders.h"
#include "tools/answer_file.h"
#include "tools/assignment.h"
#include "tools/grade_report.h"
#include "tools/operator_use.h"

namespace qerix {
namespace {

using test::TempFolder;

TEST(AnswerFile, ReadsTheQueryAsStudentsSaveIt) {
  struct Case {
    std::string text;
    AnswerText::State state;
    std::string query;
  };
  const std::vector<Case> cases{
      {"\xEF\xBB\xBFR\r\n", AnswerText::State::query, "R"},
      {"# Anna Kovacs\r\n  -- second try\r\n\r\nproject(R,a)\r\n\r\nR(a int)\r\n1\r\n", AnswerText::State::query,
       "project(R,a)"},
      // A comment inside a program does not end it, as an empty line would.
      {"T <- R;\n# the join next\nT\n", AnswerText::State::query, "T <- R;\nT"},
      {"\xEF\xBB\xBF# nothing yet\r\n   \n", AnswerText::State::empty, ""},
      {"", AnswerText::State::empty, ""},
      // A hash inside a line is part of the query.
      {"R#1\n", AnswerText::State::query, "R#1"},
  };
  for (const Case& each : cases) {
    const AnswerText answer = answerFromText(each.text, QueryLanguage::extended);
    EXPECT_EQ(answer.state, each.state) << each.text;
    EXPECT_EQ(answer.query, each.query) << each.text;
  }
  EXPECT_EQ(readAnswerFile("/no/such/answer.txt", QueryLanguage::basic).state, AnswerText::State::unreadable);
}

TEST(OperatorUse, NamesAndUsesMeetInThePrefixKeywords) {
  EXPECT_EQ(operatorsNamed("DIVIDE"), std::vector<std::string_view>{"divide"});
  EXPECT_EQ(operatorsNamed("\xC3\xB7"), std::vector<std::string_view>{"divide"});  // ÷
  EXPECT_EQ(operatorsNamed("\\bowtie"), std::vector<std::string_view>{"join"});
  EXPECT_EQ(operatorsNamed("rho").size(), 3u);  // every rename
  EXPECT_TRUE(operatorsNamed("divid").empty());

  const std::vector<std::string> used =
      operatorsUsed("\xCF\x80_{a}(R \xE2\x8B\x88 S) \xE2\x88\x92 \xCF\x80_{a}(R)", QueryLanguage::extended);
  EXPECT_EQ(used, (std::vector<std::string>{"minus", "project", "join"}));
  EXPECT_THROW(operatorsUsed("project(R,", QueryLanguage::basic), FatalError);
}

std::string failureOfAssignment(std::string_view text) {
  try {
    assignmentFromText(text, "a.toml", "");
  } catch (const FatalError& error) {
    return error.what();
  }
  return "";
}

TEST(AssignmentFile, DefaultsAndRulesAreRead) {
  const Assignment assignment = assignmentFromText(R"(
    extended = true
    limits = { seconds = 0.5 }
    [[data]]
    name = "seen"
    file = "seen.txt"
    [[data]]
    name = "unseen"
    file = "/abs/unseen.txt"
    hidden = true
    [[question]]
    id = "q1"
    model = "# the model\nR"
    [[question]]
    id = "q-2"
    model = "S"
    points = 3
    compare = "set"
    data = ["unseen"]
    forbidden = ["\\div", "antijoin"]
    limits = { records = 10 }
  )",
                                                   "a.toml", "course");
  ASSERT_EQ(assignment.questions.size(), 2u);
  EXPECT_EQ(assignment.language, QueryLanguage::extended);
  EXPECT_EQ(assignment.dataSets[0].path, "course/seen.txt");
  EXPECT_EQ(assignment.dataSets[1].path, "/abs/unseen.txt");
  const Question& first = assignment.questions[0];
  EXPECT_EQ(first.model, "R");
  EXPECT_EQ(first.points, 1);
  EXPECT_EQ(first.comparison, Comparison::bytes);
  EXPECT_EQ(first.dataSets, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(first.answerFile, "q1.txt");
  EXPECT_EQ(first.limits.seconds, 0.5);
  const Question& second = assignment.questions[1];
  EXPECT_EQ(second.dataSets, std::vector<std::size_t>{1});
  EXPECT_EQ(second.forbidden, (std::vector<std::string>{"divide", "antijoin"}));
  EXPECT_EQ(second.limits.records, 10u);
  EXPECT_EQ(second.limits.seconds, 0.5);  // the file's limits, where the question's say nothing
}

TEST(AssignmentFile, EveryFaultNamesTheFileAndTheKey) {
  const std::string data = "[[data]]\nname = \"d\"\nfile = \"d.txt\"\n";
  const std::vector<std::pair<std::string, std::string>> cases{
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\nforbiden = [\"divide\"]\n", "unknown key: \"question[1].forbiden\""},
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\ncompare = \"bag\"\n", "question[1].compare"},
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\nforbidden = [\"divid\"]\n", "\"divid\""},
      {data + "[[question]]\nid = \"q\"\n", "missing: question[1].model"},
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\nmodel_file = \"m.txt\"\n", "question[1].model"},
      {data + "[[question]]\nid = \"q\"\nmodel = \"project(R,\"\n", "question[1].model"},
      {data + "[[question]]\nid = \"a/b\"\nmodel = \"R\"\n", "question[1].id"},
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\n[[question]]\nid = \"q\"\nmodel = \"R\"\n", "twice: \"q\""},
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\ndata = [\"e\"]\n", "no data set: \"e\""},
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\npoints = -1\n", "question[1].points"},
      {data + "[[question]]\nid = \"q\"\nmodel = \"R\"\nlimits = { seconds = 0 }\n", "limits.seconds"},
      {data, "missing: question"},
      {"[[question]]\nid = \"q\"\nmodel = \"R\"\n", "missing: data"},
      {"title = \n", "line 1"},
  };
  setLanguage(Language::english);
  for (const auto& [text, expected] : cases) {
    const std::string message = failureOfAssignment(text);
    EXPECT_TRUE(message.starts_with("Bad assignment file (\"a.toml\"")) << message;
    EXPECT_NE(message.find(expected), std::string::npos) << message;
  }
  setLanguage(Language::hungarian);
}

TEST(GradeReport, PointsAndGradebookFieldsAreWrittenForMachines) {
  EXPECT_EQ(pointsText(2), "2");
  EXPECT_EQ(pointsText(1.5), "1.5");
  EXPECT_EQ(pointsText(2.0 / 3.0), "0.67");
  EXPECT_EQ(pointsText(0), "0");

  Question question;
  question.id = "q,1";
  SubmissionGrade grade;
  grade.name = "Kovacs, \"Anna\"\tB";
  QuestionGrade& answer = grade.questions.emplace_back();
  answer.question = &question;
  answer.state = QuestionGrade::State::empty;
  answer.maxPoints = 2;
  std::ostringstream csv;
  writeGradebook(std::span(&grade, 1), true, csv);
  EXPECT_EQ(csv.str(), "student,question,points,max_points,verdict\n\"Kovacs, \"\"Anna\"\"\tB\",\"q,1\",0,2,empty\n");
  std::ostringstream tsv;
  writeGradebook(std::span(&grade, 1), false, tsv);
  EXPECT_EQ(tsv.str(), "student\tquestion\tpoints\tmax_points\tverdict\nKovacs, \"Anna\"\\x09B\tq,1\t0\t2\tempty\n");
}

}  // namespace
}  // namespace qerix
