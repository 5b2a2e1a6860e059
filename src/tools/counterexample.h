// placeholder until the search lands
#pragma once
#include <optional>
#include "tools/answer_check.h"
#include "tools/answer_rules.h"
namespace qerix {
struct Counterexample { RelationList relations; QueryOutcome model, answer; bool minimal = true; };
inline std::optional<Counterexample> findCounterexample(std::string_view, std::string_view, const RelationList&, QueryLanguage, Comparison, const AnswerLimits&) { return std::nullopt; }
inline std::string counterexampleInput(std::string_view, const Counterexample&, QueryLanguage) { return {}; }
}
