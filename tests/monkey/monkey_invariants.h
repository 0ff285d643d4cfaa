// What must hold between any two events of the program, whatever the user has done: checked by
// the monkey after every pointer event, button event and timer tick. Each check returns "" when
// everything holds, else a description of the first thing that does not.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "harness/headless.h"
#include "screens/drills/drill_geometry.h"
#include "screens/drills/drill_screen.h"
#include "screens/menus/menu_screen.h"
#include "screens/menus/number_menu_screen.h"
#include "screens/quizzes/quiz_screen.h"

namespace metria::testing::monkey {

inline bool is_quiz(ScreenId id) {
  return id == ScreenId::QuizSi || id == ScreenId::QuizCounters || id == ScreenId::QuizCurrencies;
}

inline bool is_drill(ScreenId id) {
  return id == ScreenId::DrillLarge || id == ScreenId::DrillSi || id == ScreenId::DrillSmall;
}

// The controls of one loaded window by kind and number ("Label11" is label(11)), looked up once
// per load: the checks run a million times and a search by name each time would dominate them.
class ControlTable {
 public:
  void rebuild(Window& window) {
    *this = {};
    for (const auto& control : window.controls()) {
      if (control->kind() == ControlKind::SoundPlayer) ++m_players;
      const std::string& name = control->name();
      const auto digits = name.find_first_of("0123456789");
      const std::string_view kind = std::string_view(name).substr(0, digits);
      const int number = std::stoi(name.substr(digits));
      if (kind == "Label" && control->index() != kNoIndex) {
        auto& members = m_arrays.at(number);
        if (members.size() <= static_cast<std::size_t>(control->index())) members.resize(control->index() + 1);
        members[control->index()] = control.get();
      } else if (kind == "Label") {
        m_labels.at(number) = control.get();
      } else if (kind == "Image") {
        m_images.at(number) = control.get();
      } else if (kind == "Timer") {
        m_timers.at(number) = control.get();
      }
    }
  }

  Control& label(int n) const { return present(m_labels.at(n)); }
  Control& image(int n) const { return present(m_images.at(n)); }
  Control& timer(int n) const { return present(m_timers.at(n)); }
  const std::vector<Control*>& labels(int n) const { return m_arrays.at(n); }
  int players() const { return m_players; }

 private:
  static Control& present(Control* control) {
    if (!control) throw std::logic_error("the screen has no such control");
    return *control;
  }

  std::array<Control*, 16> m_labels{}, m_images{}, m_timers{};
  std::array<std::vector<Control*>, 4> m_arrays{};  // the label arrays Label1 to Label3
  int m_players = 0;
};

// How far the storm got: counted by the checker as it watches, reported and asserted at the end.
struct Tally {
  std::map<ScreenId, long> events;  // events delivered while the screen was loaded
  std::map<ScreenId, long> visits;  // loads of the screen
  long programs = 0;                // program runs started
  long credits_shown = 0;
  long quiz_questions = 0, quiz_passes = 0, quiz_fails = 0;
  long drill_right_drops = 0, drill_results = 0;
};

class InvariantChecker {
 public:
  explicit InvariantChecker(Tally& tally) : m_tally(tally) {}

  // A new program has started in a new harness.
  void program_started() {
    ++m_tally.programs;
    m_harness = nullptr;
  }

  // Everything that must hold now; "" when it does.
  std::string check(Harness& h) {
    std::string found = check_program(h);
    if (found.empty() && h.running()) found = check_screen(h);
    h.sound().clear();  // what was played has been looked at; keeps the recording small
    return found;
  }

  ScreenId screen() const { return m_screen; }

