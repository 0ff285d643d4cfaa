// The sub-menu's window and controls, front to back.
#include "screens/menus/number_menu_screen.h"
#include "screens/screen_words.h"

namespace metria {

namespace {

// The two choices: blue on yellow, in bold Mincho of 15.75 points (21 pixels).
ControlDef choice(int index, Rect rect, const char* caption) {
  return {.name = "Label3",
          .index = index,
          .kind = ControlKind::Label,
          .rect = rect,
          .visible = false,
          .caption = caption,
          .back_color = Color::from_bgr(0x0000FFFF),
          .fore_color = Color::from_bgr(0x00FF0000),
          .alignment = Alignment::Centre,
          .font = Font{Face::Mincho, 21, true}};
}

ScreenDef build() {
  return {
      .name = "数_日本",
      .caption = "数_日本",
      .client_width = 9585,
      .client_height = 5985,
      .picture = Picture::NumberMenuBackground,
      .icon = Icon::Stopwatch,
      .controls =
          {
              // Each choice sits on its signboard.
              choice(1, {6000, 2175, 1215, 375}, "１より小"),
              choice(0, {2010, 2175, 1215, 375}, "１より大"),
              // Over the menu button drawn in the background picture.
              {.name = "Label2",
               .kind = ControlKind::Label,
               .rect = {7485, 285, 1245, 285},
               .back_style = BackStyle::Transparent,
               .text_alternative = words::kMenuSpot,
               .leaves_screen = true,
               .faint = true},
              // The question, in bold Mincho of 18 points (24 pixels).
              {.name = "Label1",
               .kind = ControlKind::Label,
               .rect = {3195, 4590, 2940, 435},
               .visible = false,
               .caption = "どちらにしますか",
               .back_color = Color::from_bgr(0x00C00000),
               .fore_color = Color::from_bgr(0x00FFFFFF),
               .alignment = Alignment::Centre,
               .font = Font{Face::Mincho, 24, true}},
              {.name = "Image4",
               .kind = ControlKind::Image,
               .rect = {5460, 1980, 1770, 765},
               .visible = false,
               .picture = Picture::SignRight},
              {.name = "Image3",
               .kind = ControlKind::Image,
               .rect = {1995, 1980, 1800, 765},
               .visible = false,
               .picture = Picture::SignLeft},
              {.name = "Image2",
               .kind = ControlKind::Image,
               .rect = {3720, 3150, 1800, 1800},
               .visible = false,
               .picture = Picture::TurtlePose1,
               .text_alternative = words::kWalkingTurtle},
              {.name = "Image1",
               .kind = ControlKind::Image,
               .rect = {3720, 3750, 1815, 1785},
               .visible = false,
               .picture = Picture::TurtlePose2,
               .text_alternative = words::kWalkingTurtle},
              {.name = "Timer1", .kind = ControlKind::Timer},
              {.name = "Timer2", .kind = ControlKind::Timer},
              {.name = "Timer3", .kind = ControlKind::Timer},
              {.name = "Timer4", .kind = ControlKind::Timer},
              // Hidden by the load step before the window appears.
              {.name = "MediaPlayer1", .kind = ControlKind::SoundPlayer, .rect = {120, 5400, 480, 480}},
              {.name = "MediaPlayer2", .kind = ControlKind::SoundPlayer, .rect = {600, 5400, 480, 480}},
          },
      .picture_texts = {drawn_words({"数の接頭語[日本]", 91.5, 34, 18}, NodeRole::Heading)},
  };
}

}  // namespace

const ScreenDef& number_menu_definition() {
  static const ScreenDef definition = build();
  return definition;
}

}  // namespace metria
