// The fast evaluation (one B(H) table per design, built only as far as read, the frequency
// factor taken once, the field segment moving forward, layers fitted only as far as needed)
// shows exactly what the plain step-by-step evaluation of the formulas shows, over many
// generated designs on every shipped series.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "impulsor_session.h"
#include "recording_boxes.h"

namespace impulsor {
namespace {

struct Program {
  test::RecordingBoxes boxes;
  ImpulsorSession session;
  explicit Program(bool plain) : session(IMPULSOR_DATA_DIR, boxes) {
    session.setPlainEvaluation(plain);
    session.startUp(/*readSettings=*/false);
    session.completeStartUp();
  }
};

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

// Inputs an engineer might try: mostly sound, now and then at the edges.
void randomInputs(std::mt19937& rng, DesignInputs& in) {
  auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng);
  };
  auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
  if (chance(0.3)) {
    in.setevoe = 1;
    in.Umin = number(uniform(85, 230));
    in.Unom = number(uniform(200, 240));
    in.Umax = number(uniform(240, 265));
  } else {
    in.setevoe = 0;
    const double Umin = uniform(9, 400);
    in.Umin = number(Umin);
    in.Unom = number(Umin * uniform(1, 1.5));
    in.Umax = number(Umin * uniform(1.5, 2));
  }
  in.F = number(uniform(20, 400));
  in.Umirror = number(uniform(20, 200));
  in.Utrmax = number(uniform(100, 900));
  in.rds = chance(0.7) ? 1 : 0;
  in.Rds = number(uniform(0.02, 4));
  in.Unas = number(uniform(0.1, 2));
  in.j = number(uniform(3, 8));
  in.ko = number(uniform(0.2, 0.45));
  in.Iccm = number(uniform(0, 70));
  in.stek = std::to_string(std::uniform_int_distribution<int>(1, 3)(rng));
  in.tamax = number(uniform(20, 85));
  in.tdmax = number(uniform(90, 150));
  in.Racdc = number(uniform(1, 2));
  in.pri_sec = chance(0.5) ? 1 : 0;
  in.U21 = number(uniform(3, 48));
  in.I21 = number(uniform(0.1, 6));
  in.Ud1 = number(uniform(0.3, 1));
  in.U22 = chance(0.4) ? number(uniform(3, 24)) : "";
  in.I22 = number(uniform(0, 2));
  in.Ud2 = number(uniform(0.3, 1));
  in.U23 = chance(0.3) ? number(uniform(3, 24)) : "";
  in.I23 = number(uniform(0, 1));
  in.Ud3 = number(uniform(0.3, 1));
}

void expectSameScreen(const Program& fast, const Program& plain, const std::string& where) {
  SCOPED_TRACE(where);
  for (int id : kResultControls)
    ASSERT_EQ(fast.session.results().text(id), plain.session.results().text(id)) << id;
  ASSERT_EQ(fast.session.inputs(), plain.session.inputs());
  ASSERT_EQ(fast.session.redMarks(), plain.session.redMarks());
  ASSERT_EQ(fast.session.inductanceTooltip(), plain.session.inductanceTooltip());
  ASSERT_EQ(fast.session.diameterSpins(), plain.session.diameterSpins());
  ASSERT_EQ(fast.session.currentCore(), plain.session.currentCore());
  ASSERT_EQ(fast.boxes.shown, plain.boxes.shown);
}

TEST(FastPath, ShowsExactlyWhatThePlainEvaluationShows) {
  std::mt19937 rng(20261211);
  int completed = 0;
  for (int design = 0; design < 250; ++design) {
    Program fast(false), plain(true);
    DesignInputs inputs = fast.session.inputs();
    randomInputs(rng, inputs);
    const int series = std::uniform_int_distribution<int>(
        0, static_cast<int>(fast.session.seriesList().size()) - 1)(rng);
    const int spin = std::uniform_int_distribution<int>(0, 5)(rng);
    for (Program* p : {&fast, &plain}) {
      p->session.inputs() = inputs;
      p->session.chooseSeries(series);  // the automatic selection on that series
    }
    const std::string where = "design " + std::to_string(design);
    expectSameScreen(fast, plain, where + ", automatic selection");
    if (fast.session.lastStatus() == 0) ++completed;
    for (Program* p : {&fast, &plain}) {
      p->session.nextSize();
      p->session.spinStep(1098, spin % 2 ? +1 : -1);
      p->session.spinStep(1099, spin < 3 ? +1 : -1);
    }
    expectSameScreen(fast, plain, where + ", next size and spins");
  }
  // The comparison is worth something only if many designs got through.
  EXPECT_GT(completed, 50);
}

}  // namespace
}  // namespace impulsor
