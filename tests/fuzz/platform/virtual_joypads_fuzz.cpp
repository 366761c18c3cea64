// Arbitrary bytes as a virtual-joypad file. The first byte picks how the rest
// is cut into chunks, as a file may grow between two polls. Fed whole or in
// chunks, the file must leave the same joysticks and the same reports; every
// report is one line naming the file; every read stays within its counts and
// ranges, also when reading between the chunks.

#include "lum/core/runtime_warning.hpp"
#include "lum/platform/virtual_joypads.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using lum::platform::JOYSTICK_COUNT;
using lum::platform::JoystickBank;
using lum::platform::VirtualJoypads;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    __builtin_trap();
}

// Everything the joysticks tell, read through the calls the backend makes;
// with describe unset only the ranges are checked.
std::string state_of(JoystickBank& bank, bool describe = true) {
    std::string s;
    for (int id = -1; id <= JOYSTICK_COUNT; ++id) {
        int axes = bank.axis_count(id);
        int buttons = bank.button_count(id);
        if (axes < 0 || axes > VirtualJoypads::MAX_AXES || buttons < 0 ||
            buttons > VirtualJoypads::MAX_BUTTONS)
            fail("count out of range");
        if (!bank.present(id) && (axes || buttons || !bank.name(id).empty()))
            fail("an absent joystick has something");
        // One slot more than there are, each guarded, to catch writes past the count.
        std::vector<float> a(VirtualJoypads::MAX_AXES + 2, 7.0f);
        std::vector<uint8_t> b(VirtualJoypads::MAX_BUTTONS + 2, 7);
        if (bank.read_axes(id, a.data(), axes + 1) != axes ||
            bank.read_buttons(id, b.data(), buttons + 1) != buttons)
            fail("read a wrong count");
        if (a[axes] != 7.0f || b[buttons] != 7)
            fail("wrote past the count");
        for (int i = 0; i < axes; ++i)
            if (!(a[i] >= -1.0f && a[i] <= 1.0f))
                fail("axis out of range");
        for (int i = 0; i < buttons; ++i)
            if (b[i] > 1)
                fail("button neither up nor down");
        if (!describe)
            continue;
        s += std::to_string(id) + ":" + bank.name(id).to_utf8() + ":";
        for (int i = 0; i < axes; ++i)
            s += std::to_string(a[i]) + ",";
        for (int i = 0; i < buttons; ++i)
            s += static_cast<char>('0' + b[i]);
        s += "\n";
    }
    return s;
}

// Names that are not UTF-8 give diagnostics; the fuzzer only cares about faults.
struct Quiet {
    Quiet() {
        std::freopen("/dev/null", "w", stdout);
        lum::WarningStack::push(false);
    }
} quiet;

VirtualJoypads::Report collect(std::vector<std::string>& reports) {
    return [&reports](const std::string& r) {
        if (r.rfind("pads:", 0) != 0 || r.find('\n') != std::string::npos)
            fail("a report that does not name the file on one line");
        reports.push_back(r);
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    size_t chunk = 1 + data[0] % 64;
    std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<std::string> whole_reports, chunked_reports, polled_reports;
    VirtualJoypads whole("pads", collect(whole_reports));
    VirtualJoypads chunked("pads", collect(chunked_reports));
    VirtualJoypads polled("pads", collect(polled_reports));
    whole.feed(file);
    for (size_t i = 0; i < file.size(); i += chunk) {
        chunked.feed(file.substr(i, chunk));
        polled.feed(file.substr(i, chunk));
        state_of(polled.joysticks(), false);
    }
    if (state_of(whole.joysticks()) != state_of(chunked.joysticks()))
        fail("chunks changed the joysticks");
    if (whole_reports != chunked_reports || whole_reports != polled_reports)
        fail("chunks changed the reports");
    return 0;
}
