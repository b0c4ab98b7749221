// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small sound synthesiser for the shipped sounds. Everything is plain arithmetic on doubles
// with its own sine and noise, so that the files come out the same bytes on every machine.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kf::assets {

inline constexpr int kSampleRate = 22050;

// Mono samples from -1 to 1.
using Samples = std::vector<double>;

constexpr std::size_t milliseconds(int ms) {
    return static_cast<std::size_t>(kSampleRate) * static_cast<std::size_t>(ms) / 1000;
}

// sin(2 pi turns), from a polynomial after folding into a quarter turn.
double sineOfTurns(double turns);

class Oscillator {
public:
    explicit Oscillator(double hertz)
        : m_step(hertz / kSampleRate) {}
    void setFrequency(double hertz) { m_step = hertz / kSampleRate; }
    double next();         // sine
    double nextSquarish(); // odd harmonics up to the ninth: a rounded square
    double nextSaw();      // the first eight harmonics: a soft sawtooth

private:
    double advance();
    double m_phase = 0; // in turns
    double m_step;
};

// White noise from a fixed seed (xorshift).
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : m_state(seed) {}
    double next();

private:
    std::uint32_t m_state;
};

// One-pole low-pass filter; amount 0..1, larger lets more of the highs through.
class LowPass {
public:
    explicit LowPass(double amount)
        : m_amount(amount) {}
    void setAmount(double amount) { m_amount = amount; }
    double next(double input) {
        m_value += m_amount * (input - m_value);
        return m_value;
    }

private:
    double m_amount;
    double m_value = 0;
};

// (1 - i / length) ^ power, and 0 from length on.
double decay(std::size_t i, std::size_t length, int power);
// 0 rising to 1 over attack, 1, then falling to 0 over the last release samples of length.
double attackRelease(std::size_t i, std::size_t length, std::size_t attack, std::size_t release);

// Adds a bell-like note (a sine with two soft overtones, quick attack, long decay) to the
// samples from..to.
void addBell(Samples& out, std::size_t from, std::size_t to, double hertz, double level);

// A 16-bit mono PCM WAV file of the samples followed by 150 ms of silence, which the sound
// player would otherwise cut from the end of the sound.
QByteArray encodeWave(const Samples& sound);

} // namespace kf::assets
