#include "friends/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace melvoro {

bool PictureWanted(std::string_view url) {
  return url.starts_with("http:") && (url.ends_with("jpg") || url.ends_with("jpeg"));
}

namespace {

// libjpeg's own error_exit ends the process; ours jumps back to the decoding function, which
// holds nothing with a destructor. A warning (a cut or corrupt stream, which libjpeg would
// paint grey) counts as a failure too, and nothing is printed.
struct ErrorJump {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

void Prepare(jpeg_decompress_struct& info, ErrorJump& error) {
  info.err = jpeg_std_error(&error.mgr);
  error.mgr.error_exit = ErrorExit;
  error.mgr.emit_message = EmitMessage;
  error.mgr.output_message = OutputMessage;
}

// Reads the header, then hands the stream to use; false for anything libjpeg refuses, or
// what use gives. A failure jumps back here: nothing in use may hold a destructor.
template <typename Use>
bool WithHeader(const unsigned char* data, unsigned long size, Use&& use) {
  jpeg_decompress_struct info;
  ErrorJump error;
  Prepare(info, error);
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  const bool used = use(info);
  jpeg_destroy_decompress(&info);
  return used;
}

bool ReadSize(const unsigned char* data, unsigned long size, int* width, int* height) {
  return WithHeader(data, size, [&](jpeg_decompress_struct& info) {
    *width = static_cast<int>(info.image_width);
    *height = static_cast<int>(info.image_height);
    return true;
  });
}

// Decodes into out, which holds width * height * 3 bytes of the size ReadSize gave.
bool DecodeRows(const unsigned char* data, unsigned long size, unsigned char* out, int width, int height) {
  return WithHeader(data, size, [&](jpeg_decompress_struct& info) {
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (static_cast<int>(info.output_width) != width || static_cast<int>(info.output_height) != height ||
        info.output_components != 3)
      return false;
    while (info.output_scanline < info.output_height) {
      JSAMPROW row =
          out + static_cast<std::size_t>(info.output_scanline) * static_cast<std::size_t>(width) * 3;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
  });
}

// Each scan of a progressive image is decoded over the whole picture again, on the UI thread:
// a crafted file of thousands of scans would hold it for seconds. A real one has about ten.
constexpr int kMaxScans = 64;

// Start-of-scan markers; the entropy-coded data escapes every 0xFF, so each is a real one.
int ScanCount(std::string_view bytes) {
  int scans = 0;
  for (std::size_t at = bytes.find("\xFF\xDA"); at != std::string_view::npos;
       at = bytes.find("\xFF\xDA", at + 2))
    ++scans;
  return scans;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::string_view bytes) {
  if (bytes.size() < 4 || ScanCount(bytes) > kMaxScans) return std::nullopt;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto size = static_cast<unsigned long>(bytes.size());
  int width = 0;
  int height = 0;
  if (!ReadSize(data, size, &width, &height)) return std::nullopt;
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return std::nullopt;
  Picture picture;
  picture.Width = width;
  picture.Height = height;
  picture.Rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  if (!DecodeRows(data, size, picture.Rgb.data(), width, height)) return std::nullopt;
  return picture;
}

}  // namespace melvoro
