#include "tools/platform_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

namespace qerix {
namespace {

using Writer = std::function<void(const PlatformSubmission&, std::ostream&)>;

struct NamedWriter {
  const char* platform;
  Writer write;
};

const NamedWriter writers[] = {{"gradescope", writeGradescopeResults},
                               {"prairielearn", writePrairieLearnResults},
                               {"coderunner", writeCodeRunnerResults}};

std::string written(const Writer& write, const PlatformSubmission& submission) {
  std::ostringstream out;
  write(submission, out);
  return out.str();
}

nlohmann::json parsed(const Writer& write, const PlatformSubmission& submission) {
  return nlohmann::json::parse(written(write, submission));
}

PlatformSubmission twoTests() {
  PlatformSubmission submission;
  submission.score = 2;
  submission.maxScore = 5;
  submission.output = "1. kerdes: jo";
  submission.tests.push_back({"q1 on small", 2, 2, false, true, "same result"});
  submission.tests.push_back({"q2 secret-set", 0, 3, true, false, "wrong records"});
  return submission;
}

// A hidden test counts, but what the student sees of it is no more than
// its verdict: nothing of its name or output reaches a student's view.
TEST(PlatformResults, HiddenTestCountsButStaysHidden) {
  const PlatformSubmission submission = twoTests();

  const nlohmann::json gradescope = parsed(writeGradescopeResults, submission);
  EXPECT_EQ(gradescope["score"], 2.0);
  EXPECT_EQ(gradescope["tests"][0]["visibility"], "visible");
  EXPECT_EQ(gradescope["tests"][1]["visibility"], "hidden");
  EXPECT_EQ(gradescope["tests"][1]["score"], 0.0);
  EXPECT_EQ(gradescope["tests"][1]["max_score"], 3.0);
  EXPECT_EQ(gradescope["tests"][1]["status"], "failed");

  // PrairieLearn shows every test: the hidden one by a generic name only.
  const std::string prairie = written(writePrairieLearnResults, submission);
  EXPECT_EQ(prairie.find("secret-set"), std::string::npos) << prairie;
  EXPECT_EQ(prairie.find("wrong records"), std::string::npos) << prairie;
  const nlohmann::json prairieJson = nlohmann::json::parse(prairie);
  EXPECT_DOUBLE_EQ(prairieJson["score"].get<double>(), 0.4);
  EXPECT_EQ(prairieJson["tests"][0]["name"], "q1 on small");
  EXPECT_EQ(prairieJson["tests"][0]["output"], "same result");
  EXPECT_EQ(prairieJson["tests"][1]["name"], "Hidden test 1");
  EXPECT_FALSE(prairieJson["tests"][1].contains("output"));
  EXPECT_EQ(prairieJson["tests"][1]["max_points"], 3.0);

  // CodeRunner gets one row for the whole submission: the caller's report,
  // and of the tests nothing else.
  const std::string coderunner = written(writeCodeRunnerResults, submission);
  EXPECT_EQ(coderunner.find("secret-set"), std::string::npos) << coderunner;
  EXPECT_EQ(coderunner.find("wrong records"), std::string::npos) << coderunner;
  EXPECT_EQ(nlohmann::json::parse(coderunner),
            nlohmann::json::parse(R"({"fraction": 0.4, "got": "1. kerdes: jo", "abort": false})"));
}

// An unreadable answer: PrairieLearn is told the submission is not gradable
// (no attempt, no score); the others show the messages and give nothing.
TEST(PlatformResults, NotGradableShowsTheMessages) {
  PlatformSubmission submission = twoTests();
  submission.score = 0;
  submission.gradable = false;
  submission.formatErrors = {"2. kerdes: hianyzo zarojel", "3. kerdes: ismeretlen muvelet"};

  const nlohmann::json prairie = parsed(writePrairieLearnResults, submission);
  EXPECT_EQ(prairie["gradable"], false);
  EXPECT_EQ(prairie["format_errors"], nlohmann::json(submission.formatErrors));
  EXPECT_FALSE(prairie.contains("score"));
  EXPECT_FALSE(prairie.contains("tests"));

  const std::string messagesThenReport = "2. kerdes: hianyzo zarojel\n3. kerdes: ismeretlen muvelet\n\n1. kerdes: jo";
  const nlohmann::json gradescope = parsed(writeGradescopeResults, submission);
  EXPECT_EQ(gradescope["output"], messagesThenReport);
  EXPECT_EQ(gradescope["score"], 0.0);

  // CodeRunner stops testing the answer; even a full score gives no mark.
  submission.score = 5;
  const nlohmann::json coderunner = parsed(writeCodeRunnerResults, submission);
  EXPECT_EQ(coderunner["fraction"], 0.0);
  EXPECT_EQ(coderunner["abort"], true);
  EXPECT_EQ(coderunner["got"], messagesThenReport);

  // Without a report the messages stand alone, with no blank lines after them.
  submission.output.clear();
  EXPECT_EQ(parsed(writeCodeRunnerResults, submission)["got"],
            "2. kerdes: hianyzo zarojel\n3. kerdes: ismeretlen muvelet");
}

// The shares PrairieLearn and CodeRunner read stay numbers in [0, 1]: no
// points at all, more points than the maximum, and scores JSON cannot hold.
TEST(PlatformResults, SharesStayNumbersWithinZeroAndOne) {
  struct Case {
    double score, maxScore, share;
  };
  const Case cases[] = {{0, 0, 0}, {3, 0, 0}, {7, 5, 1}, {-1, 5, 0}, {NAN, 5, 0}, {5, INFINITY, 0}, {2.5, 5, 0.5}};
  for (const Case& each : cases) {
    PlatformSubmission submission;
    submission.score = each.score;
    submission.maxScore = each.maxScore;
    submission.tests.push_back({"q", each.score, each.maxScore, false, false, ""});
    SCOPED_TRACE(std::to_string(each.score) + " of " + std::to_string(each.maxScore));
    const nlohmann::json prairie = parsed(writePrairieLearnResults, submission);
    ASSERT_TRUE(prairie["score"].is_number());
    EXPECT_DOUBLE_EQ(prairie["score"].get<double>(), each.share);
    EXPECT_TRUE(prairie["tests"][0]["points"].is_number());
    const nlohmann::json coderunner = parsed(writeCodeRunnerResults, submission);
    ASSERT_TRUE(coderunner["fraction"].is_number());
    EXPECT_DOUBLE_EQ(coderunner["fraction"].get<double>(), each.share);
    EXPECT_EQ(coderunner["abort"], false);
    const nlohmann::json gradescope = parsed(writeGradescopeResults, submission);
    EXPECT_TRUE(gradescope["score"].is_number());
    EXPECT_TRUE(gradescope["tests"][0]["max_score"].is_number());
  }
}

// Quotes, newlines and UTF-8 come back as they went in; a byte that is not
// UTF-8 becomes U+FFFD instead of stopping the writer; nothing the student
// wrote is read as markup.
TEST(PlatformResults, TextsSurviveEveryPlatform) {
  const std::string text = "\"idezet\" \\ <b>&</b>\nmasodik sor\tárvíztűrő ≠ σ";
  PlatformSubmission submission;
  submission.output = text;
  submission.tests.push_back({text, 1, 1, false, true, text});
  for (const NamedWriter& writer : writers) {
    SCOPED_TRACE(writer.platform);
    const nlohmann::json json = parsed(writer.write, submission);
    if (std::string_view(writer.platform) == "coderunner") {
      EXPECT_EQ(json["got"], text);
    } else {
      EXPECT_EQ(json["output"], text);
      EXPECT_EQ(json["tests"][0]["name"], text);
      EXPECT_EQ(json["tests"][0]["output"], text);
    }
  }
  EXPECT_EQ(parsed(writeGradescopeResults, submission)["output_format"], "text");

  PlatformSubmission broken;
  broken.output = std::string("rossz \xff\xfe bajt \xc3");
  broken.formatErrors = {std::string("\x80")};
  broken.tests.push_back({std::string("q\xe2\x82"), 0, 1, true, false, std::string("\xc0\xaf")});
  for (const NamedWriter& writer : writers) {
    SCOPED_TRACE(writer.platform);
    std::string out;
    ASSERT_NO_THROW(out = written(writer.write, broken));
    const nlohmann::json json = nlohmann::json::parse(out);
    EXPECT_NE(out.find("\xef\xbf\xbd"), std::string::npos);
    EXPECT_EQ(out.find('\xff'), std::string::npos);
  }
}

}  // namespace
}  // namespace qerix
