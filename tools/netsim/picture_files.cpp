#include "netsim/picture_files.h"

#include <cstdio>
#include <map>
#include <vector>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace melvoro::netsim {

namespace {

constexpr std::string_view kJpegType = "image/jpeg";

// A 1 x 1 PNG and GIF: real pictures of another kind.
constexpr unsigned char kPng[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D,
                                  0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01,
                                  0x08, 0x02, 0x00, 0x00, 0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00,
                                  0x0C, 0x49, 0x44, 0x41, 0x54, 0x08, 0xD7, 0x63, 0xF8, 0xCF, 0xC0, 0x00,
                                  0x00, 0x03, 0x01, 0x01, 0x00, 0x18, 0xDD, 0x8D, 0xB0, 0x00, 0x00, 0x00,
                                  0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
constexpr unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                                  0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                                  0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                                  0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

template <std::size_t N>
std::string Bytes(const unsigned char (&data)[N]) {
  return std::string(reinterpret_cast<const char*>(data), N);
}

// The same JPEG with its frame header claiming width x height.
std::string ClaimSize(std::string jpeg, int width, int height) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
    const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
    if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
      jpeg[i + 5] = static_cast<char>(height >> 8);
      jpeg[i + 6] = static_cast<char>(height & 0xFF);
      jpeg[i + 7] = static_cast<char>(width >> 8);
      jpeg[i + 8] = static_cast<char>(width & 0xFF);
      break;
    }
  }
  return jpeg;
}

std::map<std::string, PictureFile, std::less<>> MakePictures() {
  std::map<std::string, PictureFile, std::less<>> files;
  const std::string small = EncodeJpeg(100, 75);
  files["u7.jpg"] = {small, kJpegType};
  files["u1234_big.jpeg"] = {EncodeJpeg(300, 400), kJpegType};  // larger than the picture box
  files["u98765.png"] = {Bytes(kPng), "image/png"};
  files["u3141592.jpg"] = {EncodeJpeg(122, 184), kJpegType};
  files["g15.jpg"] = {EncodeJpeg(64, 64), kJpegType};
  files["g2048.gif"] = {Bytes(kGif), "image/gif"};
  files["not_a_picture.jpg"] = {"<html><body>Not here</body></html>\n", "text/html"};
  files["cut.jpg"] = {small.substr(0, small.size() / 2), kJpegType};
  files["huge.jpg"] = {ClaimSize(small, 60000, 60000), kJpegType};
  return files;
}

}  // namespace

std::string EncodeJpeg(int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long out_size = 0;
  jpeg_mem_dest(&info, &out, &out_size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      const int band = (x / 16 + y / 16) % 3;
      row[static_cast<std::size_t>(x) * 3 + 0] = static_cast<unsigned char>(band == 0 ? 220 : 40 + y % 64);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<unsigned char>(band == 1 ? 180 : 60);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<unsigned char>(band == 2 ? 230 : 90 + x % 64);
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string jpeg(reinterpret_cast<const char*>(out), out_size);
  std::free(out);
  return jpeg;
}

const PictureFile* FindPicture(std::string_view name) {
  static const auto files = MakePictures();
  const auto it = files.find(name);
  return it == files.end() ? nullptr : &it->second;
}

Response PictureRoute(const RouteContext& context) {
  constexpr std::string_view kPrefix = "/pictures/";
  const PictureFile* file = FindPicture(std::string_view(context.request.path).substr(kPrefix.size()));
  if (!file) return ErrorPage(404);
  return TextResponse(file->content_type, file->bytes);
}

}  // namespace melvoro::netsim
