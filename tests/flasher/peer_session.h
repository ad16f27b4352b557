#pragma once
// The client's side of a test against the peer: the serial port open on the peer's terminal, and
// at most one connection, both closed at the end.

#include <gtest/gtest.h>

#include "flasher/boot_protocol.h"
#include "tests/flasher/boot_peer.h"

namespace flasher_test {

class PeerSession {
public:
    explicit PeerSession(BootPeer& peer)
    {
        PortOptions options;
        options.device = peer.device();
        EXPECT_EQ(flasher_port_select(options, port), 0);
    }
    ~PeerSession()
    {
        stm32_disconnect(connection);
        if (port.state != nullptr)
            port.close(&port);
    }
    PeerSession(const PeerSession&) = delete;
    PeerSession& operator=(const PeerSession&) = delete;

    BootConnection* connect(bool send_init = true)
    {
        stm32_disconnect(connection);
        connection = stm32_connect(&port, send_init);
        return connection;
    }

    FlasherPort port;
    BootConnection* connection = nullptr;
};

} // namespace flasher_test
