// Factories of the three unit quiz screens: one engine, each with its own parameters.
#include <memory>

#include "screens/quizzes/quiz_parameters.h"
#include "screens/quizzes/quiz_screen.h"
#include "screens/screen_factories.h"

namespace metria {

std::unique_ptr<Screen> make_quiz_si_screen(AppContext& app) {
  return std::make_unique<QuizScreen>(app, quiz_parameters(ScreenId::QuizSi));
}

std::unique_ptr<Screen> make_quiz_counters_screen(AppContext& app) {
  return std::make_unique<QuizScreen>(app, quiz_parameters(ScreenId::QuizCounters));
}

std::unique_ptr<Screen> make_quiz_currencies_screen(AppContext& app) {
  return std::make_unique<QuizScreen>(app, quiz_parameters(ScreenId::QuizCurrencies));
}

}  // namespace metria
