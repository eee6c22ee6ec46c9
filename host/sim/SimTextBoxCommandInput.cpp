// The simulated text box and its plain/formatted text conversion.
#include "host/sim/SimTextBoxCommandInput.h"

#include <utility>

namespace fsim {

namespace {

const std::pair<const char*, const char*> kEntities[] = {
    {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}};

// Plain text as formatted text: markup characters escaped, line breaks as <br>.
std::string formattedFromPlain(const std::string& plain) {
  std::string out;
  for (char c : plain) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '\n':
        out += "<br>";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string SimTextBoxCommandInput::plainText() const {
  std::string out;
  for (size_t i = 0; i < formatted_.size();) {
    if (formatted_[i] == '<') {
      size_t close = formatted_.find('>', i);
      if (close == std::string::npos) break;
      std::string tag = formatted_.substr(i + 1, close - i - 1);
      if (tag == "br" || tag == "br/" || tag == "br /") out += '\n';
      i = close + 1;
      continue;
    }
    if (formatted_[i] == '&') {
      bool decoded = false;
      for (const auto& entity : kEntities) {
        if (formatted_.compare(i, std::char_traits<char>::length(entity.first), entity.first) ==
            0) {
          out += entity.second;
          i += std::char_traits<char>::length(entity.first);
          decoded = true;
          break;
        }
      }
      if (decoded) continue;
    }
    out += formatted_[i++];
  }
  return out;
}

bool SimTextBoxCommandInput::userTypes(const std::string& text) {
  if (readOnly_) return false;
  formatted_ = formattedFromPlain(text);
  return true;
}

char* SimTextBoxCommandInput::text_raw() const {
  if (refused("TextBoxCommandInput.text")) return nullptr;
  return newHostString(plainText());
}

bool SimTextBoxCommandInput::text_raw(const char* value) {
  if (refused("TextBoxCommandInput.text") || !value) return false;
  formatted_ = formattedFromPlain(value);
  return true;
}

char* SimTextBoxCommandInput::formattedText_raw() const {
  if (refused("TextBoxCommandInput.formattedText")) return nullptr;
  return newHostString(formatted_);
}

bool SimTextBoxCommandInput::formattedText_raw(const char* value) {
  if (refused("TextBoxCommandInput.formattedText") || !value) return false;
  formatted_ = value;
  return true;
}

int SimTextBoxCommandInput::numRows_raw() const {
  if (refused("TextBoxCommandInput.numRows")) return 0;
  return numRows_;
}

bool SimTextBoxCommandInput::numRows_raw(int value) {
  if (refused("TextBoxCommandInput.numRows") || value < 1) return false;
  numRows_ = value;
  return true;
}

bool SimTextBoxCommandInput::isReadOnly_raw() const {
  return !refused("TextBoxCommandInput.isReadOnly") && readOnly_;
}

bool SimTextBoxCommandInput::isReadOnly_raw(bool value) {
  if (refused("TextBoxCommandInput.isReadOnly")) return false;
  readOnly_ = value;
  return true;
}

}  // namespace fsim
