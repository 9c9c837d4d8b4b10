// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A server that has hung: it listens on a Unix socket, the kernel takes the connections, and
// nothing ever answers. Stands in for a print or sound server that no longer responds.
class SilentServer
{
public:
    explicit SilentServer(const QByteArray &path) : m_path(path)
    {
        ::unlink(path.constData());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        m_listening =
            path.size() < qsizetype(sizeof(address.sun_path)) &&
            ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
            ::listen(m_socket, 64) == 0;
    }
    ~SilentServer()
    {
        ::close(m_socket);
        ::unlink(m_path.constData());
    }
    SilentServer(const SilentServer &) = delete;
    SilentServer &operator=(const SilentServer &) = delete;

    bool isListening() const { return m_listening; }

private:
    QByteArray m_path;
    int m_socket = -1;
    bool m_listening = false;
};
