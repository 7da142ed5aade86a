// The Winsock names the socket endpoint is written with, over BSD sockets where there is
// no Winsock. The calls (socket, connect, send, recv, shutdown, htons, inet_addr) are the
// same on both; only the descriptor type, its invalid value and the shutdown constant
// are spelled differently.
#pragma once

#ifdef _WIN32
#include <winsock.h>

// Windows has no SIGPIPE; a send on a closed connection just fails.
inline constexpr int kSendFlags = 0;
inline void closeSocketDescriptor(SOCKET descriptor) { closesocket(descriptor); }
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

typedef int SOCKET;
inline constexpr SOCKET INVALID_SOCKET = -1;
inline constexpr int SOCKET_ERROR = -1;
inline constexpr int SD_BOTH = SHUT_RDWR;

// A send on a connection the host has closed raises SIGPIPE here, which would end the
// whole browser process; Winsock reports it as a failed send, and so does this flag.
inline constexpr int kSendFlags = MSG_NOSIGNAL;
inline void closeSocketDescriptor(SOCKET descriptor) { ::close(descriptor); }
#endif

#include <cerrno>

// Whether the last failed call was only interrupted by a signal and may be repeated.
inline bool interruptedCall() {
#ifdef _WIN32
  return WSAGetLastError() == WSAEINTR;
#else
  return errno == EINTR;
#endif
}
