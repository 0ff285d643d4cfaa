// Checks that every picture, icon and sound cue shipped in assets/ has the size and the
// format the screens rely on: the GIF version and transparent colour of each picture, the
// size and colour depth of each icon, and the sample format and length of each cue.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

enum class AssetKind {
  OpaqueGif,       // GIF87a, drawn fully
  TransparentGif,  // GIF89a with one transparent colour
  Icon,            // 32 x 32 palette icon with see-through surroundings
  Sound,           // 16-bit PCM mono RIFF WAVE
};

struct AssetExpectation {
  const char* path;  // below the repository's assets folder
  AssetKind kind;
  int width = 0;  // pictures and icons
  int height = 0;
  int max_colours = 0;  // icons
  double min_ms = 0;    // sounds
  double max_ms = 0;
};

void PrintTo(const AssetExpectation& asset, std::ostream* out) { *out << asset.path; }

const AssetExpectation kAssets[] = {
    {"pictures/title_banner.gif", AssetKind::OpaqueGif, 491, 258},
    {"pictures/credit_picture.gif", AssetKind::OpaqueGif, 206, 207},
    {"pictures/turtle_pose1.gif", AssetKind::OpaqueGif, 120, 120},
    {"pictures/turtle_pose2.gif", AssetKind::OpaqueGif, 121, 119},
    {"pictures/scroll_turtle_large.gif", AssetKind::OpaqueGif, 217, 199},
    {"pictures/scroll_turtle_small.gif", AssetKind::OpaqueGif, 183, 194},
    {"pictures/sign_left.gif", AssetKind::OpaqueGif, 120, 51},
    {"pictures/sign_right.gif", AssetKind::OpaqueGif, 118, 51},
    {"pictures/circle_mark.gif", AssetKind::TransparentGif, 199, 195},
    {"pictures/cross_mark.gif", AssetKind::TransparentGif, 211, 207},
    {"pictures/gold_medal.gif", AssetKind::TransparentGif, 80, 100},
    {"pictures/silver_medal.gif", AssetKind::TransparentGif, 80, 100},
    {"pictures/bronze_medal.gif", AssetKind::TransparentGif, 80, 100},
    {"icons/stopwatch.ico", AssetKind::Icon, 32, 32, 256},
    {"icons/magnifier.ico", AssetKind::Icon, 32, 32, 16},
    {"wav/kame1.wav", AssetKind::Sound, 0, 0, 0, 20, 150},
    {"wav/kame2.wav", AssetKind::Sound, 0, 0, 0, 20, 150},
    {"wav/zunomi.wav", AssetKind::Sound, 0, 0, 0, 400, 3000},
    {"wav/o.wav", AssetKind::Sound, 0, 0, 0, 200, 1500},
    {"wav/x.wav", AssetKind::Sound, 0, 0, 0, 200, 1500},
    {"wav/gokaku.wav", AssetKind::Sound, 0, 0, 0, 800, 1200},
    {"wav/dame.wav", AssetKind::Sound, 0, 0, 0, 500, 3000},
};

std::string full_path(const AssetExpectation& asset) {
  return std::string(METRIA_SOURCE_DIR "/assets/") + asset.path;
}

std::vector<unsigned char> read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t little_endian(const std::vector<unsigned char>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr load_surface(const std::string& path) { return {IMG_Load(path.c_str()), SDL_FreeSurface}; }

void expect_picture(const AssetExpectation& asset, const std::vector<unsigned char>& bytes) {
  const bool transparent = asset.kind == AssetKind::TransparentGif;
  ASSERT_GE(bytes.size(), 6u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), transparent ? "GIF89a" : "GIF87a");
  SurfacePtr surface = load_surface(full_path(asset));
  ASSERT_TRUE(surface) << IMG_GetError();
  EXPECT_EQ(surface->w, asset.width);
  EXPECT_EQ(surface->h, asset.height);
  Uint32 key = 0;
  EXPECT_EQ(SDL_GetColorKey(surface.get(), &key) == 0, transparent);
}

