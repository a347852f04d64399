// Blocking socket helpers for one connection; every wait has a limit.
#pragma once

#include <chrono>
#include <string_view>

namespace melvoro::netsim {

// Sends everything; false when the peer is gone or the send timed out.
bool SendAll(int fd, std::string_view bytes, int flags = 0);

// Waits until the socket has something to read (or the peer went away). false on time-out.
bool WaitReadable(int fd, std::chrono::milliseconds timeout);

// Keeps a connection open, reading and dropping whatever arrives, until the peer closes
// it or the time passes.
void HoldUntilPeerLeaves(int fd, std::chrono::milliseconds limit);

// Ends our side without losing what was sent: no more writes, then drain what the peer still
// sends for a moment, so that the close that follows does not turn into a reset.
void FinishSending(int fd);

// Socket options for a freshly accepted connection.
void TuneConnection(int fd);

}  // namespace melvoro::netsim
