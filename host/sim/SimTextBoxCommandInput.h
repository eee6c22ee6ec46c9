// A text box of a dialog. It holds formatted text (basic HTML); its plain text is that with the
// tags removed, line breaks for <br>, and the entities &lt; &gt; &amp; &quot; &nbsp; decoded.
#pragma once

#include "host/sim/SimCommandInput.h"

namespace fsim {

class SimTextBoxCommandInput : public SimCommandInputOf<adsk::core::TextBoxCommandInput> {
 public:
  SimTextBoxCommandInput(std::string id, std::string name, std::string formattedText, int numRows,
                         bool readOnly, std::weak_ptr<SimCommandInputs> owner)
      : SimCommandInputOf(std::move(id), std::move(name), std::move(owner)),
        formatted_(std::move(formattedText)),
        numRows_(numRows),
        readOnly_(readOnly) {}

  /// The text as the user reads it.
  std::string plainText() const;
  /// The user types `text` into the box, line breaks included; false for a read-only box.
  bool userTypes(const std::string& text);
  InputInfo info() const override {
    InputInfo info = baseInfo("TextBoxCommandInput");
    info.text = plainText();
    info.numRows = numRows_;
    info.readOnly = readOnly_;
    return info;
  }

 private:
  char* text_raw() const override;
  bool text_raw(const char* value) override;
  char* formattedText_raw() const override;
  bool formattedText_raw(const char* value) override;
  int numRows_raw() const override;
  bool numRows_raw(int value) override;
  bool isReadOnly_raw() const override;
  bool isReadOnly_raw(bool value) override;

  std::string formatted_;
  int numRows_;
  bool readOnly_;
};

}  // namespace fsim
