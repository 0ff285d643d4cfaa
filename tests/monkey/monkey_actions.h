// The monkey's user: a seeded stream of pointer moves, presses, releases, clicks, drags, keys, waits and,
// rarely, the close box, aimed mostly at the controls the loaded window shows. It stays on a
// screen for a while, sometimes for whole games (then it also plays properly now and then, and
// always until a drill has ended, so that passes, medals and finished drills come up), and then
// heads for the way out, preferring the screens it has seen least, so that all eight are visited
// many times.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "harness/headless.h"
#include "monkey/monkey_invariants.h"

namespace metria::testing::monkey {

// One event the monkey gives the program.
struct Step {
  enum class Kind : std::uint8_t { Move, Press, Release, Key, Wait, Close };
  Kind kind = Kind::Wait;
  MouseButton button = MouseButton::Left;
  KeyEvent key{};       // Key
  Point at{};           // Move
  std::int64_t ms = 0;  // Wait
};

inline std::string describe(const Step& step) {
  static const char* const kButtons[] = {"left", "right", "middle"};
  const char* button = kButtons[static_cast<int>(step.button)];
  switch (step.kind) {
    case Step::Kind::Move: return "move to (" + std::to_string(step.at.x) + "," + std::to_string(step.at.y) + ")";
    case Step::Kind::Press: return std::string("press ") + button;
    case Step::Kind::Release: return std::string("release ") + button;
    case Step::Kind::Key: {
      static const char* const kKeys[] = {"Tab", "Enter", "Space", "Escape", "Left", "Right", "Up", "Down"};
      return std::string("key ") + (step.key.shift ? "Shift+" : "") + kKeys[static_cast<int>(step.key.key)];
    }
    case Step::Kind::Wait: return "wait " + std::to_string(step.ms) + " ms";
    case Step::Kind::Close: return "close box";
  }
  return "";
}

class ActionGenerator {
 public:
  explicit ActionGenerator(std::uint64_t seed) : m_rng(seed) {}

  // The next action on the loaded screen of `h`, as the events it is made of.
  std::vector<Step> next(Harness& h, const Tally& tally) {
    Window& window = h.window();
    const ScreenId id = *h.app().screen_of(window);
    if (&h != m_harness || h.host().shown != m_shown) start_visit(h, id, tally);
    if (m_patience > 0) --m_patience;

    std::vector<Step> steps;
    if (chance(1.0 / 4000)) return {{.kind = Step::Kind::Close}};
    if (m_patience == 0 && chance(0.4) && head_out(window, id, tally, steps)) return steps;
    if (m_studious && chance(0.35) && play_properly(h, id, steps)) return steps;

    const double roll = uniform(0.0, 1.0);
    if (roll < 0.30) {
      steps.push_back(move(pick_point(window, id)));
    } else if (roll < 0.45) {
      click(pick_point(window, id), steps);
    } else if (roll < 0.55) {
      drag(pick_point(window, id, true), window, id, steps);
    } else if (roll < 0.60) {
      steps.push_back({.kind = Step::Kind::Press, .button = any_button()});
    } else if (roll < 0.65) {
      steps.push_back({.kind = Step::Kind::Release, .button = any_button()});
    } else if (roll < 0.67) {
      const auto key = static_cast<Key>(std::uniform_int_distribution<int>(0, 7)(m_rng));
      steps.push_back({.kind = Step::Kind::Key, .key = {key, chance(0.2)}});
    } else {
      steps.push_back(wait());
    }
    return steps;
  }

  // A new program has started in a new harness, maybe at the address of the last one.
  void program_started() { m_harness = nullptr; }

