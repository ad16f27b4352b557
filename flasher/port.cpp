#include <cstdio>

#include "flasher/port.h"

PortResult i2c_port_open(FlasherPort*, const PortOptions&) { return PORT_ERR_NO_DEVICE; }

const std::array<FlasherPort, 2> FlasherPortList = {{
    {"serial_posix",
     PORT_FLAG_BYTEWISE | PORT_FLAG_GVR_OPTIONS | PORT_FLAG_SEND_INIT | PORT_FLAG_ACK_TIMEOUT,
     serial_port_open,
     serial_port_close,
     serial_port_read,
     serial_port_write,
     serial_port_set_line,
     serial_port_describe,
     {},
     nullptr},
    {"i2c", 0, i2c_port_open, nullptr, nullptr, nullptr, nullptr, nullptr, {}, nullptr},
}};

int flasher_port_select(const PortOptions& options, FlasherPort& port_out)
{
    for (const FlasherPort& kind : FlasherPortList) {
        port_out = kind;
        const PortResult result = port_out.open(&port_out, options);
        if (result == PORT_ERR_OK)
            return 0;
        if (result != PORT_ERR_NO_DEVICE)
            std::fprintf(stderr, "Error probing interface \"%s\"\n", kind.name);
    }
    port_out = FlasherPort{};
    std::fprintf(stderr, "Cannot handle device \"%s\"\n", options.device.c_str());
    return 3;
}
