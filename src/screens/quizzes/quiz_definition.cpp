// The controls of a unit quiz screen, front to back. The three screens share the design; their
// rectangles, grid, prompt and pictures come from their parameters.
#include "screens/quizzes/quiz_definition.h"

#include <string>
#include <vector>

#include "app/fatal_error.h"
#include "screens/quizzes/quiz_parameters.h"
#include "screens/screen_words.h"

namespace metria {
namespace {

constexpr Color kAnswerBlue = Color::from_bgr(0x00FF0000);
constexpr Color kRed = Color::from_bgr(0x000000FF);
constexpr Color kDarkBlue = Color::from_bgr(0x00C00000);
constexpr Color kMagenta = Color::from_bgr(0x00FF00FF);
constexpr Color kYellow = Color::from_bgr(0x0000FFFF);
constexpr Color kWhite = Color::from_bgr(0x00FFFFFF);

// Hidden by Form_Load before anything can reach them.
constexpr Rect kPlayerRect{0, 0, 480, 480};

Font mincho(int pixels) { return Font{Face::Mincho, pixels, true}; }

ScreenDef build(const QuizParameters& p) {
  const QuizLayout& at = p.layout;
  ScreenDef def{.name = std::string(p.name),
                .caption = std::string(p.caption),
                .client_width = at.client_width,
                .client_height = at.client_height,
                .picture = p.background,
                // The board beside the grid is read first: the question, then the answers.
                .reading_order = {{"Label2"}, {"Label3"}, {"Label1"}},
                .picture_texts = {drawn_words(p.title, NodeRole::Heading)}};
  std::vector<ControlDef>& c = def.controls;

  // The click spot over the menu button of the background picture.
  c.push_back({.name = "Label4",
               .rect = at.label4,
               .back_style = BackStyle::Transparent,
               .text_alternative = words::kMenuSpot,
               .leaves_screen = true,
               .faint = true});
  // "■再挑戦" covers the remaining count while the result shows.
  c.push_back({.name = "Label11",
               .rect = at.label11,
               .visible = false,
               .caption = "■再挑戦",
               .back_color = kRed,
               .fore_color = kWhite,
               .alignment = Alignment::Centre,
               .font = mincho(29)});
  c.push_back({.name = "Label8",
               .rect = at.label8,
               .caption = "残り",
               .back_color = kYellow,
               .fore_color = kDarkBlue,
               .border_style = BorderStyle::FixedSingle,
               .alignment = Alignment::Centre,
               .font = mincho(27)});
  c.push_back({.name = "Label9",
               .rect = at.label9,
               .back_color = kYellow,
               .fore_color = kDarkBlue,
               .border_style = BorderStyle::FixedSingle,
               .alignment = Alignment::Centre,
               .font = mincho(29),
               .role = NodeRole::Status});
  c.push_back({.name = "Label6",
               .rect = at.label6,
               .back_color = kDarkBlue,
               .fore_color = kYellow,
               .alignment = Alignment::Centre,
               .font = mincho(48),
               .text_alternative = "正解 {}",
               .role = NodeRole::Status});
  c.push_back({.name = "Label7",
               .rect = at.label7,
               .back_color = kDarkBlue,
               .fore_color = kYellow,
               .alignment = Alignment::Centre,
               .font = mincho(48),
               .text_alternative = "まちがい {}",
               .role = NodeRole::Status});
  // The result words lie over the answer grid.
  c.push_back({.name = "Label5",
               .rect = at.label5,
               .visible = false,
               .caption = "合　格",
               .back_color = kMagenta,
               .fore_color = kWhite,
               .alignment = Alignment::Centre,
               .font = mincho(80)});
  c.push_back({.name = "Label10",
               .rect = at.label10,
               .visible = false,
               .caption = "不合格",
               .back_color = kMagenta,
               .fore_color = kWhite,
               .alignment = Alignment::Centre,
               .font = mincho(88)});
  // A picture-less cover: shown with the result, it takes the mouse away from the answer grid.
  c.push_back({.name = "Image9", .kind = ControlKind::Image, .rect = at.image9});

  const auto captions = p.content().answer_captions;
  for (int k = 0; k < p.grid.count(); ++k) {
    c.push_back({.name = "Label1",
                 .index = k,
                 .rect = p.grid.cell(k),
                 .caption = std::string(captions[k]),
                 .back_color = kAnswerBlue,
                 .fore_color = kWhite,
                 .alignment = Alignment::Centre,
                 .font = p.grid.font});
  }

  // The medals stand in front of the turtle, the marks and the board.
  c.push_back({.name = "Image6",
               .kind = ControlKind::Image,
               .rect = at.image6,
               .visible = false,
               .picture = Picture::GoldMedal,
               .stretch = true,
               .text_alternative = words::kGoldMedal});
  c.push_back({.name = "Image7",
               .kind = ControlKind::Image,
               .rect = at.image7,
               .visible = false,
               .picture = Picture::SilverMedal,
               .stretch = true,
               .text_alternative = words::kSilverMedal});
  c.push_back({.name = "Image8",
               .kind = ControlKind::Image,
               .rect = at.image8,
               .visible = false,
               .picture = Picture::BronzeMedal,
               .stretch = true,
               .text_alternative = words::kBronzeMedal});
  c.push_back({.name = "Image4",
               .kind = ControlKind::Image,
               .rect = at.image4,
               .visible = false,
               .picture = Picture::CircleMark,
               .text_alternative = "○"});
  c.push_back({.name = "Image5",
               .kind = ControlKind::Image,
               .rect = at.image5,
               .visible = false,
               .picture = Picture::CrossMark,
               .text_alternative = "×"});
  // The item sits on the board of Image3.
  c.push_back({.name = "Label2",
               .rect = at.label2,
               .visible = false,
               .back_color = kRed,
               .fore_color = kWhite,
               .alignment = Alignment::Centre,
               .font = mincho(17),
               .text_alternative = "問題　{}",
               .faint = true});
  c.push_back({.name = "Label3",
               .rect = at.label3,
               .visible = false,
               .caption = std::string(p.prompt),
               .back_color = kMagenta,
               .fore_color = kWhite,
               .border_style = BorderStyle::FixedSingle,
               .alignment = Alignment::Centre,
               .font = mincho(p.prompt_pixels)});
  c.push_back({.name = "Image3", .kind = ControlKind::Image, .rect = at.image3, .visible = false, .picture = p.board});
  c.push_back({.name = "Image1",
               .kind = ControlKind::Image,
               .rect = at.image1,
               .visible = false,
               .picture = Picture::TurtlePose1,
               .text_alternative = words::kWalkingTurtle});
  c.push_back({.name = "Image2",
               .kind = ControlKind::Image,
               .rect = at.image2,
               .visible = false,
               .picture = Picture::TurtlePose2,
               .text_alternative = words::kWalkingTurtle});

  for (const char* timer : {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5", "Timer6"})
    c.push_back({.name = timer, .kind = ControlKind::Timer});
  for (const char* player :
       {"MediaPlayer1", "MediaPlayer2", "MediaPlayer3", "MediaPlayer4", "MediaPlayer5", "MediaPlayer6"})
    c.push_back({.name = player, .kind = ControlKind::SoundPlayer, .rect = kPlayerRect});
  return def;
}

}  // namespace

const ScreenDef& quiz_definition(ScreenId id) {
  switch (id) {
    case ScreenId::QuizSi: {
      static const ScreenDef si_units = build(quiz_parameters(id));
      return si_units;
    }
    case ScreenId::QuizCounters: {
      static const ScreenDef counters = build(quiz_parameters(id));
      return counters;
    }
    case ScreenId::QuizCurrencies: {
      static const ScreenDef currencies = build(quiz_parameters(id));
      return currencies;
    }
    default: break;
  }
  throw FatalError(std::string(screen_name(id)) + " is not a unit quiz");
}

}  // namespace metria