 private:
  std::string check_program(Harness& h) {
    const auto windows = h.app().loaded_windows();
    if (!h.app().fatal_message().empty()) return "fatal error: " + h.app().fatal_message();
    if (!h.host().fatal_messages.empty()) return "fatal error shown: " + h.host().fatal_messages.front();
    if (h.exit_status() != 0) return "exit status " + std::to_string(h.exit_status());
    if (!h.running()) {
      if (!windows.empty()) return "the program ended with " + std::to_string(windows.size()) + " screens loaded";
      if (h.sound().open_players() != 0) return "sound players left open after the end";
      if (h.app().next_timer_due()) return "a timer still armed after the end";
      for (const auto& e : h.sound().events())
        if (e.kind == RecordingSoundDevice::Kind::Play) return "a cue played as the program ended: " + e.file;
      return "";
    }
    if (windows.size() != 1) return std::to_string(windows.size()) + " screens loaded between two events";
    Window& window = *windows.front();
    if (&h != m_harness || h.host().shown != m_shown) {
      // A fresh load: a new window, its controls, and on a quiz a new game.
      m_harness = &h;
      m_window = &window;
      m_shown = h.host().shown;
      m_screen = *h.app().screen_of(window);
      m_controls.rebuild(window);
      ++m_tally.visits[m_screen];
      m_asked_in_game.clear();
      m_questions_seen = 0;
      m_result_seen = false;
    }
    if (h.sound().open_players() != m_controls.players())
      return "open sound players " + std::to_string(h.sound().open_players()) + ", the screen has " +
             std::to_string(m_controls.players());
    for (const auto& e : h.sound().events()) {
      if (e.kind != RecordingSoundDevice::Kind::Play) continue;
      if (e.file.empty()) return "a cue played without a file";
      const std::string stem = file_stem(e.file);
      if (!cues_of(m_screen).contains(stem)) return "cue " + stem + " is not one of this screen's";
      if (e.times != (stem == "gokaku" ? 3 : 1)) return "cue " + stem + " played " + std::to_string(e.times) + " times";
      if (stem == "zunomi") ++m_tally.credits_shown;
      if (stem == "o" && is_drill(m_screen)) ++m_tally.drill_right_drops;
    }
    return "";
  }

  static const std::set<std::string>& cues_of(ScreenId id) {
    static const std::set<std::string> menu{"kame1", "kame2", "zunomi"}, number_menu{"kame1", "kame2"},
        drill{"o", "gokaku", "dame"}, quiz{"kame1", "kame2", "o", "x", "gokaku", "dame"};
    if (id == ScreenId::Menu) return menu;
    if (id == ScreenId::NumberMenu) return number_menu;
    return is_drill(id) ? drill : quiz;
  }

  std::string check_screen(Harness& h) {
    if (m_screen == ScreenId::Menu) return check_menu(h.screen<MenuScreen>(m_screen));
    if (m_screen == ScreenId::NumberMenu) return check_number_menu(h.screen<NumberMenuScreen>(m_screen));
    if (is_drill(m_screen)) return check_drill(h.screen<DrillScreen>(m_screen));
    return check_quiz(h.screen<QuizScreen>(m_screen));
  }

  bool armed(const Control& timer) const { return m_window->timer_armed(timer); }

  int armed_among(int first, int last) const {
    int count = 0;
    for (int n = first; n <= last; ++n) count += armed(m_controls.timer(n)) ? 1 : 0;
    return count;
  }

  static bool all_visible(const std::vector<Control*>& controls, bool visible) {
    return std::all_of(controls.begin(), controls.end(), [&](const Control* c) { return c->visible() == visible; });
  }

  static std::string hover_in_range(int hover, int highlight, int count) {
    if (hover < 0 || hover >= count) return "HoverIndex " + std::to_string(hover) + " outside the hover group";
    if (highlight < -1 || highlight >= count)
      return "HighlightIndex " + std::to_string(highlight) + " outside the group";
    return "";
  }

  // The opening is one chain Timer1 → Timer2 → Timer3 → Timer4, and Timer4 never stops.
  std::string check_menu(const MenuScreen& s) {
    if (armed_among(1, 4) != 1) return "menu: " + std::to_string(armed_among(1, 4)) + " opening timers armed";
    const auto& entries = m_controls.labels(1);
    const bool shown = entries.front()->visible();
    if (!all_visible(entries, shown)) return "menu: some entries shown, some not";
    if (shown && !armed(m_controls.timer(4))) return "menu: entries shown before the title";
    if (m_controls.image(4).visible() != armed(m_controls.timer(5)))
      return "menu: the credit picture and its 7 s countdown disagree";
    if ((4665 - s.TurtleTop) % 482 != 0 || s.TurtleTop < 327 || s.TurtleTop > 4665)
      return "menu: TurtleTop " + std::to_string(s.TurtleTop) + " off the walk";
    if (m_controls.image(1).visible() && m_controls.image(2).visible()) return "menu: both turtle poses shown";
    return hover_in_range(s.HoverIndex, s.HighlightIndex, 6);
  }

