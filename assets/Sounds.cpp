// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/Sounds.h"

#include "assets/Synth.h"

#include <QSaveFile>
#include <array>

namespace kf::assets {

namespace {

// A crisp, very short tick for menu clicks.
Samples click() {
    Samples out(milliseconds(18));
    Oscillator tone(2600);
    Noise noise(0x1234567u);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double e = decay(i, out.size(), 4);
        out[i] = 0.55 * e * (0.7 * tone.next() + 0.3 * noise.next());
    }
    return out;
}

// A soft, low tap for each correct key: a body and a little felt.
Samples keyTap() {
    Samples out(milliseconds(32));
    Oscillator body(190);
    Oscillator knock(950);
    Noise noise(0xC0FFEEu);
    LowPass felt(0.25);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double e = decay(i, out.size(), 3);
        out[i] = 0.5 * e * (0.5 * body.next() + 0.3 * knock.next() + 0.4 * felt.next(noise.next()));
    }
    return out;
}

// Two notes rising a fifth: ready, go.
Samples start() {
    Samples out(milliseconds(340));
    addBell(out, 0, milliseconds(130), 587.33, 0.45);
    addBell(out, milliseconds(110), out.size(), 880.0, 0.45);
    return out;
}

// A major arpeggio climbing to the octave: the set is done.
Samples done() {
    Samples out(milliseconds(820));
    constexpr std::array<double, 4> kNotes{523.25, 659.26, 783.99, 1046.50};
    for (std::size_t n = 0; n < kNotes.size(); ++n) {
        const std::size_t from = milliseconds(95) * n;
        const std::size_t to = n + 1 < kNotes.size() ? from + milliseconds(420) : out.size();
        addBell(out, from, to, kNotes[n], 0.32);
    }
    return out;
}

// A low, rough buzz that cannot be mistaken for the others.
Samples error() {
    Samples out(milliseconds(240));
    std::array<Oscillator, 2> voices{Oscillator(140), Oscillator(147)};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double e = attackRelease(i, out.size(), milliseconds(5), milliseconds(50));
        out[i] = 0.3 * e * (voices[0].nextSquarish() + voices[1].nextSquarish());
    }
    return out;
}

// Letter game: a bright upward "bloop" when a letter is caught.
Samples caught() {
    Samples out(milliseconds(210));
    Oscillator tone(0);
    const std::size_t first = milliseconds(130);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool second = i >= first;
        const std::size_t n = second ? out.size() - first : first;
        const std::size_t at = second ? i - first : i;
        const double t = static_cast<double>(at) / static_cast<double>(n);
        tone.setFrequency(second ? 1500 + 700 * t : 500 + 1000 * t);
        out[i] = 0.5 * attackRelease(at, n, milliseconds(3), n / 2) * tone.next();
    }
    return out;
}

// Letter game: a rumbling burst that darkens as it dies away.
Samples explode() {
    Samples out(milliseconds(900));
    Noise noise(0xBADA55u);
    LowPass rumble(0.5);
    Oscillator thump(58);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(out.size());
        rumble.setAmount(0.5 * (1 - t) * (1 - t) + 0.02);
        const double e =
            attackRelease(i, out.size(), milliseconds(4), out.size()) * decay(i, out.size(), 2);
        out[i] = 0.9 * e *
                 (rumble.next(noise.next()) + 0.5 * decay(i, out.size() / 4, 2) * thump.next());
    }
    return out;
}

// Letter game: a rising whoosh for a streak of catches.
Samples streak() {
    Samples out(milliseconds(460));
    Noise noise(0x5EED5u);
    LowPass upper(0.1);
    LowPass lower(0.02);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(out.size());
        upper.setAmount(0.05 + 0.5 * t);
        lower.setAmount(0.01 + 0.12 * t);
        const double x = noise.next();
        const double band = upper.next(x) - lower.next(x);
        const double swell = sineOfTurns(t / 2);
        out[i] = 1.6 * swell * swell * band;
    }
    return out;
}

// Letter game: a growl, a rough low voice trembling at a fast rate.
Samples lion() {
    Samples out(milliseconds(1000));
    Oscillator voice(95);
    Oscillator vibrato(5.5);
    Oscillator growl(27);
    Noise noise(0x11011u);
    LowPass breath(0.08);
    for (std::size_t i = 0; i < out.size(); ++i) {
        voice.setFrequency(95 + 7 * vibrato.next());
        const double e = attackRelease(i, out.size(), milliseconds(150), milliseconds(450));
        const double rough = 0.65 + 0.35 * growl.next();
        out[i] = 0.85 * e * rough * (0.6 * voice.nextSaw() + 0.8 * breath.next(noise.next()));
    }
    return out;
}

// Letter game: a falling laser zap.
Samples lazer() {
    Samples out(milliseconds(300));
    Oscillator zap(0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double rest = 1 - static_cast<double>(i) / static_cast<double>(out.size());
        zap.setFrequency(280 + 1920 * rest * rest);
        const double e = attackRelease(i, out.size(), milliseconds(2), milliseconds(120));
        out[i] = 0.4 * e * zap.nextSquarish();
    }
    return out;
}

QString writeWave(const Samples& sound, const QString& path) {
    const QByteArray bytes = encodeWave(sound);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

} // namespace

QStringList writeSounds(const QDir& out) {
    struct Sound {
        const char* name;
        Samples (*make)();
    };
    constexpr std::array<Sound, 10> kSounds{{
        {"click_2.wav", click},
        {"start.wav", start},
        {"done.wav", done},
        {"type2.wav", keyTap},
        {"error.wav", error},
        {"caught.wav", caught},
        {"explode1.wav", explode},
        {"streak2.wav", streak},
        {"lion2.wav", lion},
        {"lazer4.wav", lazer},
    }};
    QStringList errors;
    for (const Sound& sound : kSounds) {
        const QString error = writeWave(sound.make(), out.filePath(QLatin1String(sound.name)));
        if (!error.isEmpty())
            errors << error;
    }
    return errors;
}

} // namespace kf::assets
