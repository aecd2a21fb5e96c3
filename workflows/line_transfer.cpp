#include "workflows/line_transfer.h"

#include <functional>
#include <utility>

#include "link/link_at_instrument.h"
#include "operator/link_messages.h"
#include "operator/operator_text.h"
#include "operator/progress.h"
#include "operator/result_messages.h"
#include "workflows/headless_pages.h"
#include "workflows/instrument_identity.h"
#include "workflows/once_asked_dialogs.h"
#include "workflows/whole_instrument.h"

namespace zorkan {

namespace {

const ProgressLines kLineLines{
    OPERATOR_TEXT("Ход процесса"), "", "", "", "", OPERATOR_TEXT("Для прекращения нажмите ESC")};

// The panel as one instrument's sequence draws it: its step line names the instrument, and it
// stays up between two instruments.
class InstrumentPanel final : public ProgressPanel {
 public:
  InstrumentPanel(ProgressPanel& panel, const InstrumentTransfer& instrument)
      : panel_(panel), instrument_(instrument) {}

  void setLines(const ProgressLines& lines) override {
    ProgressLines named = lines;
    named[2] = lines[2].empty()
                   ? InstrumentName(instrument_)
                   : FillText(OPERATOR_TEXT("%1: %2"), InstrumentName(instrument_), lines[2]);
    panel_.setLines(named);
  }
  void setVisible(bool visible) override {
    if (visible) panel_.setVisible(true);
  }
  void processPendingEvents() override { panel_.processPendingEvents(); }

 private:
  ProgressPanel& panel_;
  const InstrumentTransfer& instrument_;
};

// One instrument's transfer with the context it runs in; the index is its place in the list.
using OneTransfer =
    std::function<LinkError(ExchangeContext& one, InstrumentTransfer& instrument, std::size_t)>;

// After these nothing more is sent to any instrument: the operator stopped the operation, or
// refused a check, which every instrument would meet again.
bool StopsTheLine(LinkError result) {
  return result == kCancelledByOperator || result == kStoppedToClarify ||
         result == kStoppedToCorrect;
}

LineTransfer ForEachInstrument(ExchangeContext& exchange, std::span<const LinePlace> places,
                               const OneTransfer& transfer) {
  LineTransfer line;
  for (const LinePlace& place : places) line.instruments.push_back({place, {}, {}});
  const auto fail = [&](LinkError result) {
    if (line.result == kOk) line.result = result;
  };
  exchange.latch.ResetCancel();
  // Held for the whole line: the sequences of the single instruments would unlock them between
  // two instruments.
  const ExchangeControlsLock locked(exchange.controls);
  NoExchangeControls heldLocked;
  OnceAskedDialogs dialogs(exchange.dialogs);
  Progress& progress = exchange.progress;
  progress.SetProgressLines(kLineLines);
  progress.ShowProgress();
  LinkAtInstrument link(exchange.link);
  for (std::size_t i = 0; i < line.instruments.size(); ++i) {
    InstrumentTransfer& instrument = line.instruments[i];
    progress.SetProgressStep(InstrumentName(instrument));
    if (progress.CancelRequested()) {
      fail(kCancelledByOperator);
      break;
    }
    InstrumentPanel panel(progress.panel(), instrument);
    Progress named(panel, exchange.latch);
    ExchangeContext one{exchange.link, named,      exchange.latch,
                        dialogs,       heldLocked, exchange.journal};
    const bool there = link.moveTo(instrument.place.networkAddress, instrument.place.baudRate);
    // Told at once and every time, as the window tells it: only the instruments' results are kept
    // back for the end.
    if (!there) ReportPortNotOpened(exchange.dialogs);
    const LinkError result = there ? transfer(one, instrument, i) : LinkError{kNoAnswer};
    instrument.result = result;
    fail(result);
    if (StopsTheLine(result)) break;
  }
  if (!link.giveBack()) ReportPortNotOpened(exchange.dialogs);
  progress.HideProgress();
  return line;
}

}  // namespace

LineRead ReadLineOfInstruments(ExchangeContext& exchange, std::span<const LinePlace> places,
                               const DeviceSettings& start) {
  LineRead read;
  read.settings.assign(places.size(), start);
  read.transfer = ForEachInstrument(
      exchange, places, [&](ExchangeContext& one, InstrumentTransfer& instrument, std::size_t i) {
        DeviceSettings& settings = read.settings[i];
        // As zorkan-cli reads one instrument: the model on the pages, the read, the pages back.
        HeadlessPages pages(settings);
        pages.ShowSettings();
        const LinkError result = ReadWholeInstrument(one, settings, pages);
        pages.CollectSettings();
        if (result == kOk) instrument.serialNumber = settings.general.serialNumber;
        return result;
      });
  return read;
}

LineTransfer WriteLineOfInstruments(ExchangeContext& exchange, std::span<const LinePlace> places,
                                    DeviceSettings& settings, SettingsView& pages) {
  return ForEachInstrument(
      exchange, places, [&](ExchangeContext& one, InstrumentTransfer& instrument, std::size_t) {
        InstrumentIdentity identity;
        const LinkError known =
            ReadInstrumentIdentity(one.link, instrument.place.networkAddress, identity);
        if (known != kOk) return known;
        instrument.serialNumber = identity.serialNumber;
        one.instrumentSerial = identity.serialNumber;
        return WriteWholeInstrument(one, settings, pages);
      });
}

std::string InstrumentName(const InstrumentTransfer& instrument) {
  if (!instrument.serialNumber) {
    return FillText(OPERATOR_TEXT("Адрес %1"), instrument.place.networkAddress);
  }
  return FillText(OPERATOR_TEXT("Адрес %1, № %2"), instrument.place.networkAddress,
                  *instrument.serialNumber);
}

std::string WriteOutcomeText(const InstrumentTransfer& instrument) {
  if (!instrument.result) return OPERATOR_TEXT("Не записан");
  if (const ResultMessage* message = FindResultMessage(*instrument.result)) {
    return std::string(message->text);
  }
  return OPERATOR_TEXT("Записан");
}

}  // namespace zorkan
