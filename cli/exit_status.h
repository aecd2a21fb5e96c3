#pragma once
// The exit statuses of zorkan-cli besides 0 and the link's result codes (0..23), which a command
// returns unchanged.

namespace zorkan::cli {

constexpr int kExitProfileUnusable = 14;  // the code of "the file cannot be opened"
// diff found a difference: a status of its own, since cmp's and diff's 1 is a link code here.
constexpr int kExitDiffers = 30;
// publish with a count of rounds: no message at all reached the broker, or some instruments had
// none of theirs reach it.
constexpr int kExitNothingDelivered = 31;
constexpr int kExitPartlyDelivered = 32;
constexpr int kExitUsage = 64;
// The port cannot be opened (no such device, in use, not allowed): not the instrument's silence,
// "Прибор не ответил (ERR 2)", but the adapter or the link settings. sysexits' EX_UNAVAILABLE, as
// the usage error is its EX_USAGE.
constexpr int kExitPortUnavailable = 69;

}  // namespace zorkan::cli
