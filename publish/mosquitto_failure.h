#pragma once
// What a failed attempt to reach the broker, or a lost connection, means to the administrator who
// must mend it, from what libmosquitto and its TLS library said about it.

#include <string>

#include "publish/broker_settings.h"

namespace zorkan {

struct MosquittoFailure {
  int result = 0;              // libmosquitto's code
  int errorNumber = 0;         // errno, with the code that says to look there
  bool accepted = false;       // the broker had accepted the connection before it ended
  int refusal = 0;             // the broker's refusal of the connection, when it refused it
  bool mqtt5 = false;          // the connection spoke MQTT 5, whose refusals have codes of its own
  bool hungUp = false;         // the socket hung up before the handshake ended, with no code
  unsigned long tlsError = 0;  // the last TLS error the library reported, 0 for none
  long verifyResult = 0;       // the certificate check's result with it, 0 when it passed
};

// One line, after the connection's name: "127.0.0.1:8883: the broker's certificate was not
// trusted: self-signed certificate in certificate chain (CA file ca.pem)".
std::string MosquittoFailureText(const MosquittoFailure& failure, const BrokerSettings& settings);

// The TLS error of one of libmosquitto's error lines ("OpenSSL Error[0]: error:0A000086:..."), 0
// when the line reports none.
unsigned long TlsErrorOfLogLine(const std::string& line);

}  // namespace zorkan