  std::uint64_t draw() { return m_rng(); }
  double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_rng); }

 private:
  bool chance(double p) { return uniform(0.0, 1.0) < p; }
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }

  MouseButton any_button() {
    const double roll = uniform(0.0, 1.0);
    return roll < 0.8 ? MouseButton::Left : roll < 0.9 ? MouseButton::Right : MouseButton::Middle;
  }

  // Mostly short waits; some long enough for a walk, the feedback or the finish wait to end.
  Step wait() {
    const double roll = uniform(0.0, 1.0);
    const std::int64_t ms = roll < 0.45   ? between(0, 50)
                            : roll < 0.75 ? between(50, 600)
                            : roll < 0.93 ? between(600, 2000)
                                          : between(2000, 5000);
    return {.kind = Step::Kind::Wait, .ms = ms};
  }

  static Step move(Point p) { return {.kind = Step::Kind::Move, .at = p}; }

  void click(Point p, std::vector<Step>& steps) {
    const MouseButton button = any_button();
    steps.push_back(move(p));
    steps.push_back({.kind = Step::Kind::Press, .button = button});
    steps.push_back({.kind = Step::Kind::Release, .button = chance(0.9) ? button : any_button()});
  }

  void drag(Point from, Window& window, ScreenId id, std::vector<Step>& steps) {
    const MouseButton button = any_button();
    steps.push_back(move(from));
    steps.push_back({.kind = Step::Kind::Press, .button = button});
    for (int n = below(4); n > 0; --n) steps.push_back(move(pick_point(window, id)));
    if (chance(0.1)) steps.push_back(wait());
    steps.push_back(move(pick_point(window, id, true)));
    steps.push_back({.kind = Step::Kind::Release, .button = chance(0.9) ? button : any_button()});
  }

  // A point in a visible control most of the time, else anywhere (now and then just outside the
  // client area). On a drill, `for_drag` favours the cards and the places.
  Point pick_point(Window& window, ScreenId id, bool for_drag = false) {
    const ScreenDef& def = window.definition();
    if (chance(m_studious ? 0.05 : 0.2)) {
      const int margin = chance(0.05) ? 300 : 0;
      return {between(-margin, def.client_width - 1 + margin), between(-margin, def.client_height - 1 + margin)};
    }
    std::vector<const Control*> candidates;
    const bool cards_and_places = for_drag && is_drill(id) && chance(0.7);
    for (const auto& control : window.controls()) {
      if (control->kind() == ControlKind::Timer || !control->visible()) continue;
      if (cards_and_places && control->name() != "Label1" && control->name() != "Label2") continue;
      if (m_patience > 0 && is_way_out(id, *control)) continue;
      candidates.push_back(control.get());
    }
    if (candidates.empty()) return {below(def.client_width), below(def.client_height)};
    const Rect& r = candidates[below(static_cast<int>(candidates.size()))]->rect();
    if (chance(0.5)) return r.centre();
    return {r.left + below(std::max(1, r.width)), r.top + below(std::max(1, r.height))};
  }

  static bool is_way_out(ScreenId id, const Control& control) {
    switch (id) {
      case ScreenId::Menu: return control.name() == "Label1";
      case ScreenId::NumberMenu: return control.name() == "Label3" || control.name() == "Label2";
      case ScreenId::DrillLarge:
      case ScreenId::DrillSi:
      case ScreenId::DrillSmall: return control.name() == "Label6";
      default: return control.name() == "Label4";
    }
  }

  void start_visit(Harness& h, ScreenId id, const Tally& tally) {
    m_harness = &h;
    m_shown = h.host().shown;
    const bool menu = id == ScreenId::Menu || id == ScreenId::NumberMenu;
    const bool long_stay = !menu && chance(0.05);
    m_patience = menu ? between(5, 100) : long_stay ? between(2000, 12000) : between(10, 250);
    // Until a drill has ended, every long stay on one plays it: a finished drill must come up in
    // every run, whatever else the seed's stream does (quizzes end by themselves, at the limit).
    m_studious = long_stay && (chance(0.6) || (is_drill(id) && tally.drill_results == 0));
  }

  // Leaves the screen through its way out, towards the screen seen least; false while the way
  // out is not shown yet (the menus' openings).
  bool head_out(Window& window, ScreenId id, const Tally& tally, std::vector<Step>& steps) {
    // 数_日本 counts as seen as often as the less seen of the two drills behind it.
    auto seen = [&](ScreenId target) {
      if (target != ScreenId::NumberMenu) return visits(tally, target);
      return std::min(visits(tally, ScreenId::DrillLarge), visits(tally, ScreenId::DrillSmall));
    };
    auto least_visited = [&](const std::vector<std::pair<ScreenId, int>>& choices) {
      auto best = choices.front();
      for (const auto& choice : choices)
        if (seen(choice.first) < seen(best.first)) best = choice;
      return best.second;
    };
    std::string name;
    int index = kNoIndex;
    switch (id) {
      case ScreenId::Menu:
        name = "Label1";
        index = chance(0.03)  ? 5
                : chance(0.5) ? below(5)
                              : least_visited({{ScreenId::QuizSi, 0},
                                               {ScreenId::QuizCounters, 1},
                                               {ScreenId::QuizCurrencies, 2},
                                               {ScreenId::DrillSi, 3},
                                               {ScreenId::NumberMenu, 4}});
        break;
      case ScreenId::NumberMenu:
        if (chance(0.2)) {
          name = "Label2";
        } else {
          name = "Label3";
          index = chance(0.5) ? below(2) : least_visited({{ScreenId::DrillLarge, 0}, {ScreenId::DrillSmall, 1}});
        }
        break;
      default: name = is_drill(id) ? "Label6" : "Label4";
    }
    const Control& way_out = window.find(name, index);
    if (!way_out.visible()) return false;
    click(way_out.rect().centre(), steps);
    return true;
  }

  static long visits(const Tally& tally, ScreenId id) {
    const auto found = tally.visits.find(id);
    return found == tally.visits.end() ? 0 : found->second;
  }

  // A user who knows the answers: a right answer to the question on the board, a card dragged to
  // its own place, "■再挑戦" once the result shows; now and then a wrong one on purpose.
  bool play_properly(Harness& h, ScreenId id, std::vector<Step>& steps) {
    if (is_quiz(id)) {
      const QuizScreen& s = h.screen<QuizScreen>(id);
      if (h.visible("Label11")) {
        click(h.control("Label11").rect().centre(), steps);
        return true;
      }
      if (s.AnswerOpen != 1) {
        steps.push_back(wait());
        return true;
      }
      const auto& slots = s.AnswerIndex[s.CurrentItem];
      const int right_answers =
          static_cast<int>(std::count_if(slots.begin(), slots.end(), [](int a) { return a != -1; }));
      const int answer =
          chance(0.1) ? below(static_cast<int>(h.window().members("Label1").size())) : slots[below(right_answers)];
      click(h.control("Label1", answer).rect().centre(), steps);
      return true;
    }
    if (is_drill(id)) {
      const DrillScreen& s = h.screen<DrillScreen>(id);
      if (h.visible("Label7")) {
        click(h.control("Label7").rect().centre(), steps);
        return true;
      }
      std::vector<int> free_cards;
      for (int k = 0; k < s.NameCount; ++k)
        if (s.Solved[k] == 0) free_cards.push_back(k);
      if (free_cards.empty()) {
        steps.push_back(wait());
        return true;
      }
      const int card = free_cards[below(static_cast<int>(free_cards.size()))];
      const int place = chance(0.1) ? below(s.NameCount) : card;
      steps.push_back(move(h.control("Label2", card).rect().centre()));
      steps.push_back({.kind = Step::Kind::Press});
      steps.push_back(move(h.control("Label1", place).rect().centre()));
      steps.push_back({.kind = Step::Kind::Release});
      return true;
    }
    return false;
  }

  std::mt19937_64 m_rng;
  Harness* m_harness = nullptr;
  int m_shown = -1;
  long m_patience = 0;      // events left before the monkey heads for the way out
  bool m_studious = false;  // this visit also plays properly
};

}  // namespace metria::testing::monkey