void expect_icon(const AssetExpectation& asset, const std::vector<unsigned char>& bytes) {
  // One image in the directory, stored as a palette bitmap of the expected depth.
  ASSERT_GE(bytes.size(), 22u);
  EXPECT_EQ(little_endian(bytes, 2, 2), 1u) << "not an icon file";
  EXPECT_EQ(little_endian(bytes, 4, 2), 1u) << "one image expected";
  const std::uint32_t bitmap = little_endian(bytes, 18, 4);
  const std::uint32_t bits = little_endian(bytes, bitmap + 14, 2);
  EXPECT_LE(1u << bits, static_cast<std::uint32_t>(asset.max_colours)) << bits << " bits per pixel";

  SurfacePtr loaded = load_surface(full_path(asset));
  ASSERT_TRUE(loaded) << IMG_GetError();
  EXPECT_EQ(loaded->w, asset.width);
  EXPECT_EQ(loaded->h, asset.height);
  SurfacePtr rgba{SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface};
  ASSERT_TRUE(rgba) << SDL_GetError();
  std::set<Uint32> colours;
  int see_through = 0;
  for (int y = 0; y < rgba->h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(rgba->pixels) + y * rgba->pitch);
    for (int x = 0; x < rgba->w; ++x) {
      if ((row[x] & rgba->format->Amask) == 0) {
        ++see_through;
      } else {
        colours.insert(row[x]);
      }
    }
  }
  EXPECT_GT(see_through, 0) << "no transparency around the shape";
  EXPECT_FALSE(colours.empty());
  EXPECT_LE(colours.size(), static_cast<std::size_t>(asset.max_colours));
}

void expect_sound(const AssetExpectation& asset, const std::vector<unsigned char>& bytes) {
  ASSERT_GE(bytes.size(), 12u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE");
  std::uint32_t rate = 0;
  std::uint32_t data_bytes = 0;
  bool format_seen = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
    const std::uint32_t size = little_endian(bytes, at + 4, 4);
    if (id == "fmt ") {
      format_seen = true;
      EXPECT_EQ(little_endian(bytes, at + 8, 2), 1u) << "not PCM";
      EXPECT_EQ(little_endian(bytes, at + 10, 2), 1u) << "not mono";
      rate = little_endian(bytes, at + 12, 4);
      EXPECT_TRUE(rate == 44100 || rate == 22050) << rate << " Hz";
      EXPECT_EQ(little_endian(bytes, at + 22, 2), 16u) << "not 16-bit";
    } else if (id == "data") {
      data_bytes = size;
    }
    at += 8 + size + (size & 1);
  }
  ASSERT_TRUE(format_seen);
  ASSERT_GT(rate, 0u);
  const double ms = data_bytes / 2.0 / rate * 1000.0;
  EXPECT_GE(ms, asset.min_ms);
  EXPECT_LE(ms, asset.max_ms);
}

class AssetFile : public testing::TestWithParam<AssetExpectation> {};

TEST_P(AssetFile, HasTheExpectedSizeAndFormat) {
  const AssetExpectation& asset = GetParam();
  const std::vector<unsigned char> bytes = read_bytes(full_path(asset));
  ASSERT_FALSE(bytes.empty()) << "missing or empty: " << full_path(asset);
  switch (asset.kind) {
    case AssetKind::OpaqueGif:
    case AssetKind::TransparentGif:
      expect_picture(asset, bytes);
      break;
    case AssetKind::Icon:
      expect_icon(asset, bytes);
      break;
    case AssetKind::Sound:
      expect_sound(asset, bytes);
      break;
  }
}

std::string test_name(const testing::TestParamInfo<AssetExpectation>& info) {
  std::string name = info.param.path;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Assets, AssetFile, testing::ValuesIn(kAssets), test_name);

}  // namespace
