#include "cli_runner.h"

#include <charconv>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "impulsor_session.h"
#include "report.h"

namespace impulsor::cli {

namespace {

constexpr const char* kUsageLine =
    "usage: impulsor-cli [--dir DIR] [--ini] [ACTION]... [--format text|json]";

// A mistake in the command line: the message names what is wrong.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// A file or folder that cannot be used.
struct CannotUse : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class RecordedBoxes final : public MessageBoxes {
 public:
  RecordedBoxes(std::ostream& err, bool echo) : err_(err), echo_(echo) {}

  MessageAnswer show(std::string_view text, std::string_view caption, MessageButtons) override {
    messages.push_back({std::string(caption), std::string(text)});
    if (echo_) err_ << caption << ": " << text << '\n';
    return MessageAnswer::Ok;
  }

  std::vector<ShownMessage> messages;

 private:
  std::ostream& err_;
  bool echo_;
};

using Action = std::function<void(ImpulsorSession&)>;

std::optional<int> parseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] =
      std::from_chars(text.data() + (text.starts_with('+') ? 1 : 0), end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

Action setAction(const std::string& assignment) {
  const auto eq = assignment.find('=');
  if (eq == std::string::npos)
    throw UsageError("--set needs KEY=VALUE, got \"" + assignment + "\"");
  const std::string key = assignment.substr(0, eq);
  const std::string value = assignment.substr(eq + 1);
  const InputKey* k = findInputKey(key);
  if (!k || !k->text || key == "series" || key == "core")
    throw UsageError("--set: \"" + key + "\" is not an input field");
  if (ImpulsorSession::isDigitsOnly(key) &&
      value.find_first_not_of("0123456789") != std::string::npos)
    throw UsageError("--set: the field " + key + " accepts digits only, got \"" + value + "\"");
  return [k, key, value](ImpulsorSession& s) {
    if (!s.isEditable(key))
      throw UsageError("--set: the field " + key + " is disabled for this transistor kind");
    s.inputs().*(k->text) = value;
    s.inputEdited(key);
  };
}

Action spinAction(const std::string& argument) {
  const auto colon = argument.find(':');
  const auto id = colon == std::string::npos ? std::nullopt : parseInt(argument.substr(0, colon));
  const auto steps =
      colon == std::string::npos ? std::nullopt : parseInt(argument.substr(colon + 1));
  if (!id || !steps || !ImpulsorSession::isSpinButton(*id))
    throw UsageError("--spin needs ID:STEPS with a spin button ID, got \"" + argument + "\"");
  return [id = *id, steps = *steps](ImpulsorSession& s) {
    const int direction = steps < 0 ? -1 : 1;
    for (int k = 0; k < std::abs(steps); ++k) s.spinStep(id, direction);
  };
}

Action seriesAction(const std::string& name) {
  return [name](ImpulsorSession& s) {
    const auto& list = s.seriesList();
    const auto it = std::find(list.begin(), list.end(), name);
    if (it == list.end()) throw UsageError("--series: no series \"" + name + "\" in the list");
    s.chooseSeries(static_cast<int>(it - list.begin()));
  };
}

Action coreAction(const std::string& name) {
  return [name](ImpulsorSession& s) {
    const int index = findPrefixIgnoringCase(s.coreList(), name);
    if (index < 0) throw UsageError("--core: no core beginning with \"" + name + "\"");
    s.chooseCore(index);
  };
}

Action choice(
    const std::string& option, const std::string& value,
    std::initializer_list<std::pair<const char*, std::function<void(ImpulsorSession&)>>> choices) {
  for (const auto& [word, action] : choices) {
    if (value == word) return action;
  }
  throw UsageError(option + ": unknown choice \"" + value + "\"");
}

struct Command {
  std::filesystem::path dir = ".";
  bool readSettings = false;
  bool json = false;
  std::vector<Action> actions;
};

Command parse(const std::vector<std::string>& args) {
  Command command;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
      return args[++i];
    };
    if (a == "--dir")
      command.dir = value();
    else if (a == "--ini")
      command.readSettings = true;
    else if (a == "--format") {
      const std::string& format = value();
      if (format != "text" && format != "json") throw UsageError("--format is text or json");
      command.json = format == "json";
    } else if (a == "--set")
      command.actions.push_back(setAction(value()));
    else if (a == "--supply")
      command.actions.push_back(choice(a, value(),
                                       {{"dc", [](ImpulsorSession& s) { s.clickSupplyDc(); }},
                                        {"ac", [](ImpulsorSession& s) { s.clickSupplyAc(); }}}));
    else if (a == "--transistor")
      command.actions.push_back(
          choice(a, value(),
                 {{"bipolar", [](ImpulsorSession& s) { s.clickBipolar(); }},
                  {"fet", [](ImpulsorSession& s) { s.clickFieldEffect(); }}}));
    else if (a == "--order")
      command.actions.push_back(
          choice(a, value(),
                 {{"0", [](ImpulsorSession& s) { s.chooseWindingOrder(0); }},
                  {"1", [](ImpulsorSession& s) { s.chooseWindingOrder(1); }}}));
    else if (a == "--series")
      command.actions.push_back(seriesAction(value()));
    else if (a == "--core")
      command.actions.push_back(coreAction(value()));
    else if (a == "--auto")
      command.actions.push_back([](ImpulsorSession& s) { s.automaticSelection(); });
    else if (a == "--recalc")
      command.actions.push_back([](ImpulsorSession& s) { s.recalculateCurrentCore(); });
    else if (a == "--next")
      command.actions.push_back([](ImpulsorSession& s) { s.nextSize(); });
    else if (a == "--prev")
      command.actions.push_back([](ImpulsorSession& s) { s.previousSize(); });
    else if (a == "--optimize")
      command.actions.push_back([](ImpulsorSession& s) { s.optimize(); });
    else if (a == "--spin")
      command.actions.push_back(spinAction(value()));
    else if (a == "--load") {
      command.actions.push_back([file = value()](ImpulsorSession& s) { s.loadDesign(file); });
    } else if (a == "--save") {
      command.actions.push_back([file = value()](ImpulsorSession& s) {
        if (!s.saveDesign(file)) throw CannotUse("cannot save \"" + file + "\"");
      });
    } else if (a == "--save-ini") {
      command.actions.push_back([](ImpulsorSession& s) {
        if (!s.exit()) throw CannotUse("cannot write Impulsor.ini");
      });
    } else {
      throw UsageError("unknown argument \"" + a + "\"");
    }
  }
  return command;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Command command;
  try {
    command = parse(args);
  } catch (const UsageError& e) {
    err << "impulsor-cli: " << e.what() << '\n' << kUsageLine << '\n';
    return kUsage;
  }
  std::error_code ec;
  std::filesystem::current_path(command.dir, ec);
  if (ec) {
    err << "impulsor-cli: cannot use the folder \"" << command.dir.string()
        << "\": " << ec.message() << '\n';
    return kCannotUse;
  }
  RecordedBoxes boxes(err, /*echo=*/!command.json);
  ImpulsorSession session(".", boxes);
  try {
    session.startUp(command.readSettings);
    session.completeStartUp();
    for (const Action& action : command.actions) action(session);
  } catch (const UsageError& e) {
    err << "impulsor-cli: " << e.what() << '\n';
    return kUsage;
  } catch (const CannotUse& e) {
    err << "impulsor-cli: " << e.what() << '\n';
    return kCannotUse;
  }
  out << (command.json ? jsonReport(session, boxes.messages) : textReport(session));
  return kOk;
}

}  // namespace impulsor::cli
