// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kf::assets {

namespace {

void appendLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

std::int16_t toPcm(double sample) {
    const double scaled = std::clamp(sample, -1.0, 1.0) * 32767.0;
    return static_cast<std::int16_t>(std::lround(scaled));
}

} // namespace

double sineOfTurns(double turns) {
    double t = turns - std::floor(turns); // 0 <= t < 1
    if (t >= 0.5)
        t -= 1.0; // -0.5 <= t < 0.5
    if (t > 0.25)
        t = 0.5 - t;
    else if (t < -0.25)
        t = -0.5 - t; // -0.25 <= t <= 0.25: sin is odd and symmetric about a quarter turn
    const double x = 2 * std::numbers::pi * t;
    const double x2 = x * x;
    // Taylor series to x^13, in Horner form: off by less than 1e-10 on a quarter turn.
    return x * (1 - x2 / 6 *
                        (1 - x2 / 20 *
                                 (1 - x2 / 42 * (1 - x2 / 72 * (1 - x2 / 110 * (1 - x2 / 156))))));
}

double Oscillator::advance() {
    const double phase = m_phase;
    m_phase += m_step;
    m_phase -= std::floor(m_phase);
    return phase;
}

double Oscillator::next() {
    return sineOfTurns(advance());
}

double Oscillator::nextSquarish() {
    const double phase = advance();
    double sum = 0;
    for (int k = 1; k <= 9; k += 2)
        sum += sineOfTurns(phase * k) / k;
    return sum;
}

double Oscillator::nextSaw() {
    const double phase = advance();
    double sum = 0;
    for (int k = 1; k <= 8; ++k)
        sum += sineOfTurns(phase * k) / k;
    return sum / 1.8;
}

double Noise::next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<double>(m_state) / 2147483648.0 - 1.0;
}

double decay(std::size_t i, std::size_t length, int power) {
    if (i >= length)
        return 0;
    const double rest = 1.0 - static_cast<double>(i) / static_cast<double>(length);
    double value = 1;
    for (int p = 0; p < power; ++p)
        value *= rest;
    return value;
}

double attackRelease(std::size_t i, std::size_t length, std::size_t attack, std::size_t release) {
    if (i >= length)
        return 0;
    double value = 1;
    if (i < attack)
        value = static_cast<double>(i) / static_cast<double>(attack);
    const std::size_t left = length - i;
    if (left < release)
        value = std::min(value, static_cast<double>(left) / static_cast<double>(release));
    return value;
}

void addBell(Samples& out, std::size_t from, std::size_t to, double hertz, double level) {
    Oscillator fundamental(hertz);
    Oscillator octave(2 * hertz);
    Oscillator twelfth(3 * hertz);
    const std::size_t length = to - from;
    for (std::size_t i = 0; i < length; ++i) {
        const double e = attackRelease(i, length, milliseconds(4), length) * decay(i, length, 1);
        out[from + i] +=
            level * e * (fundamental.next() + 0.3 * octave.next() + 0.12 * twelfth.next());
    }
}

QByteArray encodeWave(const Samples& sound) {
    const std::size_t silence = milliseconds(150) + 1; // rounds 3307.5 up
    const auto dataBytes = static_cast<std::uint32_t>(2 * (sound.size() + silence));
    QByteArray out;
    out.reserve(qsizetype{44} + qsizetype{dataBytes});
    out.append("RIFF");
    appendLittleEndian(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    appendLittleEndian(out, 16, 4);              // format chunk size
    appendLittleEndian(out, 1, 2);               // PCM
    appendLittleEndian(out, 1, 2);               // mono
    appendLittleEndian(out, kSampleRate, 4);     // samples per second
    appendLittleEndian(out, 2 * kSampleRate, 4); // bytes per second
    appendLittleEndian(out, 2, 2);               // bytes per sample
    appendLittleEndian(out, 16, 2);              // bits per sample
    out.append("data");
    appendLittleEndian(out, dataBytes, 4);
    for (const double sample : sound)
        appendLittleEndian(out, static_cast<std::uint16_t>(toPcm(sample)), 2);
    for (std::size_t i = 0; i < silence; ++i)
        appendLittleEndian(out, 0, 2);
    return out;
}

} // namespace kf::assets
