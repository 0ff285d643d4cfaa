// Prints every text the program can draw, one per line: window captions, the captions of every
// control of the eight screens, the quizzes' prompts, answers and items, the drills' cards, and
// the digits of the counts shown at run time. The web build subsets its faces to these characters.
#include <cstdio>
#include <string>
#include <string_view>

#include "screens/drills/drill_content.h"
#include "screens/drills/drill_definition.h"
#include "screens/drills/drill_layout.h"
#include "screens/menus/menu_screen.h"
#include "screens/menus/number_menu_screen.h"
#include "screens/quizzes/quiz_definition.h"
#include "screens/quizzes/quiz_parameters.h"
#include "ui/screen_def.h"

namespace {

using namespace metria;

void print(std::string_view text) {
  if (!text.empty()) std::printf("%.*s\n", static_cast<int>(text.size()), text.data());
}

void print_definition(const ScreenDef& def) {
  print(def.caption);
  for (const ControlDef& control : def.controls) print(control.caption);
}

}  // namespace

int main() {
  print_definition(menu_definition());
  print_definition(number_menu_definition());
  for (const DrillLayout* layout : {&drill_large_layout(), &drill_si_layout(), &drill_small_layout()}) {
    print_definition(build_drill_definition(*layout));
    for (const DrillCard& card : layout->cards) print(card.caption);
  }
  for (const ScreenId id : {ScreenId::QuizSi, ScreenId::QuizCounters, ScreenId::QuizCurrencies}) {
    print_definition(quiz_definition(id));
    const QuizParameters& parameters = quiz_parameters(id);
    print(parameters.prompt);
    const QuizContent& content = parameters.content();
    for (const std::string_view caption : content.answer_captions) print(caption);
    for (const QuizItem& item : content.items) print(item.text);
  }
  // Counts and percentages are shown as decimal numbers (std::to_string).
  print(std::to_string(-1234567890));
  return 0;
}
