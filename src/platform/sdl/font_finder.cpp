// fontconfig lookups for the Mincho and Gothic faces.
#include "platform/sdl/font_finder.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <string_view>

namespace metria {

namespace {

struct Match {
  std::string file, family;
};

Match best_match(const char* pattern_text) {
  Match result;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(pattern_text));
  if (!pattern) return result;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult outcome = FcResultNoMatch;
  if (FcPattern* found = FcFontMatch(nullptr, pattern, &outcome)) {
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) result.file = reinterpret_cast<char*>(file);
    if (FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch)
      result.family = reinterpret_cast<char*>(family);
    FcPatternDestroy(found);
  }
  FcPatternDestroy(pattern);
  return result;
}

bool covers_japanese(const std::string& file) {
  bool covers = false;
  FcPattern* pattern = FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(file.c_str()), 0, nullptr, nullptr);
  if (!pattern) return false;
  FcLangSet* langs = nullptr;
  if (FcPatternGetLangSet(pattern, FC_LANG, 0, &langs) == FcResultMatch)
    covers = FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual;
  FcPatternDestroy(pattern);
  return covers;
}

std::string find_face(std::string_view wanted_family, const char* wanted, const char* fallback) {
  const Match preferred = best_match(wanted);
  if (preferred.family == wanted_family) return preferred.file;
  const Match other = best_match(fallback);
  if (!other.file.empty() && covers_japanese(other.file)) {
    std::fprintf(stderr, "metria: warning: font %s not installed, using %s\n", wanted, other.family.c_str());
    return other.file;
  }
  std::fprintf(stderr,
               "metria: warning: no Japanese font found for %s (install fonts-ipafont-mincho and "
               "fonts-ipafont-gothic); using %s\n",
               wanted, other.family.c_str());
  return other.file;
}

}  // namespace

FontFiles find_font_files() {
  if (!FcInit()) {
    std::fprintf(stderr, "metria: warning: fontconfig could not start\n");
    return {};
  }
  return {find_face("IPAPMincho", "IPAPMincho", ":lang=ja:family=serif"),
          find_face("IPAPGothic", "IPAPGothic", ":lang=ja:family=sans-serif")};
}

}  // namespace metria
