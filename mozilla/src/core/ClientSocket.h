// The endpoint of the one TCP connection between the component and the Java host.
//
// A small value: the component holds one, and the recorder and each playback object get
// a copy. Every copy names the same connection. Wire conventions, both ways: one receive
// is one message of at most kMessageLimit bytes, decoded from UTF-8; every outgoing text
// is sent as UTF-8, whole, and carries its own line end.
#pragma once

#include <memory>
#include <mutex>

#include "nsString.h"
#include "socket_names.h"

class ClientSocket {
 public:
  // The most bytes one Receive takes, and so the longest message the host may send.
  static constexpr int kMessageLimit = 2048;

  ClientSocket() = default;

  // A new TCP socket; an earlier one of this endpoint is let go of (its other copies
  // keep it). Returns the descriptor, INVALID_SOCKET on failure.
  SOCKET Create();
  // Connects to `host` (dotted-decimal IPv4, no name lookup) at `port`. Returns 0, or -1
  // on failure.
  int Connect(const char* host, int port);
  // Sends `text` as UTF-8, every byte of it, as one unit: texts sent from several
  // threads on copies of this endpoint never interleave. Returns the bytes sent, or
  // SOCKET_ERROR when the connection failed (the rest of the text is lost).
  int Send(const nsAString& text);
  // One receive of at most kMessageLimit bytes into `text`, decoded from UTF-8. Returns
  // the byte count; 0 when the host closed the connection, SOCKET_ERROR on failure (then
  // `text` is empty).
  int Receive(nsAString& text);
  // Shuts the connection down both ways; later sends and receives on any copy fail.
  // Returns 1. The descriptor stays allocated until the last copy goes.
  int Close();

  SOCKET descriptor() const;

 private:
  // What all copies share: the descriptor, closed when the last copy goes, and the lock
  // that keeps one text's bytes together.
  struct Connection {
    explicit Connection(SOCKET aDescriptor) : descriptor(aDescriptor) {}
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    const SOCKET descriptor;
    std::mutex sending;
  };

  std::shared_ptr<Connection> mConnection;
};
