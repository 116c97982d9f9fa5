#include "platform/hidraw_list.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string_view>

namespace skycrier {
namespace {

namespace fs = std::filesystem;

struct UsbId {
    unsigned vendor;
    unsigned product;
};

constexpr UsbId kFamily[] = {
    {0x0d8c, 0x0008}, {0x0d8c, 0x0009}, {0x0d8c, 0x000a}, {0x0d8c, 0x000b}, {0x0d8c, 0x000c},
    {0x0d8c, 0x000d}, {0x0d8c, 0x000e}, {0x0d8c, 0x000f}, {0x0d8c, 0x0012}, {0x0d8c, 0x0013},
    {0x0d8c, 0x013a}, {0x0d8c, 0x013c}, {0x0c76, 0x1605}, {0x0c76, 0x1607}, {0x0c76, 0x160b},
};

bool inFamily(unsigned vendor, unsigned product) {
    return std::any_of(std::begin(kFamily), std::end(kFamily),
                       [&](const UsbId& id) { return id.vendor == vendor && id.product == product; });
}

// N of "hidrawN"; nothing for any other name.
std::optional<unsigned> hidrawNumber(std::string_view name) {
    constexpr std::string_view prefix = "hidraw";
    if (name.size() <= prefix.size() || !name.starts_with(prefix)) return std::nullopt;
    unsigned number = 0;
    for (const char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number;
}

// The HID core's uevent: "HID_ID=<bus>:<vendor>:<product>" in hex and "HID_NAME=<name>".
std::optional<HidDevice> readUevent(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::optional<HidDevice> device;
    std::string name;
    while (std::getline(in, line)) {
        unsigned bus = 0, vendor = 0, product = 0;
        if (line.starts_with("HID_NAME=")) {
            name = line.substr(9);
        } else if (std::sscanf(line.c_str(), "HID_ID=%x:%x:%x", &bus, &vendor, &product) == 3) {
            device = HidDevice{{}, {}, vendor, product};
        }
    }
    if (device) device->name = name;
    return device;
}

}  // namespace

std::vector<HidDevice> listCm108Devices(const fs::path& sysfsRoot) {
    std::vector<std::pair<unsigned, HidDevice>> found;
    std::error_code walk;
    for (fs::directory_iterator entry(sysfsRoot, walk), end; !walk && entry != end; entry.increment(walk)) {
        const std::string name = entry->path().filename().string();
        const auto number = hidrawNumber(name);
        if (!number) continue;
        auto device = readUevent(entry->path() / "device" / "uevent");
        if (!device || !inFamily(device->vendor, device->product)) continue;
        device->path = "/dev/" + name;
        found.emplace_back(*number, std::move(*device));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<HidDevice> devices;
    for (auto& [number, device] : found) devices.push_back(std::move(device));
    return devices;
}

}  // namespace skycrier
