// SIGINT and SIGTERM end a command the way closing the window ends the program: the command
// stops waiting, and its session's shutdown aborts the running transfers, whose part files go.
// Before a command has work of its own to stop (start-up, the authorization utility) they end
// the program at once; so does a second signal.
#pragma once

namespace melvoro::cli {

// In main, before any thread starts: the signals are taken by a thread of their own.
void InstallStopSignals();
// From here on a signal asks the command to stop instead of ending the program.
void StopGracefully();
bool StopRequested();
// 128 + the signal, as a shell reports a program that a signal ended.
int StopExitCode();

}  // namespace melvoro::cli
