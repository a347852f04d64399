// The storage servers ("cs<N>." hosts): the songs' mp3 files.
#pragma once

#include "netsim/route.h"

namespace melvoro::netsim {

// "/u<owner padded to 5>/audio/<hash>.mp3": silent frames as long as the song.
Response Mp3File(const RouteContext& context);

}  // namespace melvoro::netsim
