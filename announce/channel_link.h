#pragma once
// The link to peer programs sharing the transmitter.

#include <string>

namespace skycrier {

class ChannelLink {
public:
    virtual ~ChannelLink() = default;
    virtual void send(const std::string& message) = 0;
    // Disconnects and connects again; failures are the link's own business.
    virtual void reconnect() = 0;
};

}  // namespace skycrier
