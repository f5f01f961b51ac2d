#pragma once

#include "match/match_rule.h"

#include <string>

namespace lumikan::match {

// Answers the four constant slots from the rule's own static constants
// kName, kMaxScore, kSubject and kDescription.
template <class Rule> class RuleConstants : public IMatchRule {
public:
    std::string GetName() const override { return std::string(Rule::kName); }
    int GetMaxScore() const override { return Rule::kMaxScore; }
    std::string GetSubject() const override { return std::string(Rule::kSubject); }
    std::string GetDescription() const override { return std::string(Rule::kDescription); }
};

} // namespace lumikan::match