  std::string check_number_menu(const NumberMenuScreen& s) {
    if (armed_among(1, 4) != 1) return "数_日本: " + std::to_string(armed_among(1, 4)) + " opening timers armed";
    std::vector<Control*> choice_parts = m_controls.labels(3);
    for (Control* c : {&m_controls.label(1), &m_controls.image(3), &m_controls.image(4)}) choice_parts.push_back(c);
    const bool shown = choice_parts.front()->visible();
    if (!all_visible(choice_parts, shown)) return "数_日本: the choices, signboards and question not shown together";
    if (shown && !armed(m_controls.timer(4))) return "数_日本: choices shown before the pause ended";
    if ((4120 - s.TurtleTop) % 385 != 0 || s.TurtleTop < 1810 || s.TurtleTop > 4120)
      return "数_日本: TurtleTop " + std::to_string(s.TurtleTop) + " off the walk";
    if (m_controls.image(1).visible() && m_controls.image(2).visible()) return "数_日本: both turtle poses shown";
    return hover_in_range(s.HoverIndex, s.HighlightIndex, 2);
  }

  std::string check_drill(const DrillScreen& s) {
    const std::string name(screen_name(m_screen));
    const int solved = std::accumulate(s.Solved.begin(), s.Solved.end(), 0);
    if (s.RightCount != solved)
      return name + ": RightCount " + std::to_string(s.RightCount) + " but " + std::to_string(solved) + " cards solved";
    if (s.RightCount < 0 || s.RightCount > s.TryCount)
      return name + ": RightCount " + std::to_string(s.RightCount) + " above TryCount " + std::to_string(s.TryCount);
    const std::string score = s.TryCount == 0 ? "" : std::to_string(100 * s.RightCount / s.TryCount);
    if (m_controls.label(3).caption() != score) return name + ": score reads \"" + m_controls.label(3).caption() + "\"";
    if (s.TakenCount != s.NameCount) return name + ": the shuffle left cards off the shelf";

    // Every card is on the shelf in its own slot, or on its own place once solved.
    const auto& cards = m_controls.labels(2);
    for (int slot = 0; slot < s.NameCount; ++slot) {
      const int k = s.SlotOrder[slot];
      const Control& card = *cards[k];
      const Point at{card.left(), card.top()};
      const Point home = s.Solved[k] == 1 ? drill_geometry::placed_card(k, s.ColumnRows)
                                          : drill_geometry::shelf_slot(slot, s.ColumnRows);
      if (!card.visible()) return name + ": card " + std::to_string(k) + " hidden";
      if (at != home)
        return name + ": card " + std::to_string(k) + " at (" + std::to_string(at.x) + "," + std::to_string(at.y) +
               "), neither in its slot nor on its place";
    }

    const bool finishing = armed(m_controls.timer(1)), result = m_controls.label(7).visible();
    const bool complete = s.RightCount == s.NameCount;
    if (finishing && result) return name + ": the finish wait goes on under the result";
    if (complete != (finishing || result)) return name + ": the finish wait and the solved cards disagree";
    const int banners = (m_controls.label(4).visible() ? 1 : 0) + (m_controls.label(5).visible() ? 1 : 0);
    const int medals = (m_controls.image(1).visible() ? 1 : 0) + (m_controls.image(2).visible() ? 1 : 0) +
                       (m_controls.image(3).visible() ? 1 : 0);
    if (result != (banners == 1) || banners > 1) return name + ": banners and \"■再挑戦\" disagree";
    if (medals > (m_controls.label(4).visible() ? 1 : 0)) return name + ": a medal without a pass";
    if (result && !m_result_seen) ++m_tally.drill_results;
    m_result_seen = result;
    return hover_in_range(s.HoverIndex, s.HighlightIndex, s.NameCount);
  }

