// Screenshots: the framebuffer as a palette PNG file and back.
#include "platform/png.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;
}  // namespace

bool WritePng(const Framebuffer& fb, const std::string& path) {
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, kScreenWidth, kScreenHeight, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[16];
    for (int i = 0; i < 16; ++i) palette[i] = {kPalette[i].r, kPalette[i].g, kPalette[i].b};
    png_set_PLTE(png, info, palette, 16);
    png_write_info(png, info);
    for (int y = 0; y < kScreenHeight; ++y)
        png_write_row(png, const_cast<png_bytep>(&fb.pixels[static_cast<size_t>(y) * kScreenWidth]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool ReadPng(const std::string& path, Framebuffer& fb) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_read_info(png, info);
    bool fits = png_get_image_width(png, info) == kScreenWidth && png_get_image_height(png, info) == kScreenHeight &&
                png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE && png_get_bit_depth(png, info) == 8;
    if (fits)
        for (int y = 0; y < kScreenHeight; ++y)
            png_read_row(png, &fb.pixels[static_cast<size_t>(y) * kScreenWidth], nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return fits;
}
