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
// tune: an experiment or its check that ended otherwise than done, where no link code says why
// (a stop is 20, a lost instrument 2, a refused check of the write 16 or 17). The instrument
// regulates by itself again after each, except after kExitMaybeLeftManual.
constexpr int kExitTuningRefused = 40;  // nothing was changed: no relay drives the heater, say
constexpr int kExitMaxTemperature = 41;
constexpr int kExitMaxDuration = 42;
constexpr int kExitMeasurementFault = 43;
// The instrument never answered while it was being given its own regulation back (or its
// regulated value, after a check): it may still be under manual PWM.
constexpr int kExitMaybeLeftManual = 44;
constexpr int kExitUsage = 64;
// The port cannot be opened (no such device, in use, not allowed): not the instrument's silence,
// "Прибор не ответил (ERR 2)", but the adapter or the link settings. sysexits' EX_UNAVAILABLE, as
// the usage error is its EX_USAGE.
constexpr int kExitPortUnavailable = 69;

}  // namespace zorkan::cli
