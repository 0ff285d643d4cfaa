// What makes one unit quiz screen differ from the others: its numbers, texts, content and layout.
// Everything not held here is the same on SI単位, 日本 and 通貨.
#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

#include "app/screen_id.h"
#include "screens/quizzes/quiz_content.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/screen_def.h"

namespace metria {

// The answer labels Label1 fill their columns top to bottom: member k sits in column k / rows and
// row k % rows.
struct AnswerGrid {
  int columns = 0, rows = 0;
  int left = 0, column_pitch = 0;  // Left of column c: left + column_pitch × c
  int top = 0, row_pitch = 0;      // Top of row r: top + row_pitch × r
  int width = 0, height = 0;
  Font font;

  int count() const { return columns * rows; }
  Rect cell(int k) const { return {left + column_pitch * (k / rows), top + row_pitch * (k % rows), width, height}; }
};

// RightCount values that earn one medal, both ends included.
struct MedalRange {
  std::int16_t low = 0, high = std::numeric_limits<std::int16_t>::max();

  bool holds(std::int16_t count) const { return count >= low && count <= high; }
};

// Rectangles of the controls placed one by one (twips), and the client area.
struct QuizLayout {
  int client_width = 0, client_height = 0;
  Rect label2, label3, label4, label5, label6, label7, label8, label9, label10, label11;
  Rect image1, image2, image3, image4, image5, image6, image7, image8, image9;
};

struct QuizParameters {
  ScreenId id;
  std::string_view name;     // the screen's own name, e.g. "SI単位"
  std::string_view caption;  // the window title
  Picture background;
  Picture board;  // Image3: the turtle under the board on which the item shows
  DrawnWords title;  // the title the background draws

  std::int16_t ItemCount;  // items, and questions in a full game
  std::int16_t walk_step;  // twips the turtle climbs per tick
  std::int16_t walk_stop;  // the walk ends once TurtleTop is at most this
  std::int16_t FailLimit;  // wrong answers that end the game as failed
  MedalRange gold, silver, bronze;

  std::string_view prompt;  // Label3
  int prompt_pixels;        // Label3's font size
  const QuizContent& (*content)();

  AnswerGrid grid;
  QuizLayout layout;
};

// The parameters of SI単位, 日本 or 通貨.
const QuizParameters& quiz_parameters(ScreenId id);

}  // namespace metria
