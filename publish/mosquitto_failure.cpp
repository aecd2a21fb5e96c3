#include "publish/mosquitto_failure.h"

#include <mosquitto.h>
#include <mqtt_protocol.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509_vfy.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace zorkan {

namespace {

std::string ErrnoText(int number) {
  return std::error_code(number, std::generic_category()).message();
}

std::string Address(const BrokerSettings& settings) {
  const bool ipv6 = settings.host.find(':') != std::string::npos;
  return (ipv6 ? "[" + settings.host + "]" : settings.host) + ":" + std::to_string(settings.port);
}

// What the broker's CONNACK says, in the words of MQTT 3.1.1 and of MQTT 5, whose codes are
// 0x80 and above. A broker that does not take MQTT 5 answers a connection in it with 3.1.1's 1.
std::string RefusalText(int refusal, bool mqtt5, const BrokerSettings& settings) {
  const std::string login = settings.login.user.empty()
                                ? std::string("an anonymous login")
                                : "the login as \"" + settings.login.user + "\"";
  switch (refusal) {
    case 1:
    case MQTT_RC_UNSUPPORTED_PROTOCOL_VERSION:
      return mqtt5 ? "the broker refused the connection: it does not take MQTT 5, which commands "
                     "need"
                   : "the broker refused the connection: it does not take MQTT 3.1.1";
    case 2:
    case MQTT_RC_CLIENTID_NOT_VALID:
      return "the broker refused the client id";
    case 3:
    case MQTT_RC_SERVER_UNAVAILABLE:
    case MQTT_RC_SERVER_BUSY:
      return "the broker refused the connection: it is unavailable";
    case 4:
    case MQTT_RC_BAD_USERNAME_OR_PASSWORD:
      return "the broker refused " + login + ": bad user name or password";
    case 5:
    case MQTT_RC_NOT_AUTHORIZED:
    case MQTT_RC_BANNED:
      return "the broker refused " + login + ": not authorised";
    default:
      return "the broker refused the connection (code " + std::to_string(refusal) + ")";
  }
}

bool IsTlsReason(unsigned long error, int reason) {
  return error != 0 && ERR_GET_LIB(error) == ERR_LIB_SSL && ERR_GET_REASON(error) == reason;
}

std::string ClosedText(const MosquittoFailure& failure, const BrokerSettings& settings) {
  if (failure.accepted) return "the broker closed the connection";
  // A TLS listener closes on a plain CONNECT, and a plain one on a TLS handshake.
  if (settings.caFile.empty()) {
    return "the broker closed the connection before accepting it: is port " +
           std::to_string(settings.port) + " a TLS listener, which needs a CA file?";
  }
  return "the broker closed the connection during the TLS handshake: is port " +
         std::to_string(settings.port) + " a TLS listener?";
}

std::string TlsText(const MosquittoFailure& failure, const BrokerSettings& settings) {
  if (IsTlsReason(failure.tlsError, SSL_R_CERTIFICATE_VERIFY_FAILED)) {
    // The library checks the host name itself, after the chain has passed, and leaves no reason.
    const bool chainFailed =
        failure.verifyResult != X509_V_OK && failure.verifyResult != X509_V_ERR_UNSPECIFIED;
    const std::string why = chainFailed ? X509_verify_cert_error_string(failure.verifyResult)
                                        : "it is not made out to " + settings.host;
    return "the broker's certificate was not trusted: " + why + " (CA file " +
           settings.caFile.string() + ")";
  }
  if (IsTlsReason(failure.tlsError, SSL_R_UNEXPECTED_EOF_WHILE_READING)) {
    return ClosedText(failure, settings);
  }
  // The library loads the CA file at each connection: it may have been replaced since the start.
  if (const std::string problem = CaFileProblem(settings.caFile); !problem.empty()) {
    return "the CA file " + settings.caFile.string() + " " + problem;
  }
  const char* reason = failure.tlsError != 0 ? ERR_reason_error_string(failure.tlsError) : nullptr;
  return std::string(failure.accepted ? "the TLS connection failed" : "the TLS handshake failed") +
         (reason != nullptr ? std::string(": ") + reason : "");
}

bool IsUnreachable(int errorNumber) {
  switch (errorNumber) {
    case ECONNREFUSED:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
    case ENETDOWN:
    case ETIMEDOUT:
    case EADDRNOTAVAIL:
      return true;
    default:
      return false;
  }
}

std::string Explained(const MosquittoFailure& failure, const BrokerSettings& settings) {
  if (failure.refusal != 0) return RefusalText(failure.refusal, failure.mqtt5, settings);
  const bool errnoSays = failure.result == MOSQ_ERR_ERRNO;
  // A TLS error may also come as errno EPROTO, its line in the log telling what it was.
  if (failure.tlsError != 0 || failure.result == MOSQ_ERR_TLS ||
      failure.result == MOSQ_ERR_TLS_HANDSHAKE) {
    return TlsText(failure, settings);
  }
  switch (failure.result) {
    case MOSQ_ERR_CONN_LOST:
      return ClosedText(failure, settings);
    case MOSQ_ERR_EAI:
      return "the address is not reachable: the name " + settings.host + " cannot be looked up";
    case MOSQ_ERR_KEEPALIVE:
      return failure.accepted ? "the broker stopped answering" : "the broker does not answer";
    default:
      break;
  }
  if (errnoSays && IsUnreachable(failure.errorNumber)) {
    return "the address is not reachable: " + ErrnoText(failure.errorNumber);
  }
  // The library reports a TLS socket that failed under it, the broker gone, as EPROTO.
  const bool tlsSocketFailed = failure.errorNumber == EPROTO && !settings.caFile.empty();
  if (errnoSays &&
      (failure.errorNumber == ECONNRESET || failure.errorNumber == EPIPE || tlsSocketFailed)) {
    return ClosedText(failure, settings);
  }
  if (failure.hungUp) return "the address is not reachable: no connection could be made";
  if (errnoSays) return ErrnoText(failure.errorNumber);
  return std::string(mosquitto_strerror(failure.result)) + " (code " +
         std::to_string(failure.result) + ")";
}

}  // namespace

std::string MosquittoFailureText(const MosquittoFailure& failure, const BrokerSettings& settings) {
  return Address(settings) + ": " + Explained(failure, settings);
}

unsigned long TlsErrorOfLogLine(const std::string& line) {
  // ERR_error_string's form: "error:[code in hex]:[library]::[reason]".
  constexpr std::string_view kMark = "OpenSSL Error[";
  constexpr std::string_view kCode = "error:";
  if (!line.starts_with(kMark)) return 0;
  const std::size_t code = line.find(kCode);
  if (code == std::string::npos) return 0;
  return std::strtoul(line.c_str() + code + kCode.size(), nullptr, 16);
}

}  // namespace zorkan
