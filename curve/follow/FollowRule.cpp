#include "curve/follow/FollowRule.h"

#include <cmath>

namespace vintrel::curve {

namespace {

// Values that read alike; a value that is not a number matches itself, so that it is not taken
// for a change at every check.
bool sameValue(const std::optional<double>& a, const std::optional<double>& b) {
  if (!a || !b) return !a && !b;
  return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

std::optional<double> valueIn(const ParameterTable& table, const std::string& name) {
  const auto found = table.find(name);
  if (found == table.end()) return std::nullopt;
  return found->second;
}

// Stored definitions are few and repeat; past this many texts the cache starts afresh.
constexpr std::size_t kMostRemembered = 4096;

}  // namespace

void FollowRule::startCheck(const DesignParameters& design) {
  moved_ = !lastParameters_ || *lastParameters_ != design;
  design_ = design;
  current_.clear();
  looked_.clear();
}

const std::optional<CurveDefinition>& FollowRule::definitionOf(const std::string& text) {
  const auto found = definitions_.find(text);
  if (found != definitions_.end()) return found->second;
  if (definitions_.size() >= kMostRemembered) definitions_.clear();
  std::optional<CurveDefinition> definition;
  try {
    definition = readCurveDefinition(text);
  } catch (const CurveDefinitionError&) {
    // Left unread: the edit command explains a damaged definition.
  }
  return definitions_.emplace(text, std::move(definition)).first->second;
}

const ParameterTable& FollowRule::currentIn(const LengthUnit& unit) {
  const auto found = current_.find(unit.name);
  if (found != current_.end()) return found->second;
  return current_.emplace(unit.name, design_.inUnit(unit)).first->second;
}

bool FollowRule::storedValuesAreCurrent(const CurveDefinition& definition) {
  const ParameterTable& current = currentIn(definition.request.unit);
  for (const auto& [name, value] : definition.parameters) {
    if (!sameValue(value, valueIn(current, name))) return false;
  }
  return true;
}

bool FollowRule::needsLook(const CurveDefinition& definition) {
  if (definition.parameters.empty()) return false;
  return moved_ || !storedValuesAreCurrent(definition);
}

FollowVerdict FollowRule::look(const std::string& key, const CurveDefinition& definition) {
  const ParameterTable& current = currentIn(definition.request.unit);
  const auto before = key.empty() ? seen_.end() : seen_.find(key);
  SeenValues now;
  bool changed = false;
  for (const auto& [name, value] : definition.parameters) {
    now[name] = valueIn(current, name);
    std::optional<double> last = value;
    if (before != seen_.end()) {
      const auto remembered = before->second.find(name);
      if (remembered != before->second.end()) last = remembered->second;
    }
    changed = changed || !sameValue(last, now[name]);
  }
  if (!key.empty()) looked_[key] = std::move(now);
  if (storedValuesAreCurrent(definition)) return FollowVerdict::UpToDate;
  return changed ? FollowVerdict::Refit : FollowVerdict::Unchanged;
}

ComputedCurve FollowRule::refit(const CurveDefinition& definition) {
  return ComputedCurve(definition.request, currentIn(definition.request.unit));
}

void FollowRule::finishCheck() {
  if (!moved_) {
    keepLooks();
    return;
  }
  seen_ = std::move(looked_);
  looked_.clear();
  lastParameters_ = design_;
}

void FollowRule::abandonCheck() {
  lastParameters_.reset();
  keepLooks();
}

void FollowRule::forget() {
  seen_.clear();
  looked_.clear();
  lastParameters_.reset();
}

void FollowRule::keepLooks() {
  for (auto& [key, values] : looked_) seen_[key] = std::move(values);
  looked_.clear();
}

}  // namespace vintrel::curve
