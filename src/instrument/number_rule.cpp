#include "instrument/number_rule.h"

#include "instrument/number_text.h"

namespace inst {

bool PassesRule(const NumberRule& rule, const char* text) {
  if (!text || !*text) return !rule.emptyRejected;
  if (!IsPlainNumber(text, rule.decimal)) return false;
  double value = rule.decimal ? LeadingDecimal(text) : static_cast<double>(LeadingInteger(text));
  return (rule.low <= value && value <= rule.high) || (rule.zeroAllowed && value == 0.0);
}

}  // namespace inst
