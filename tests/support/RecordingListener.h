// A report listener for tests: registers itself for the given kinds on construction, records
// every text it receives, and unregisters on destruction, so a test sees exactly the reports made
// during its own lifetime.
#pragma once

#include <string>
#include <vector>

#include "numerics/ReportListener.h"
#include "numerics/ReportRegistry.h"

namespace num_testing {

class RecordingListener : public num::ReportListener {
 public:
  explicit RecordingListener(int flags = AcceptsAssertions | AcceptsErrors)
      : ReportListener(flags) {
    num::ReportRegistry::Register(this);
  }
  ~RecordingListener() override { num::ReportRegistry::Unregister(this); }
  RecordingListener(const RecordingListener&) = delete;
  RecordingListener& operator=(const RecordingListener&) = delete;

  void Receive(const std::string& text) override { texts.push_back(text); }

  /// The message of every report received, in order: the line before the two final line feeds.
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const std::string& text : texts) {
      const std::string body = text.substr(0, text.size() - 2);
      messages.push_back(body.substr(body.rfind('\n') + 1));
    }
    return messages;
  }

  std::vector<std::string> texts;
};

}  // namespace num_testing
