#include "astro/outcome.h"
#include "telescope/mount_link.h"

namespace kolvar {

std::optional<ServerAddress> ParseServerAddress(std::string_view text) {
    std::string_view host = text;
    std::string_view port;
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty()) return std::nullopt;
    }
    if (host.empty() || host.size() > 253) return std::nullopt;
    for (const char c : host) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7f || c == '/' || c == '[' || c == ']') return std::nullopt;
    }
    ServerAddress address;
    address.Host = std::string(host);
    if (!port.empty()) {
        const Outcome<int> value = ReadWholeInteger<int>(port);
        if (!value || *value < 1 || *value > 65535) return std::nullopt;
        address.Port = *value;
    }
    return address;
}

std::string ServerAddressText(const ServerAddress& address) {
    return address.Host + ":" + std::to_string(address.Port);
}

}  // namespace kolvar
