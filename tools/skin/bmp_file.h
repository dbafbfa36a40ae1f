#pragma once
// Writes canvas images as Windows bitmap and icon files.
#include <string>
#include <vector>

#include "canvas.h"

namespace skin {

// 24 bits per pixel: opaque; pixels with less than half coverage become magenta (255, 0, 255),
// the transparent colour of the skinned controls, the rest is laid over `backdrop`.
bool WriteBmp24(const std::string& path, const Image& image, Rgba backdrop);
// 32 bits per pixel, premultiplied alpha (the skinned controls draw it with AlphaBlend).
bool WriteBmp32(const std::string& path, const Image& image);
// 8 bits per pixel with a fixed 256-colour palette and ordered dithering (the "...256"
// pictures for 256-colour screens); transparency as for WriteBmp24.
bool WriteBmp8(const std::string& path, const Image& image, Rgba backdrop);
// An icon file with one 32-bit image per size (each with its AND mask).
bool WriteIco(const std::string& path, const std::vector<Image>& sizes);

}  // namespace skin
