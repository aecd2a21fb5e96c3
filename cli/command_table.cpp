// The rows of zorkan-cli's commands, and every text its --help prints.
#include <algorithm>

#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/help_ranges.h"
#include "cli/link_options.h"

namespace zorkan::cli {

namespace {

constexpr OptionKind kFlag = OptionKind::Flag;
constexpr OptionKind kValue = OptionKind::Value;
constexpr OptionKind kOptionalValue = OptionKind::OptionalValue;

constexpr std::string_view kProgramUsage =
    "Usage: zorkan-cli COMMAND [arguments] [options]\n"
    "       zorkan-cli [COMMAND] --help|-h\n"
    "       zorkan-cli --version\n"
    "Configures and checks a ZORKAN 74X instrument from scripts.\n"
    "\n"
    "Commands:\n";

constexpr std::string_view kProgramNotes =
    "\n"
    "zorkan-cli COMMAND --help tells more. get, live, scan, diff and journal print JSON with\n"
    "--json. Exit status: 0, or the instrument link's result code (its text goes to standard\n"
    "error; 2 when the instrument did not answer); {differ} when diff finds a difference; 14 when\n"
    "a profile (or publish's login or CA file) cannot be used; 31 or 32 when publish --count\n"
    "delivered nothing or missed an instrument; 40 to 44 when tune's experiment or check did not\n"
    "end as asked (tune --help); 64 for a wrong command line; {unopened} when the port cannot be\n"
    "opened (no such device, in use, not allowed). Ctrl+C stops a read or write between two\n"
    "steps of a channel (code 20); once both channels are done, the rest of the read or write\n"
    "runs to its end. Ctrl+C stops scan between two addresses (code 20) and ends live; Ctrl+C\n"
    "or SIGTERM ends publish. Every run closes the port only once the answers the instrument\n"
    "still owes have come.\n";

constexpr std::string_view kReadHelp =
    "Usage: zorkan-cli read PROFILE [link options]\n"
    "       zorkan-cli read --addresses LIST FOLDER [link options]\n"
    "Reads the whole instrument (both channels, relay logic, regulator bytes, general\n"
    "parameters) and saves what was read into PROFILE. An existing PROFILE is loaded first,\n"
    "so that the values only profiles keep (description, calibration, sensor bounds) stay;\n"
    "a new one starts from the default profile. Nothing is saved when the read fails.\n"
    "With --addresses, reads the instrument at each address of LIST (\"1,2,7\", \"1-3,7\") in\n"
    "turn into a profile of its own in FOLDER (made when missing), SERIAL.prf after its serial\n"
    "number\n"
    "(SERIAL-ADDRESS.prf for a serial number met before), kept as above when it exists.\n"
    "A failed instrument does not stop the others; a line per instrument tells its address,\n"
    "serial number and profile, or why it failed, tab-separated. Exit status 0 when every\n"
    "instrument was read and saved, else the first failure's code. Ctrl+C stops between two\n"
    "instruments too.\n";

constexpr std::string_view kWriteHelp =
    "Usage: zorkan-cli write PROFILE [--addresses LIST] [--yes] [--take-defaults]\n"
    "       [link options]\n"
    "Loads PROFILE (which must exist), runs the field, relay and channel checks and writes the\n"
    "whole configuration to the instrument, every channel value read back and compared; the\n"
    "instrument then restarts. Each question of the checks is printed and answered No, which\n"
    "stops the write (code 16 or 17), unless --yes answers them all Yes. A profile that lacks\n"
    "any setting the write sends (a file cut short, say) is refused with status 14, naming the\n"
    "first one missing; --take-defaults writes the defaults in their place.\n"
    "With --addresses, writes the instrument at each address of LIST (\"1,2,7\", \"1-3,7\") in\n"
    "turn, the checks' questions asked once. Each instrument's serial number is read first;\n"
    "one that does not tell it is not written. A failed instrument does not stop the others;\n"
    "a line per instrument tells its address, serial number and result, tab-separated. Exit\n"
    "status 0 when every instrument was written, else the first failure's code. Ctrl+C stops\n"
    "between two instruments too.\n";

constexpr std::string_view kGetHelp =
    "Usage: zorkan-cli get SPACE NUMBER byte|float [--json] [link options]\n"
    "Reads parameter NUMBER ({numbers}) of SPACE (1 or 2) and prints its value; with --json,\n"
    "one object with space, number, type and value.\n";

constexpr std::string_view kSetHelp =
    "Usage: zorkan-cli set SPACE NUMBER byte|float VALUE [--verify] [link options]\n"
    "Writes VALUE (a byte 0..255, decimal or 0x hexadecimal, or a decimal number) to\n"
    "parameter NUMBER of SPACE. --verify reads it back and compares.\n";

constexpr std::string_view kLiveHelp =
    "Usage: zorkan-cli live [--count N] [--csv|--json] [--stats] [link options]\n"
    "Reads the live values every 500 ms and prints a line per poll: time, relays, channel 1\n"
    "value and status, channel 2 value and status, tab-separated like the measurement log,\n"
    "or with --csv as CSV with a header and ISO 8601 times with milliseconds and the zone\n"
    "(2026-12-08T15:52:03.250+03:00). Stops after N polls or at Ctrl+C.\n"
    "With --json, a JSON object per poll, one a line: time, result (0 when the instrument\n"
    "answered; a poll that failed repeats the last values), relay1, relay2, and channel1 and\n"
    "channel2 with value, status, statusText, setpoint1, setpoint2 and break.\n"
    "--stats then tells on standard error how the line did: polls, answers, time-outs,\n"
    "garbled answers, retries, the mean and the worst poll time, as publish's stats topic.\n";

constexpr std::string_view kScanHelp =
    "Usage: zorkan-cli scan [--addresses A-B] [--baud N|all] [--json] [link options]\n"
    "Asks every network address from A to B (default {addresses}; one address: A) for its\n"
    "firmware version, at the baud rate of dev.dat or --baud, or with --baud all at each of\n"
    "{bauds}. A line is printed for every instrument that answers: its address, baud\n"
    "rate, serial number, device type and firmware version, tab-separated. An address whose\n"
    "answers keep arriving garbled probably holds more than one instrument: it is named on\n"
    "standard error, never printed as an instrument. Each silent address waits a few\n"
    "character times, not the reply time-out. Exit status 0 when an instrument answered, 2\n"
    "when none did; Ctrl+C stops the search (code 20) after printing what it found so far.\n"
    "With --json, one object: instruments, each with address, baudRate, serialNumber,\n"
    "deviceType and firmwareVersion, and probableDuplicates, each with address and baudRate.\n";

constexpr std::string_view kDiffHelp =
    "Usage: zorkan-cli diff PROFILE [--json] [link options]\n"
    "Reads the whole instrument as read does, writing nothing, and compares it with PROFILE\n"
    "(which must exist) as write would send it: a line for every setting that differs, the\n"
    "profile key with its section (CH1 th1), the instrument's value, the profile's and the\n"
    "caption the window shows the setting under, tab-separated. Values only profiles keep\n"
    "(calibration, descriptions, sensor bounds) are not compared. Exit status 0 when they are\n"
    "equal, {differ} when they differ, else as for read. With --json, one object whose\n"
    "differences each have section, key, instrument, profile and caption.\n";

constexpr std::string_view kPublishHelp =
    "Usage: zorkan-cli publish --broker HOST[:PORT] [--topic PREFIX] [--addresses LIST]\n"
    "       [--interval-ms N] [--count N] [--password-file FILE] [--cafile FILE]\n"
    "       [--allow-set NAMES [--set-interval-s N] [--set-budget N]] [--discovery [PREFIX]]\n"
    "       [--stats-s N] [link options]\n"
    "Polls the live values of the instrument at each address of LIST in turn (\"1,2,7\",\n"
    "\"1-3\", \"1-3,7\"; default the link's own address) and publishes them to the MQTT broker\n"
    "at HOST (port {mqtt}, or {mqtts} with --cafile) under PREFIX/SERIAL/ (default prefix\n"
    "zorkan), SERIAL being the instrument's serial number, read when it first answers:\n"
    "a retained topic per value, one JSON message per answered poll, and an online topic\n"
    "that the broker turns offline should the publisher die. A round of polls starts every\n"
    "N ms (default 500). Runs until N rounds are done (--count), or until Ctrl+C or SIGTERM;\n"
    "then every instrument is published offline, within about 3 s however many there are and\n"
    "even when the broker does not answer. PREFIX must be UTF-8 without control characters,\n"
    "+ or #, and short enough for every topic to stay within MQTT's 65535 bytes.\n"
    "  --password-file FILE  the user name on its first line, the password on its second; keep\n"
    "                        it readable by its owner alone (it is used, with a warning, else)\n"
    "  --cafile FILE         TLS, the broker's certificate checked against the PEM CA in FILE\n"
    "  --allow-set NAMES     take commands for these settings (comma-separated) of\n"
    "                        regulated_value, alarm_setpoint, alarm_hysteresis, proportional,\n"
    "                        zone, integration_s, differentiation_s; without it nothing the\n"
    "                        broker sends reaches an instrument\n"
    "  --set-interval-s N    one command per setting in N s at most (default 5)\n"
    "  --set-budget N        N writes a day per instrument at most (default 200), counted in\n"
    "                        set-budget/ of the working folder across restarts\n"
    "  --discovery [PREFIX]  announce every instrument to Home Assistant under PREFIX (default\n"
    "                        homeassistant), and again whenever PREFIX/status says online\n"
    "  --stats-s N           the line's statistics on PREFIX/SERIAL/stats every N s (default\n"
    "                        60): polls, answers, time-outs, garbled answers, retries, poll\n"
    "                        times, commands done, refused and failed\n"
    "A command (MQTT 5) is a number, or a JSON object with the number as \"value\" and the\n"
    "command's \"id\", on PREFIX/SERIAL/set/NAME. Each is answered on PREFIX/SERIAL/result,\n"
    "and written, read back and journalled only when it is not retained, its id is new, its\n"
    "value passes the checks a write from the window makes (one that would ask a question is\n"
    "refused), its setting was not commanded within the interval and the budget of the day is\n"
    "not used up.\n"
    "A connection that fails is named once with what to mend (a certificate not trusted, a\n"
    "login refused, an address not reachable, ...) and tried again after 1 s, then after pauses\n"
    "doubling up to 30 s. Exit status: 0; with --count, 31 when no message at all reached the\n"
    "broker, 32 when some instrument had none of its messages reach it (each such instrument\n"
    "is named); 14 when the login or CA file cannot be used; 64 for a wrong PREFIX; {unopened}\n"
    "when the port cannot be opened.\n";

// Both forms of journal.
constexpr std::string_view kJournalHelp =
    "Usage: zorkan-cli journal [--serial N] [--last N] [--json] [link options]\n"
    "       zorkan-cli journal diff A [B] [--json] [link options]\n"
    "Every whole read and write (from here and from the window), every set and every command\n"
    "publish wrote leaves an entry in journal/ of the working folder. journal lists them newest\n"
    "first, a line each, tab-separated: number, time, action (read, write, set), result code,\n"
    "the serial number with where it was taken from (instrument: read from it; pages: what the\n"
    "profile or the pages held, for a write or a read that stopped before it; none for a set of\n"
    "zorkan-cli), the entry's file, the first description line (for a set: space, number, kind\n"
    "and value, and for a command \"from mqtt, id ID\"), and for a read or write that did not\n"
    "succeed, the step it stopped at. --serial N: the entries of the instrument with serial\n"
    "number N only; --last N: the newest N.\n"
    "journal diff A B prints the profile keys that entries A and B (each a number or a file\n"
    "name) give differently: the key with its section, A's value, B's value and the\n"
    "setting's caption, tab-separated.\n"
    "journal diff A reads the whole instrument as diff does, writing nothing, and prints the\n"
    "settings it holds otherwise than A: A's value first, the instrument's second. Exit status\n"
    "0 when they are equal, {differ} when they differ, 14 when an entry is not there or holds\n"
    "no profile (a set), else as for read.\n"
    "An entry's file is a read-only profile: zorkan-cli write journal/FILE restores it, with\n"
    "the usual checks. Nothing is written to the instrument from the journal otherwise.\n"
    "With --json, journal prints one object whose entries each have number, time (ISO 8601),\n"
    "action, result, serialNumber and serialSource (null without one), file, description,\n"
    "parameter (a set's space, number, type and value; else null) and stoppedAt (null when it\n"
    "ran to its end); journal diff prints the differences as diff does, with a and b, or a\n"
    "and instrument, in place of instrument and profile.\n";

constexpr std::string_view kTuneHelp =
    "Usage: zorkan-cli tune --setpoint S --max-temperature M [--max-minutes N] [--write]\n"
    "       [--yes] [--verify STEP] [--json] [link options]\n"
    "Tunes the PID regulator of channel 1 with a relay experiment: the heater, taken into manual\n"
    "PWM control, stays off for 15 s to measure the noise, then heats to S and is switched full\n"
    "on below S and off above it until the oscillation settles or six cycles have passed. From\n"
    "the record it fits a model of the object (gain, one or two lags, dead time), its ultimate\n"
    "gain and period, and the coefficients it proposes (Kp 1, the zone, T int and T diff; the\n"
    "PWM period is kept), and prints them beside the current ones with the setpoint step of\n"
    "both predicted on the model. The experiment writes no setting of the instrument.\n"
    "  --max-temperature M  the heater goes off at once at M, and the experiment ends\n"
    "  --max-minutes N      the experiment, and the check, end after N minutes (default 60)\n"
    "  --write              writes the proposed coefficients: the whole instrument is read\n"
    "                       (a journal entry to go back to) and written back with them, through\n"
    "                       the checks of write; their questions are answered No, which stops\n"
    "                       the write (status 16 or 17), unless --yes answers them Yes\n"
    "  --verify STEP        then steps the regulated value by STEP degrees, records the loop's\n"
    "                       response against the model's and puts the value back (without\n"
    "                       --write it checks the coefficients the instrument holds)\n"
    "  --json               one JSON object on standard output instead of the tables: status,\n"
    "                       end, message, handedBack, experiment, relay, model, ultimate,\n"
    "                       coefficients, predicted, write, verify (README.md names each field)\n"
    "Progress goes to standard error. Ctrl+C or SIGTERM ends the experiment or the check; on\n"
    "every way out the manual PWM is switched off and the instrument regulates by itself again\n"
    "with its coefficients unchanged, an instrument that stopped answering being asked again\n"
    "for a minute. Exit status: 0 when everything asked for was done; 2 the instrument stopped\n"
    "answering; 20 stopped by Ctrl+C or SIGTERM; 16 or 17 a check stopped the write (nothing\n"
    "written); 15 a value of the write did not read back; 40 not started (no relay drives the\n"
    "heater, say), nothing changed; 41 the maximum temperature was reached; 42 the time ran\n"
    "out; 43 channel 1 reported a measurement fault; 44 the instrument did not answer while it\n"
    "was given its regulation back: it may still be under manual PWM, see to it.\n";

const CommandRow kCommands[] = {
    {.name = "read",
     .synopsis =
         "  read PROFILE                      read the whole instrument into PROFILE\n"
         "  read --addresses LIST FOLDER      read each instrument into FOLDER/SERIAL.prf\n",
     .help = kReadHelp,
     .leastArguments = 1,
     .mostArguments = 1,
     .options = {{"--addresses", kValue}},
     .handlers = HandlersOf<ReadCommand, ParseRead, RunRead>()},
    {.name = "write",
     .synopsis =
         "  write PROFILE [--addresses LIST] [--yes] [--take-defaults]\n"
         "                                    check PROFILE and write it to the instrument(s)\n",
     .help = kWriteHelp,
     .leastArguments = 1,
     .mostArguments = 1,
     .options = {{"--addresses", kValue}, {"--yes", kFlag}, {"--take-defaults", kFlag}},
     .handlers = HandlersOf<WriteCommand, ParseWrite, RunWrite>()},
    {.name = "get",
     .synopsis = "  get SPACE NUMBER byte|float [--json]\n"
                 "                                    read one parameter\n",
     .help = kGetHelp,
     .leastArguments = 3,
     .mostArguments = 3,
     .options = {{"--json", kFlag}},
     .handlers = HandlersOf<GetCommand, ParseGet, RunGet>()},
    {.name = "set",
     .synopsis = "  set SPACE NUMBER byte|float VALUE [--verify]\n"
                 "                                    write one parameter\n",
     .help = kSetHelp,
     .leastArguments = 4,
     .mostArguments = 4,
     .options = {{"--verify", kFlag}},
     .handlers = HandlersOf<SetCommand, ParseSet, RunSet>()},
    {.name = "live",
     .synopsis = "  live [--count N] [--csv|--json] [--stats]\n"
                 "                                    print the live values every 500 ms\n",
     .help = kLiveHelp,
     .options = {{"--count", kValue}, {"--csv", kFlag}, {"--json", kFlag}, {"--stats", kFlag}},
     .handlers = HandlersOf<LiveCommand, ParseLive, RunLive>()},
    {.name = "scan",
     .synopsis = "  scan [--addresses A-B] [--baud N|all] [--json]\n"
                 "                                    find the instruments on the line\n",
     .help = kScanHelp,
     .options = {{"--addresses", kValue}, {"--json", kFlag}},
     .everyBaudRate = true,
     .handlers = HandlersOf<ScanCommand, ParseScan, RunScan>()},
    {.name = "diff",
     .synopsis = "  diff PROFILE [--json]             compare the instrument with PROFILE\n",
     .help = kDiffHelp,
     .leastArguments = 1,
     .mostArguments = 1,
     .options = {{"--json", kFlag}},
     .handlers = HandlersOf<DiffCommand, ParseDiff, RunDiff>()},
    {.name = "publish",
     .synopsis =
         "  publish --broker HOST[:PORT] [--topic PREFIX] [--addresses LIST] [--interval-ms N]\n"
         "          [--count N] [--password-file FILE] [--cafile FILE] [--allow-set NAMES]\n"
         "          [--set-interval-s N] [--set-budget N] [--discovery [PREFIX]] [--stats-s N]\n"
         "                                    publish the live values to an MQTT broker, and\n"
         "                                    take the commands allowed\n",
     .help = kPublishHelp,
     .options = {{"--broker", kValue},
                 {"--topic", kValue},
                 {"--addresses", kValue},
                 {"--interval-ms", kValue},
                 {"--count", kValue},
                 {"--password-file", kValue},
                 {"--cafile", kValue},
                 {"--allow-set", kValue},
                 {"--set-interval-s", kValue},
                 {"--set-budget", kValue},
                 {"--discovery", kOptionalValue},
                 {"--stats-s", kValue}},
     .handlers = HandlersOf<PublishCommand, ParsePublish, RunPublish>()},
    {.name = "journal",
     .synopsis =
         "  journal [--serial N] [--last N] [--json]\n"
         "                                    list the configuration journal, newest first\n",
     .help = kJournalHelp,
     .options = {{"--serial", kValue}, {"--last", kValue}, {"--json", kFlag}},
     .handlers = HandlersOf<JournalCommand, ParseJournal, RunJournal>()},
    {.name = "journal",
     .subcommand = "diff",
     .synopsis =
         "  journal diff A [B] [--json]       compare journal entry A with B or the instrument\n",
     .help = kJournalHelp,
     .leastArguments = 1,
     .mostArguments = 2,
     .wrongCount = "journal diff needs one or two entries",
     .options = {{"--json", kFlag}},
     .handlers = HandlersOf<JournalDiffCommand, ParseJournalDiff, RunJournalDiff>()},
    {.name = "tune",
     .synopsis = "  tune --setpoint S --max-temperature M [--max-minutes N] [--write] [--yes]\n"
                 "       [--verify STEP] [--json]     tune the regulator with a relay experiment\n",
     .help = kTuneHelp,
     .options = {{"--setpoint", kValue},
                 {"--max-temperature", kValue},
                 {"--max-minutes", kValue},
                 {"--write", kFlag},
                 {"--yes", kFlag},
                 {"--verify", kValue},
                 {"--json", kFlag}},
     .handlers = HandlersOf<TuneCommand, ParseTune, RunTune>()},
};

bool Begins(const CommandRow& row, const std::vector<std::string>& positional) {
  if (positional.empty() || positional[0] != row.name) return false;
  return row.subcommand.empty() || (positional.size() > 1 && positional[1] == row.subcommand);
}

}  // namespace

bool CommandRow::takes(std::string_view option) const {
  return std::ranges::find(options, option, &Option::name) != options.end();
}

std::span<const CommandRow> Commands() {
  return kCommands;
}

const CommandRow* FindCommand(const std::vector<std::string>& positional) {
  const CommandRow* found = nullptr;
  for (const CommandRow& row : kCommands) {
    // A row with a word more is the closer match: journal diff before journal.
    if (Begins(row, positional) && (found == nullptr || !row.subcommand.empty())) found = &row;
  }
  return found;
}

std::string ProgramHelp() {
  std::string text(kProgramUsage);
  for (const CommandRow& row : kCommands) text += row.synopsis;
  text += kProgramNotes;
  return FillInRanges(std::move(text));
}

std::string CommandHelp(const CommandRow& row) {
  return FillInRanges(std::string(row.help) + "\n" + std::string(LinkOptionsHelp()));
}

}  // namespace zorkan::cli
