// The main menu's window and controls, front to back.
#include "screens/menus/menu_screen.h"
#include "screens/screen_words.h"

namespace metria {

namespace {

// The six menu entries: white on blue, framed, in bold Mincho of 26.25 points (35 pixels).
ControlDef entry(int index, Rect rect, const char* caption) {
  return {.name = "Label1",
          .index = index,
          .kind = ControlKind::Label,
          .rect = rect,
          .visible = false,
          .caption = caption,
          .back_color = Color::from_bgr(0x00FF0000),
          .fore_color = Color::from_bgr(0x00FFFFFF),
          .border_style = BorderStyle::FixedSingle,
          .alignment = Alignment::Centre,
          .font = Font{Face::Mincho, 35, true}};
}

ScreenDef build() {
  return {
      .name = "メニュー",
      .caption = "メニュー",
      .client_width = 9585,
      .client_height = 6000,
      .picture = Picture::MenuBackground,
      .icon = Icon::Stopwatch,
      .controls =
          {
              // The credit hot spot lies over the turtle of the title picture, and in front of the
              // credit picture so that a click on the shown picture is a new click on it.
              {.name = "Label2",
               .kind = ControlKind::Label,
               .rect = {3720, 2265, 1815, 1815},
               .back_style = BackStyle::Transparent,
               .text_alternative = "かめ：作ったひと"},
              {.name = "Image4",
               .kind = ControlKind::Image,
               .rect = {3090, 1020, 3090, 3105},
               .visible = false,
               .picture = Picture::CreditPicture,
               .text_alternative = "作ったひと　海野 ひかる"},
              entry(5, {7275, 5070, 1680, 585}, "おわり"),
              entry(4, {3645, 5070, 3510, 585}, "接頭語（日本）"),
              entry(3, {480, 5070, 3060, 585}, "接頭語（ＳＩ）"),
              entry(2, {6180, 4230, 2760, 585}, "通貨の単位"),
              entry(1, {3315, 4230, 2760, 585}, "物の数え方"),
              entry(0, {480, 4230, 2760, 585}, "科学の単位"),
              {.name = "Image3",
               .kind = ControlKind::Image,
               .rect = {1110, 225, 7365, 3870},
               .picture = Picture::TitleBanner,
               .text_alternative = "メトリア",
               .role = NodeRole::Heading},
              {.name = "Image2",
               .kind = ControlKind::Image,
               .rect = {3735, 3735, 1800, 1800},
               .picture = Picture::TurtlePose1,
               .text_alternative = words::kWalkingTurtle},
              {.name = "Image1",
               .kind = ControlKind::Image,
               .rect = {3735, 4200, 1815, 1785},
               .picture = Picture::TurtlePose2,
               .text_alternative = words::kWalkingTurtle},
              {.name = "Timer1", .kind = ControlKind::Timer},
              {.name = "Timer2", .kind = ControlKind::Timer},
              {.name = "Timer3", .kind = ControlKind::Timer},
              {.name = "Timer4", .kind = ControlKind::Timer},
              {.name = "Timer5", .kind = ControlKind::Timer},
              // Hidden by the load step before the window appears.
              {.name = "MediaPlayer1", .kind = ControlKind::SoundPlayer, .rect = {120, 5400, 480, 480}},
              {.name = "MediaPlayer2", .kind = ControlKind::SoundPlayer, .rect = {600, 5400, 480, 480}},
              {.name = "MediaPlayer3", .kind = ControlKind::SoundPlayer, .rect = {1080, 5400, 480, 480}},
          },
      // The entries first, in their order; the credit hot spot above them comes last.
      .reading_order = {{"Label1", true}},
      // The credit is there from the start, the entries only once the turtle has walked: the focus
      // waits for them rather than landing on the credit and moving on.
      .focus_starts_on = "Label1",
  };
}

}  // namespace

const ScreenDef& menu_definition() {
  static const ScreenDef definition = build();
  return definition;
}

}  // namespace metria
