// The pictures friends and groups pages link to, made once at start: real JPEGs of a few
// sizes, and files that only look like pictures a decoder might take for one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "netsim/route.h"

namespace melvoro::netsim {

// "/pictures/NAME": the file's bytes and type, or nothing.
struct PictureFile {
  std::string bytes;
  std::string_view content_type;
};
const PictureFile* FindPicture(std::string_view name);

// A baseline RGB JPEG of width x height in stripes of colour.
std::string EncodeJpeg(int width, int height);

Response PictureRoute(const RouteContext& context);

}  // namespace melvoro::netsim
