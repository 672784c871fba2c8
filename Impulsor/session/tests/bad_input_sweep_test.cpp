// Every numeric input set in turn to what an engineer (or a damaged file) might put there:
// the program never shows "nan" or "inf", and either completes the design or says what is
// wrong — naming the field when the value itself is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "input_checks.h"
#include "number_format.h"
#include "session_fixture.h"

namespace impulsor {
namespace {

const std::vector<std::string>& badValues() {
  static const std::vector<std::string> values = {"", "0", "-1", "1e300", "abc"};
  return values;
}

// The field's default written with a decimal comma ("100" -> "100,0"; empty -> "5,0").
std::string withComma(std::string text) {
  if (text.empty()) return "5,0";
  for (char& ch : text)
    if (ch == '.') ch = ',';
  return text.find(',') == std::string::npos ? text + ",0" : text;
}

struct Outcome {
  bool completed = false;
  std::vector<std::string> messages;
};

class BadInputSweep : public SessionScenario,
                      public ::testing::WithParamInterface<const InputKey*> {
 protected:
  void SetUp() override {
    SessionScenario::SetUp();
    rememberDesign();
  }

  // A refused bad value is named; a good value with a comma may still leave another field to
  // fill (a new output needs its strands), which the message then names instead.
  void expectSound(const ImpulsorSession& session, const std::string& key, const std::string& value,
                   const char* action) {
    const bool bad = std::find(badValues().begin(), badValues().end(), value) != badValues().end();
    SCOPED_TRACE(key + " = \"" + value + "\", " + action);
    for (int id : kResultControls) {
      const std::string& text = session.results().text(id);
      EXPECT_EQ(text.find("nan"), std::string::npos) << id << ": " << text;
      EXPECT_EQ(text.find("inf"), std::string::npos) << id << ": " << text;
      EXPECT_EQ(text.find(kNotANumberText), std::string::npos) << id << ": " << text;
    }
    const bool completed = !session.results().text(ctl::kTemperature).empty();
    if (!completed) {
      EXPECT_FALSE(boxes.shown.empty()) << "a design that stopped without a word";
    }
    for (const std::string& shown : boxes.shown) {
      if (bad && shown.find("Недопустимое значение") != std::string::npos) {
        EXPECT_NE(shown.find(inputLabel(key)), std::string::npos) << shown;
      }
    }
  }
};

TEST_P(BadInputSweep, AutomaticSelectionThenOptimization) {
  const InputKey& key = *GetParam();
  std::vector<std::string> values = badValues();
  values.push_back(withComma(DesignInputs{}.*(key.text)));
  for (const std::string& value : values) {
    for (const bool optimizeOnly : {false, true}) {
      boxes.shown.clear();
      ImpulsorSession session(folder, boxes);
      session.startUp();
      session.completeStartUp();
      boxes.shown.clear();
      session.inputs().*(key.text) = value;
      if (!optimizeOnly) {
        session.automaticSelection();
        expectSound(session, std::string(key.name), value, "automatic selection");
        boxes.shown.clear();
      }
      session.optimize();
      expectSound(session, std::string(key.name), value, "optimization");
    }
  }
}

std::vector<const InputKey*> numericKeys() {
  std::vector<const InputKey*> keys;
  for (const InputKey& key : kInputKeys) {
    if (key.text && key.name != "series" && key.name != "core") keys.push_back(&key);
  }
  return keys;
}

INSTANTIATE_TEST_SUITE_P(EveryInput, BadInputSweep, ::testing::ValuesIn(numericKeys()),
                         [](const auto& info) { return std::string(info.param->name); });

}  // namespace
}  // namespace impulsor
