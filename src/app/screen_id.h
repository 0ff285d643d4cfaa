// The eight screens, and the names by which the program knows them.
#pragma once

#include <array>
#include <string_view>

namespace metria {

enum class ScreenId {
  Menu,            // メニュー
  NumberMenu,      // 数_日本
  DrillLarge,      // 数_JPB
  DrillSi,         // 数_SI
  DrillSmall,      // 数_JPS
  QuizSi,          // SI単位
  QuizCounters,    // 日本
  QuizCurrencies,  // 通貨
};

inline constexpr std::array kAllScreens = {ScreenId::Menu,         ScreenId::NumberMenu,   ScreenId::DrillLarge,
                                           ScreenId::DrillSi,      ScreenId::DrillSmall,   ScreenId::QuizSi,
                                           ScreenId::QuizCounters, ScreenId::QuizCurrencies};

constexpr std::string_view screen_name(ScreenId id) {
  switch (id) {
    case ScreenId::Menu: return "メニュー";
    case ScreenId::NumberMenu: return "数_日本";
    case ScreenId::DrillLarge: return "数_JPB";
    case ScreenId::DrillSi: return "数_SI";
    case ScreenId::DrillSmall: return "数_JPS";
    case ScreenId::QuizSi: return "SI単位";
    case ScreenId::QuizCounters: return "日本";
    case ScreenId::QuizCurrencies: return "通貨";
  }
  return "";
}

}  // namespace metria
