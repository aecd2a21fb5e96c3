#include "publish/mosquitto_broker.h"

#include <mosquitto.h>
#include <mqtt_protocol.h>
#include <openssl/ssl.h>
#include <poll.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "publish/mosquitto_failure.h"
#include "publish/reconnect_backoff.h"

namespace zorkan {

namespace {

using Clock = std::chrono::steady_clock;

// Every message goes with QoS 1: the broker acknowledges it, so that what is still on its way is
// known and bounded, and the last "offline" is known to have arrived before the disconnect.
constexpr int kQos = 1;
// A dead connection is noticed by the broker after one and a half of these, and its will sent.
constexpr int kKeepAliveSeconds = 10;
// Messages taken and not yet acknowledged: about ten polls of one instrument. Beyond them the
// broker is not keeping up, and further messages are dropped rather than queued.
constexpr int kMostWaiting = 200;
// What a SUBACK grants a subscription the broker refused: 0x80 in MQTT 3.1.1, a reason code from
// 0x80 up in MQTT 5.
constexpr int kRefusedSubscription = 0x80;
// How often the network thread looks up from the socket when nothing happens.
constexpr int kLoopMs = 200;
// How long a clean disconnect may take after the close's deadline before the thread gives up on it.
constexpr std::chrono::milliseconds kDisconnectWait{1000};

class MosquittoConnection final : public BrokerConnection {
 public:
  MosquittoConnection(BrokerSettings settings, MosquittoBroker::Note note, std::string clientId,
                      const BrokerMessage& will, Subscription subscription)
      : settings_(std::move(settings)),
        note_(std::move(note)),
        clientId_(std::move(clientId)),
        subscription_(std::move(subscription)) {
    client_ = mosquitto_new(clientId_.c_str(), true, this);
    if (client_ == nullptr) {
      note_(clientId_ + ": no MQTT client could be made");
      return;
    }
    if (subscription_.markRetained) {
      mosquitto_int_option(client_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
    }
    // The publisher's thread publishes while the network thread reads and writes the socket.
    mosquitto_threaded_set(client_, true);
    // A command's result, a small message, goes out at once instead of waiting for the
    // acknowledgement of the one before it.
    mosquitto_int_option(client_, MOSQ_OPT_TCP_NODELAY, 1);
    mosquitto_connect_callback_set(client_, &MosquittoConnection::OnConnect);
    mosquitto_disconnect_callback_set(client_, &MosquittoConnection::OnDisconnect);
    mosquitto_publish_callback_set(client_, &MosquittoConnection::OnPublish);
    mosquitto_message_callback_set(client_, &MosquittoConnection::OnMessage);
    mosquitto_subscribe_callback_set(client_, &MosquittoConnection::OnSubscribe);
    mosquitto_log_callback_set(client_, &MosquittoConnection::OnLog);
    mosquitto_will_set(client_, will.topic.c_str(), static_cast<int>(will.payload.size()),
                       will.payload.data(), kQos, will.retain);
    if (!settings_.login.user.empty()) {
      mosquitto_username_pw_set(client_, settings_.login.user.c_str(),
                                settings_.login.password.c_str());
    }
    if (!settings_.caFile.empty()) {
      const int result =
          mosquitto_tls_set(client_, settings_.caFile.c_str(), nullptr, nullptr, nullptr, nullptr);
      if (result != MOSQ_ERR_SUCCESS) {
        note_(clientId_ + ": TLS with " + settings_.caFile.string() + ": " +
              mosquitto_strerror(result));
      }
    }
    thread_ = std::thread(&MosquittoConnection::run, this);
  }

  ~MosquittoConnection() override {
    closeBy(Clock::now());
    awaitClosed();
    if (client_ != nullptr) mosquitto_destroy(client_);
  }

  bool publish(const BrokerMessage& message) override {
    if (!connected_) return false;
    if (waiting_.fetch_add(1) >= kMostWaiting) {
      --waiting_;
      return false;
    }
    const int result = mosquitto_publish(client_, nullptr, message.topic.c_str(),
                                         static_cast<int>(message.payload.size()),
                                         message.payload.data(), kQos, message.retain);
    if (result != MOSQ_ERR_SUCCESS) {
      --waiting_;
      return false;
    }
    return true;
  }

  std::uint64_t connectionCount() const override { return connections_; }
  std::uint64_t deliveredCount() const override { return delivered_; }

  void closeBy(Clock::time_point deadline) override {
    {
      std::lock_guard lock(mutex_);
      if (closeDeadline_) return;
      closeDeadline_ = deadline;
    }
    closeAsked_.notify_all();
  }

  void awaitClosed() override {
    if (thread_.joinable()) thread_.join();
  }

 private:
  static MosquittoConnection& Of(void* self) { return *static_cast<MosquittoConnection*>(self); }

  static void OnConnect(mosquitto* client, void* self, int result) {
    MosquittoConnection& connection = Of(self);
    if (result != 0) {
      connection.failure_.refusal = result;
      return;
    }
    connection.failure_.accepted = true;
    connection.noted_.clear();
    // A clean session: the broker has forgotten the subscriptions of any connection before.
    const int options = connection.subscription_.markRetained
                            ? MQTT_SUB_OPT_RETAIN_AS_PUBLISHED | MQTT_SUB_OPT_SEND_RETAIN_NEVER
                            : 0;
    connection.subscribing_.clear();
    for (const std::string& topic : connection.subscription_.topics) {
      int mid = 0;
      mosquitto_subscribe_v5(client, &mid, topic.c_str(), kQos, options, nullptr);
      connection.subscribing_[mid] = topic;
    }
    ++connection.connections_;
    connection.connected_ = true;
    connection.note_(connection.clientId_ + ": connected to " + connection.settings_.host);
  }

  // A subscription the broker's access list refuses would leave the commands unheard without a
  // word.
  static void OnSubscribe(mosquitto*, void* self, int mid, int count, const int* granted) {
    MosquittoConnection& connection = Of(self);
    const auto topic = connection.subscribing_.find(mid);
    if (topic == connection.subscribing_.end()) return;
    if (count == 1 && granted[0] >= kRefusedSubscription) {
      connection.note_(connection.clientId_ + ": the broker refused the subscription to " +
                       topic->second + ": what comes there is not heard");
    }
    connection.subscribing_.erase(topic);
  }

  static void OnMessage(mosquitto*, void* self, const mosquitto_message* message) {
    MosquittoConnection& connection = Of(self);
    if (!connection.subscription_.onMessage) return;
    connection.subscription_.onMessage({message->topic,
                                        std::string(static_cast<const char*>(message->payload),
                                                    static_cast<std::size_t>(message->payloadlen)),
                                        message->retain});
  }

  static void OnDisconnect(mosquitto*, void* self, int) { Of(self).connected_ = false; }

  static void OnPublish(mosquitto*, void* self, int) {
    MosquittoConnection& connection = Of(self);
    ++connection.delivered_;
    --connection.waiting_;
  }

  // The library tells why a TLS connection failed only in its error lines, while the connection's
  // state is still there to ask for the certificate check's result. Error lines come from the
  // network thread alone: the publisher's thread only queues messages for it.
  static void OnLog(mosquitto* client, void* self, int level, const char* line) {
    if (level != MOSQ_LOG_ERR) return;
    MosquittoConnection& connection = Of(self);
    const unsigned long tlsError = TlsErrorOfLogLine(line);
    if (tlsError == 0) return;
    connection.failure_.tlsError = tlsError;
    if (auto* tls = static_cast<SSL*>(mosquitto_ssl_get(client))) {
      connection.failure_.verifyResult = SSL_get_verify_result(tls);
    }
  }

  // One line per failed connection: a reason that stays the same is not said at every attempt.
  void noteFailure() {
    std::string text = MosquittoFailureText(failure_, settings_);
    if (text == noted_) return;
    noted_ = std::move(text);
    note_(clientId_ + ": " + noted_);
  }

  std::optional<Clock::time_point> closeDeadline() {
    std::lock_guard lock(mutex_);
    return closeDeadline_;
  }

  // Network thread only, as are failure_ and subscribing_: the library calls back from inside its
  // own calls here.
  void run() {
    ReconnectBackoff backoff;
    while (!closeDeadline()) {
      failure_ = {.mqtt5 = subscription_.markRetained};
      failure_.result = mosquitto_connect_async(client_, settings_.host.c_str(), settings_.port,
                                                kKeepAliveSeconds);
      failure_.errorNumber = errno;
      if (failure_.result == MOSQ_ERR_SUCCESS) serve();
      if (failure_.accepted) backoff.reset();
      if (closeDeadline()) return;
      if (failure_.result != MOSQ_ERR_SUCCESS) noteFailure();
      std::unique_lock lock(mutex_);
      closeAsked_.wait_for(lock, backoff.nextPause(),
                           [this] { return closeDeadline_.has_value(); });
    }
  }

  // Reads and writes the socket until the connection ends, or until a close has ended it: once what
  // was taken has reached the broker, or at the close's deadline, it disconnects cleanly.
  void serve() {
    bool disconnecting = false;
    for (;;) {
      if (!connected_ && tlsSocketHungUp()) {
        // Why it hung up is what the library's last call left in errno.
        failure_.result = MOSQ_ERR_ERRNO;
        failure_.hungUp = true;
        return;
      }
      failure_.result = mosquitto_loop(client_, kLoopMs, 1);
      failure_.errorNumber = errno;
      if (failure_.result != MOSQ_ERR_SUCCESS) return;
      const std::optional<Clock::time_point> deadline = closeDeadline();
      if (!deadline) continue;
      // A connection not yet accepted has nothing to close cleanly.
      if (!connected_) return;
      const Clock::time_point now = Clock::now();
      if (now > *deadline + kDisconnectWait) return;
      if (!disconnecting && (waiting_ == 0 || now >= *deadline)) {
        mosquitto_disconnect(client_);
        disconnecting = true;
      }
    }
  }

  // The library takes a TLS connection that was refused or reset before its handshake ended for one
  // still being made, and retries it without a pause until the keep-alive runs out.
  bool tlsSocketHungUp() const {
    if (settings_.caFile.empty()) return false;
    pollfd socket{mosquitto_socket(client_), 0, 0};
    return socket.fd >= 0 && ::poll(&socket, 1, 0) == 1 && (socket.revents & POLLHUP) != 0;
  }

  const BrokerSettings settings_;
  const MosquittoBroker::Note note_;
  const std::string clientId_;
  const Subscription subscription_;
  mosquitto* client_ = nullptr;
  std::atomic<bool> connected_{false};
  std::atomic<std::uint64_t> connections_{0};
  std::atomic<std::uint64_t> delivered_{0};
  std::atomic<int> waiting_{0};
  MosquittoFailure failure_;
  std::string noted_;
  std::map<int, std::string> subscribing_;  // topics by the message id of their subscription
  std::mutex mutex_;                        // over closeDeadline_
  std::condition_variable closeAsked_;
  std::optional<Clock::time_point> closeDeadline_;
  std::thread thread_;
};

}  // namespace

MosquittoBroker::MosquittoBroker(BrokerSettings settings, Note note)
    : settings_(std::move(settings)), note_(std::move(note)) {
  mosquitto_lib_init();
  // A broker that goes away mid-write must give a failed write, not end the process (TLS writes
  // are not sent with MSG_NOSIGNAL).
  std::signal(SIGPIPE, SIG_IGN);
}

MosquittoBroker::~MosquittoBroker() {
  mosquitto_lib_cleanup();
}

std::unique_ptr<BrokerConnection> MosquittoBroker::connect(const std::string& clientId,
                                                           const BrokerMessage& will,
                                                           Subscription subscription) {
  return std::make_unique<MosquittoConnection>(settings_, note_, clientId, will,
                                               std::move(subscription));
}

}  // namespace zorkan
