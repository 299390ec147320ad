#pragma once
// The description a font is made from. Clear it to zero ({}), then fill the
// fields that matter; a zero field means "the default".

#include <cstdint>

inline constexpr int LF_FACESIZE = 32;

inline constexpr std::int32_t FW_NORMAL = 400;
inline constexpr std::uint8_t ANSI_CHARSET = 0;
inline constexpr std::uint8_t OUT_DEFAULT_PRECIS = 0;
inline constexpr std::uint8_t CLIP_DEFAULT_PRECIS = 0;
inline constexpr std::uint8_t DEFAULT_QUALITY = 0;
inline constexpr std::uint8_t DEFAULT_PITCH = 0;
inline constexpr std::uint8_t FF_DONTCARE = 0;

struct LOGFONTA {
  // Positive: the height of the character cell in pixels (ascent plus descent).
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  // Windows-1252, zero-terminated unless it fills all 32 bytes.
  char lfFaceName[LF_FACESIZE] = {};
};
