#pragma once

#include "platform/processes.h"

namespace tamsendor::bench {

// Sets SteamRunning: true when "steam.exe" occurs anywhere in the lower-cased list of running
// program names (so "mysteam.exe" counts too). When the list cannot be taken the previous answer
// stays.
void IsSteamRunning(const platform::ProcessTable& processes, bool& SteamRunning);

// The game check: the first listed process named "hl2.exe" (any case) counts as the game, and
// it runs while a zero wait on it times out.
bool IsGameRunning(const platform::ProcessTable& processes);

// Ends every listed "hl2.exe" (any case): the game a benchmark launched, through Steam, is not a
// child of ours, so it is found by name as the game check finds it. The number ended.
int EndGame(platform::ProcessTable& processes);

}  // namespace tamsendor::bench
