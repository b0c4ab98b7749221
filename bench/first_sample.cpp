// SPDX-License-Identifier: GPL-3.0-or-later
// Reads raw signed samples from standard input (a recording of the sound server's output) and
// prints the wall-clock time (ns since the epoch) at which the first one that is not silence
// arrived. Used by bench/first_use_probe.sh.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <unistd.h>

int main() {
    std::array<unsigned char, 64> chunk{};
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, chunk.data(), chunk.size());
        if (got <= 0)
            return 1;
        if (std::any_of(chunk.begin(), chunk.begin() + got,
                        [](unsigned char b) { return b != 0; })) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            return 0;
        }
    }
}
