#include "art.h"

#include <algorithm>
#include <cmath>

namespace art {

// A wooden "tock": two damped partials of a small hard body plus a very short
// noise transient for the contact, then silence up to a quarter second.
std::vector<uint8_t> click_sound(int rate) {
    const int n = rate / 4;
    std::vector<uint8_t> out(n);
    rng gen(7);
    double lp = 0;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / rate;
        double body = 0.55 * std::sin(2 * M_PI * 1180 * t) * std::exp(-t / 0.018) +
                      0.30 * std::sin(2 * M_PI * 2630 * t + 0.7) * std::exp(-t / 0.009) +
                      0.12 * std::sin(2 * M_PI * 610 * t) * std::exp(-t / 0.03);
        double noise = gen.range(-1, 1);
        lp += 0.35 * (noise - lp);
        double contact = 0.6 * lp * std::exp(-t / 0.0025);
        double attack = std::min(1.0, t / 0.0006);
        double v = attack * (body + contact);
        double fade = i > n - 200 ? (n - i) / 200.0 : 1.0;
        v *= fade * 0.85;
        int s = int(std::lround(128 + 127 * std::tanh(v * 1.2)));
        out[i] = uint8_t(std::max(0, std::min(255, s)));
    }
    return out;
}

}  // namespace art