  std::string check_quiz(const QuizScreen& s) {
    const std::string name(screen_name(m_screen));
    const QuizParameters& p = s.parameters();
    const int timers = armed_among(1, 6);
    if (timers > 1) return name + ": " + std::to_string(timers) + " of Timer1-Timer6 armed";
    if (s.RightCount + s.WrongCount + s.RemainingCount != p.ItemCount)
      return name + ": RightCount " + std::to_string(s.RightCount) + " + WrongCount " + std::to_string(s.WrongCount) +
             " + RemainingCount " + std::to_string(s.RemainingCount) + " is not " + std::to_string(p.ItemCount);
    if (s.AnswerOpen != 0 && s.AnswerOpen != 1) return name + ": AnswerOpen " + std::to_string(s.AnswerOpen);
    if (s.WrongCount > p.FailLimit) return name + ": the game went on past the wrong-answer limit";
    const int asked = std::accumulate(s.Asked.begin(), s.Asked.end(), 0);
    const int answered = p.ItemCount - s.RemainingCount;
    if (asked != answered + s.AnswerOpen)
      return name + ": " + std::to_string(asked) + " items asked, " + std::to_string(answered) + " answered";

    // A new game (its first walk, nothing asked yet) forgets the items of the last one.
    if (asked == 0) {
      m_asked_in_game.clear();
      m_questions_seen = 0;
    }
    if (asked != m_questions_seen) {
      if (asked != m_questions_seen + 1 || s.AnswerOpen != 1)
        return name + ": questions went from " + std::to_string(m_questions_seen) + " to " + std::to_string(asked);
      if (!m_asked_in_game.insert(s.CurrentItem).second)
        return name + ": item " + std::to_string(s.CurrentItem) + " asked twice in one game";
      m_questions_seen = asked;
      ++m_tally.quiz_questions;
    }

    const bool result = m_controls.label(11).visible();
    if (s.AnswerOpen == 1) {
      if (timers != 0) return name + ": a timer runs while the question waits";
      if (!m_controls.label(2).visible() || m_controls.label(2).caption() != s.ItemText[s.CurrentItem])
        return name + ": the board does not show the item asked";
      if (result) return name + ": a question open under the result";
    } else if (timers == 0 && !result) {
      return name + ": the turn cycle stopped with no question and no result";
    }

    if (s.RightCount > 0 ? m_controls.label(6).caption() != std::to_string(s.RightCount)
                         : !m_controls.label(6).caption().empty())
      return name + ": Label6 reads \"" + m_controls.label(6).caption() + "\"";
    if (s.WrongCount > 0 ? m_controls.label(7).caption() != std::to_string(s.WrongCount)
                         : !m_controls.label(7).caption().empty())
      return name + ": Label7 reads \"" + m_controls.label(7).caption() + "\"";
    if (m_controls.label(9).caption() != std::to_string(s.RemainingCount))
      return name + ": Label9 reads \"" + m_controls.label(9).caption() + "\"";
    const bool mark = m_controls.image(4).visible() || m_controls.image(5).visible();
    if (m_controls.image(4).visible() && m_controls.image(5).visible()) return name + ": both ○ and × shown";
    if (mark != armed(m_controls.timer(5))) return name + ": the mark and the feedback timer disagree";

    const bool passed = m_controls.label(5).visible(), failed = m_controls.label(10).visible();
    const int medals = (m_controls.image(6).visible() ? 1 : 0) + (m_controls.image(7).visible() ? 1 : 0) +
                       (m_controls.image(8).visible() ? 1 : 0);
    if (!result) {
      if (passed || failed || medals != 0 || m_controls.image(9).visible()) return name + ": a result shown too early";
      m_result_seen = false;
      return hover_in_range(s.HoverIndex, s.HighlightIndex, static_cast<int>(m_controls.labels(1).size()));
    }
    if (timers != 0) return name + ": a timer runs under the result";
    if (!m_controls.image(9).visible()) return name + ": the answer grid still open under the result";
    if (passed == failed) return name + ": the result is neither a pass nor a fail, or both";
    if (failed != (s.WrongCount >= p.FailLimit))
      return name + ": fail banner with " + std::to_string(s.WrongCount) + " wrong";
    if (passed && (asked != p.ItemCount || medals != 1)) return name + ": a pass without every item or one medal";
    if (failed && medals != 0) return name + ": a medal on a failed game";
    if (!m_result_seen) ++(passed ? m_tally.quiz_passes : m_tally.quiz_fails);
    m_result_seen = true;
    return "";
  }

  Tally& m_tally;
  Harness* m_harness = nullptr;
  Window* m_window = nullptr;
  int m_shown = -1;
  ScreenId m_screen = ScreenId::Menu;
  ControlTable m_controls;
  std::set<int> m_asked_in_game;
  int m_questions_seen = 0;
  bool m_result_seen = false;
};

}  // namespace metria::testing::monkey
