// Window properties of the screens that do not have their own definition yet.
#include "screens/placeholder_screen.h"

namespace metria {

namespace {

ScreenDef window_of(ScreenId id) {
  constexpr Color kWhite = colors::kWhite;
  switch (id) {
    case ScreenId::Menu:
      return {.name = "メニュー",
              .caption = "メニュー",
              .client_width = 9585,
              .client_height = 6000,
              .picture = Picture::MenuBackground};
    case ScreenId::NumberMenu:
      return {.name = "数_日本",
              .caption = "数_日本",
              .client_width = 9585,
              .client_height = 5985,
              .picture = Picture::NumberMenuBackground};
    case ScreenId::DrillLarge:
      return {.name = "数_JPB",
              .caption = "接頭語（日本・大）",
              .client_width = 9615,
              .client_height = 5985,
              .back_color = kWhite,
              .picture = Picture::DrillLargeBackground};
    case ScreenId::DrillSi:
      return {.name = "数_SI",
              .caption = "接頭語（ＳＩ）",
              .client_width = 9540,
              .client_height = 5805,
              .back_color = kWhite,
              .picture = Picture::DrillSiBackground};
    case ScreenId::DrillSmall:
      return {.name = "数_JPS",
              .caption = "接頭語（日本・小）",
              .client_width = 9600,
              .client_height = 5985,
              .back_color = kWhite,
              .picture = Picture::DrillSmallBackground};
    case ScreenId::QuizSi:
      return {.name = "SI単位",
              .caption = "ＳＩ単位",
              .client_width = 9600,
              .client_height = 6000,
              .picture = Picture::QuizSiBackground};
    case ScreenId::QuizCounters:
      return {.name = "日本",
              .caption = "物の数え方",
              .client_width = 9585,
              .client_height = 5985,
              .picture = Picture::QuizCountersBackground};
    case ScreenId::QuizCurrencies:
      return {.name = "通貨",
              .caption = "通貨の単位",
              .client_width = 9585,
              .client_height = 5985,
              .picture = Picture::QuizCurrenciesBackground};
  }
  return {};
}

class PlaceholderScreen final : public Screen {
 public:
  PlaceholderScreen(AppContext& app, ScreenId id) : Screen(app, id), m_def(window_of(id)) {}
  const ScreenDef& definition() const override { return m_def; }
  void wire(EventTable&) override {}
  void Form_Load() override {}

 private:
  ScreenDef m_def;
};

}  // namespace

std::unique_ptr<Screen> make_placeholder_screen(AppContext& app, ScreenId id) {
  return std::make_unique<PlaceholderScreen>(app, id);
}

}  // namespace metria
