#include "publish/mosquitto_broker.h"

#include <mosquitto.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "publish/reconnect_backoff.h"

namespace zorkan {

namespace {

// Every message goes with QoS 1: the broker acknowledges it, so that what is still on its way is
// known and bounded, and the last "offline" is known to have arrived before the disconnect.
constexpr int kQos = 1;
// A dead connection is noticed by the broker after one and a half of these, and its will sent.
constexpr int kKeepAliveSeconds = 10;
// Messages taken and not yet acknowledged: about ten polls of one instrument. Beyond them the
// broker is not keeping up, and further messages are dropped rather than queued.
constexpr int kMostWaiting = 200;
// How often the network thread looks up from the socket when nothing happens.
constexpr int kLoopMs = 200;
// How long a clean disconnect may take before the thread gives up on it.
constexpr std::chrono::milliseconds kDisconnectWait{1000};

class MosquittoConnection final : public BrokerConnection {
 public:
  MosquittoConnection(BrokerSettings settings, MosquittoBroker::Note note, std::string clientId,
                      const BrokerMessage& will)
      : settings_(std::move(settings)), note_(std::move(note)), clientId_(std::move(clientId)) {
    client_ = mosquitto_new(clientId_.c_str(), true, this);
    if (client_ == nullptr) {
      note_(clientId_ + ": no MQTT client could be made");
      return;
    }
    // The publisher's thread publishes while the network thread reads and writes the socket.
    mosquitto_threaded_set(client_, true);
    mosquitto_connect_callback_set(client_, &MosquittoConnection::OnConnect);
    mosquitto_disconnect_callback_set(client_, &MosquittoConnection::OnDisconnect);
    mosquitto_publish_callback_set(client_, &MosquittoConnection::OnPublish);
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
    close(std::chrono::milliseconds{0});
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

  void close(std::chrono::milliseconds wait) override {
    if (!thread_.joinable()) return;
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, wait, [this] { return !connected_ || waiting_ == 0; });
    stopping_ = true;
    lock.unlock();
    changed_.notify_all();
    mosquitto_disconnect(client_);
    thread_.join();
  }

 private:
  static MosquittoConnection& Of(void* self) { return *static_cast<MosquittoConnection*>(self); }

  static void OnConnect(mosquitto*, void* self, int result) {
    MosquittoConnection& connection = Of(self);
    if (result != 0) {
      connection.noteOnce(std::string("refused: ") + mosquitto_connack_string(result));
      return;
    }
    ++connection.connections_;
    connection.connected_ = true;
    connection.outageNoted_ = false;
    connection.note_(connection.clientId_ + ": connected to " + connection.settings_.host);
  }

  static void OnDisconnect(mosquitto*, void* self, int) {
    MosquittoConnection& connection = Of(self);
    {
      std::lock_guard lock(connection.mutex_);
      connection.connected_ = false;
    }
    connection.changed_.notify_all();
  }

  static void OnPublish(mosquitto*, void* self, int) {
    MosquittoConnection& connection = Of(self);
    {
      std::lock_guard lock(connection.mutex_);
      --connection.waiting_;
    }
    connection.changed_.notify_all();
  }

  // One line per outage, not one per attempt. Network thread only.
  void noteOnce(const std::string& what) {
    if (std::exchange(outageNoted_, true)) return;
    note_(clientId_ + ": " + settings_.host + ": " + what);
  }

  bool stopping() {
    std::lock_guard lock(mutex_);
    return stopping_;
  }

  void run() {
    ReconnectBackoff backoff;
    while (!stopping()) {
      const std::uint64_t connectionsBefore = connections_;
      int result = mosquitto_connect_async(client_, settings_.host.c_str(), settings_.port,
                                           kKeepAliveSeconds);
      if (result == MOSQ_ERR_SUCCESS) result = serve();
      if (connections_ != connectionsBefore) backoff.reset();
      if (result != MOSQ_ERR_SUCCESS) noteOnce(ErrorText(result));
      std::unique_lock lock(mutex_);
      if (!stopping_) changed_.wait_for(lock, backoff.nextPause(), [this] { return stopping_; });
    }
  }

  // Reads and writes the socket until the connection ends, or until a stop has seen it closed.
  int serve() {
    std::chrono::steady_clock::time_point stopDeadline{};
    for (;;) {
      const int result = mosquitto_loop(client_, kLoopMs, 1);
      if (result != MOSQ_ERR_SUCCESS) return result;
      if (!stopping()) continue;
      const auto now = std::chrono::steady_clock::now();
      if (stopDeadline == std::chrono::steady_clock::time_point{}) {
        stopDeadline = now + kDisconnectWait;
      }
      if (!connected_ || now > stopDeadline) return MOSQ_ERR_SUCCESS;
    }
  }

  static std::string ErrorText(int result) {
    if (result == MOSQ_ERR_ERRNO) return std::error_code(errno, std::generic_category()).message();
    return mosquitto_strerror(result);
  }

  const BrokerSettings settings_;
  const MosquittoBroker::Note note_;
  const std::string clientId_;
  mosquitto* client_ = nullptr;
  std::atomic<bool> connected_{false};
  std::atomic<std::uint64_t> connections_{0};
  std::atomic<int> waiting_{0};
  bool outageNoted_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool stopping_ = false;
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
                                                           const BrokerMessage& will) {
  return std::make_unique<MosquittoConnection>(settings_, note_, clientId, will);
}

}  // namespace zorkan
