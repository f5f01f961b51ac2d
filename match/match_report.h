#pragma once

#include "match/match_rule.h"
#include "match/match_subject.h"

#include <memory>
#include <string>
#include <vector>

namespace lumikan::match {

// One report row per rule, in rule order.
struct MatchRow {
    std::string name;
    std::string subject;
    double score = 0.0;
    double maxScore = 0.0;
    // The compared attribute of each person; only the Ashtakoota rows fill them.
    std::string maleValue;
    std::string femaleValue;
    // The rule's own verdict. The painted report does not show these; the
    // command-line report does.
    std::string status;
    std::string detail;
};

struct MatchReport {
    double totalScore = 0.0;
    double totalMax = 0.0;
    std::vector<MatchRow> rows;
};

using MatchRules = std::vector<std::unique_ptr<IMatchRule>>;

// The 27 rules in report order: the eight Ashtakoota rules first.
MatchRules CreateMatchRules();

// Evaluates every rule on the pair. Nothing is normalised: a skipped rule
// adds 0 points and its full maximum.
MatchReport RunMatch(const MatchRules& rules, const MatchSubject& boy, const MatchSubject& girl);

// Number of leading rows that form the 36-point Ashtakoota section.
inline constexpr int kAshtakootaRowCount = 8;

} // namespace lumikan::match
