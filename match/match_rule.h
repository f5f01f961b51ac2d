#pragma once

#include "match/match_subject.h"

#include <string>

namespace lumikan::match {

// What one rule made of a pair. Missing input never throws: it shows up as a
// status word ("Skipped", "Error", "Unknown") with a score of 0.
struct MatchRuleResult {
    double score = 0.0; // 0 .. the rule's maximum
    std::string status;
    std::string detail;
};

// One compatibility rule. The four constant slots describe the rule; only
// Evaluate looks at the charts. Rules keep no state between evaluations.
class IMatchRule {
public:
    virtual ~IMatchRule() = default;
    // Also the key by which the runner recognises the Ashtakoota rows.
    virtual std::string GetName() const = 0;
    virtual int GetMaxScore() const = 0;
    // Empty for the rules whose report row shows the name instead.
    virtual std::string GetSubject() const = 0;
    virtual std::string GetDescription() const = 0;
    virtual MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const = 0;
};

} // namespace lumikan::match
