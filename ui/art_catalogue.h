// Every built-in picture the program keeps, at the size and with the edges it is kept in: the
// build renders these ahead of time, so that start-up only has to look them up.
#pragma once

#include <cstdint>

namespace ui::art {

enum class ArtKind { kSmooth, kHard, kSprite };

struct ArtEntry {
    const char* name;  // art/<name>.svg
    int w;
    int h;
    ArtKind kind;
};

inline constexpr int kPawnRows = 18;  // characters drawn on the pawn sheet

inline constexpr ArtEntry kCatalogue[] = {
    {"storymap", 420, 320, ArtKind::kSmooth},
    {"title", 420, 320, ArtKind::kSmooth},
    {"story_intro", 420, 320, ArtKind::kSmooth},
    {"bgcastle", 80, 120, ArtKind::kSmooth},
    // The markers of the object icons and the background tiles keep their exact colours.
    {"icons", 320, 240, ArtKind::kHard},
    {"castle_round", 420, 320, ArtKind::kSmooth},
    {"hint", 150, 30, ArtKind::kSmooth},
    {"backgrounds", 280, 200, ArtKind::kHard},
    {"gameover", 420, 320, ArtKind::kSmooth},
    {"dice", 360, 50, ArtKind::kSmooth},
    {"gamewon", 420, 320, ArtKind::kSmooth},
    {"arrows", 60, 15, ArtKind::kSmooth},
    {"icosecret", 286, 104, ArtKind::kSmooth},
    {"palette", 160, 30, ArtKind::kSmooth},
    {"hof_banner", 41, 219, ArtKind::kSmooth},
    {"help_banner", 41, 291, ArtKind::kSmooth},
    {"help_illustration", 122, 167, ArtKind::kSmooth},
    {"entername_bg", 360, 100, ArtKind::kSmooth},
    {"about_logo", 240, 90, ArtKind::kSmooth},
    {"landscape", 420, 100, ArtKind::kSprite},
    {"gift", 75, 60, ArtKind::kSprite},
    {"pawns", 25, 25 * kPawnRows, ArtKind::kSprite},
};

// The pre-rendered pictures as the build lays them out: a header, one record per picture, then
// the pixels, 32 bits each, row by row, every image starting on a 64-byte boundary. A sprite
// record holds two images, the sprite and then its mask; the others hold one.
inline constexpr char kBakedMagic[8] = {'Q', 'V', 'A', 'R', 'T', '0', '1', '\0'};

struct BakedHeader {
    char magic[8];
    std::uint32_t count;
    std::uint32_t reserved;
};

struct BakedRecord {
    char name[32];
    std::uint32_t kind;
    std::uint32_t w;
    std::uint32_t h;
    std::uint32_t images;
    std::uint64_t offset;  // from the start of the header
};

}  // namespace ui::art
