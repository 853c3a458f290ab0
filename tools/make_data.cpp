// Writes the game's data files: the sky picture, the eight sound effects and the
// application icon. Everything is synthesised from fixed seeds, so running the program
// again reproduces the committed files byte for byte.
//
//   tarvana_make_data <folder>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int rate = 22050;

// A small generator of our own: the standard distributions are not the same on every
// library, and the files must not change when the compiler does.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double noise() { return 2.0 * uniform() - 1.0; }

private:
    std::uint64_t state_;
};

bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

void put16(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void put_tag(std::vector<std::uint8_t>& b, const char* tag)
{
    b.insert(b.end(), tag, tag + 4);
}

// ---------------------------------------------------------------------------------------
// Sound

using Signal = std::vector<double>;

Signal silence(double seconds)
{
    return Signal(static_cast<std::size_t>(seconds * rate), 0.0);
}

double seconds_at(std::size_t i)
{
    return static_cast<double>(i) / rate;
}

// Adds `part` into `mix` starting at `at` seconds, growing the mix when needed.
void mix_in(Signal& mix, const Signal& part, double at, double gain = 1.0)
{
    const auto start = static_cast<std::size_t>(at * rate);
    if (mix.size() < start + part.size())
        mix.resize(start + part.size(), 0.0);
    for (std::size_t i = 0; i < part.size(); ++i)
        mix[start + i] += gain * part[i];
}

// Robert Bristow-Johnson's biquads; enough for formants, rumble and shaping noise.
class Biquad {
public:
    static Biquad lowpass(double freq, double q) { return make(freq, q, Kind::Low); }
    static Biquad bandpass(double freq, double q) { return make(freq, q, Kind::Band); }
    static Biquad highpass(double freq, double q) { return make(freq, q, Kind::High); }

    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

    // Moves the corner without clearing the filter's memory, for sweeps.
    void retune(double freq, double q)
    {
        const Biquad t = make(freq, q, kind_);
        b0_ = t.b0_;
        b1_ = t.b1_;
        b2_ = t.b2_;
        a1_ = t.a1_;
        a2_ = t.a2_;
    }

private:
    enum class Kind { Low, Band, High };

    static Biquad make(double freq, double q, Kind kind)
    {
        Biquad f;
        f.kind_ = kind;
        const double w = 2.0 * pi * std::min(freq, 0.45 * rate) / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        const double a0 = 1.0 + alpha;
        switch (kind) {
        case Kind::Low:
            f.b0_ = (1.0 - c) / 2.0;
            f.b1_ = 1.0 - c;
            f.b2_ = (1.0 - c) / 2.0;
            break;
        case Kind::Band:
            f.b0_ = alpha;
            f.b1_ = 0.0;
            f.b2_ = -alpha;
            break;
        case Kind::High:
            f.b0_ = (1.0 + c) / 2.0;
            f.b1_ = -(1.0 + c);
            f.b2_ = (1.0 + c) / 2.0;
            break;
        }
        f.b0_ /= a0;
        f.b1_ /= a0;
        f.b2_ /= a0;
        f.a1_ = -2.0 * c / a0;
        f.a2_ = (1.0 - alpha) / a0;
        return f;
    }

    Kind kind_ = Kind::Low;
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

// Short fades at both ends keep the speaker from clicking when a sound starts or is cut.
void fade_ends(Signal& s, double in_seconds, double out_seconds)
{
    const auto n_in = std::min(s.size(), static_cast<std::size_t>(in_seconds * rate));
    const auto n_out = std::min(s.size(), static_cast<std::size_t>(out_seconds * rate));
    for (std::size_t i = 0; i < n_in; ++i)
        s[i] *= static_cast<double>(i) / static_cast<double>(n_in);
    for (std::size_t i = 0; i < n_out; ++i)
        s[s.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(n_out);
}

void normalise(Signal& s, double peak)
{
    double top = 0.0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    if (top > 0.0)
        for (double& v : s)
            v *= peak / top;
}

// The last steps of every sound: optional soft clipping (drive > 0) to thicken it, the
// click-free ends and a set peak level.
Signal finished(Signal s, double drive, double fade_in, double fade_out, double peak)
{
    if (drive > 0.0)
        for (double& v : s)
            v = std::tanh(drive * v);
    fade_ends(s, fade_in, fade_out);
    normalise(s, peak);
    return s;
}

std::vector<std::uint8_t> wav_bytes(const Signal& s)
{
    std::vector<std::uint8_t> b;
    const auto data_size = static_cast<std::uint32_t>(s.size() * 2);
    put_tag(b, "RIFF");
    put32(b, 36 + data_size);
    put_tag(b, "WAVE");
    put_tag(b, "fmt ");
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, rate);
    put32(b, rate * 2);
    put16(b, 2);
    put16(b, 16);
    put_tag(b, "data");
    put32(b, data_size);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(b, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))));
    }
    return b;
}

// A brass-like note: a sawtooth's harmonics whose upper partials bloom during the attack.
Signal brass_note(double freq, double seconds, double vibrato)
{
    Signal s = silence(seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds_at(i);
        const double attack = std::min(1.0, t / 0.025);
        const double release = std::min(1.0, (seconds - t) / 0.06);
        const double bloom = std::min(1.0, t / 0.06);
        const double wobble = 1.0 + vibrato * std::sin(2.0 * pi * 5.5 * t) * std::min(1.0, t / 0.2);
        phase += 2.0 * pi * freq * wobble / rate;
        double v = 0.0;
        for (int h = 1; h <= 9; ++h) {
            const double weight = (h == 1 ? 1.0 : (0.35 + 0.65 * bloom) / h);
            v += weight * std::sin(h * phase);
        }
        s[i] = v * attack * std::max(0.0, release) * (0.85 + 0.15 * std::exp(-t * 8.0));
    }
    return s;
}

Signal make_start()
{
    // A bugle call up the major chord, ending on a held chord.
    Signal mix;
    const std::array<double, 3> steps = {392.00, 523.25, 659.25};
    for (std::size_t k = 0; k < steps.size(); ++k)
        mix_in(mix, brass_note(steps[k], 0.13, 0.0), 0.11 * static_cast<double>(k), 0.8);
    const double hold = 0.50;
    mix_in(mix, brass_note(783.99, hold, 0.006), 0.33, 0.8);
    mix_in(mix, brass_note(523.25, hold, 0.004), 0.33, 0.45);
    mix_in(mix, brass_note(659.25, hold, 0.005), 0.33, 0.4);
    return finished(std::move(mix), 0.9, 0.004, 0.03, 0.80);
}

Signal make_shot()
{
    Rng rng(0x5157);
    Signal s = silence(0.40);
    Biquad crack = Biquad::lowpass(4000.0, 0.7);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds_at(i);
        crack.retune(4000.0 * std::exp(-t * 14.0) + 300.0, 0.7);
        const double blast = crack(rng.noise()) * std::exp(-t / 0.045);
        const double freq = 45.0 + 140.0 * std::exp(-t / 0.05);
        phase += 2.0 * pi * freq / rate;
        const double thump = std::sin(phase) * std::exp(-t / 0.09);
        const double snap = t < 0.004 ? rng.noise() * (1.0 - t / 0.004) : 0.0;
        s[i] = 1.4 * blast + 0.9 * thump + 0.6 * snap;
    }
    return finished(std::move(s), 1.5, 0.0005, 0.05, 0.90);
}

Signal make_nuke()
{
    // An air-raid siren winding up over a low electric hum that grows with it.
    const double length = 1.45;
    Signal s = silence(length);
    double siren = 0.0, hum = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds_at(i);
        const double rise = t / length;
        const double freq = 170.0 + 560.0 * std::pow(rise, 1.4);
        siren += 2.0 * pi * freq * (1.0 + 0.012 * std::sin(2.0 * pi * 6.0 * t)) / rate;
        hum += 2.0 * pi * 55.0 / rate;
        const double wail = std::tanh(2.2 * std::sin(siren)) * 0.7 + 0.3 * std::sin(2.0 * siren);
        const double drone = std::sin(hum) + 0.5 * std::sin(2.0 * hum) + 0.25 * std::sin(3.0 * hum);
        const double swell = 0.35 + 0.65 * std::min(1.0, t / 0.9);
        const double throb = 0.8 + 0.2 * std::sin(2.0 * pi * 3.0 * t);
        s[i] = swell * (0.65 * wail + 0.35 * drone * throb);
    }
    return finished(std::move(s), 0.0, 0.04, 0.08, 0.80);
}

Signal make_explosion()
{
    Rng rng(0xB00);
    Signal s = silence(1.0);
    Biquad body = Biquad::lowpass(3000.0, 0.8);
    Biquad rumble = Biquad::lowpass(120.0, 0.9);
    double crackle = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds_at(i);
        body.retune(150.0 + 2800.0 * std::exp(-t / 0.12), 0.8);
        const double attack = std::min(1.0, t / 0.003);
        const double roar = body(rng.noise()) * std::exp(-t / 0.22);
        const double low = rumble(rng.noise()) * std::exp(-t / 0.40) * 3.0;
        if (rng.uniform() < 0.004 * std::exp(-t / 0.3))
            crackle = rng.range(0.3, 0.8) * (rng.uniform() < 0.5 ? -1.0 : 1.0);
        crackle *= 0.93;
        s[i] = attack * (1.3 * roar + low + 0.5 * crackle);
    }
    return finished(std::move(s), 2.0, 0.0005, 0.15, 0.92);
}

// One "ha": a breath of aspiration, then a voiced "a" whose pitch sags, both shaped by the
// formants of the open vowel.
Signal laugh_syllable(Rng& rng, double pitch, double seconds)
{
    Signal s = silence(seconds);
    struct Formant {
        Biquad filter;
        double gain;
    };
    std::array<Formant, 3> formants = {Formant{Biquad::bandpass(780.0, 7.0), 1.0},
                                       Formant{Biquad::bandpass(1250.0, 9.0), 0.55},
                                       Formant{Biquad::bandpass(2650.0, 14.0), 0.25}};
    const double breath = 0.045;
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds_at(i);
        const double f0 = pitch * (1.05 - 0.15 * t / seconds) * (1.0 + 0.02 * std::sin(2.0 * pi * 9.0 * t));
        phase += f0 / rate;
        phase -= std::floor(phase);
        // A falling sawtooth is a crude but lively glottal pulse train.
        const double pulse = 1.0 - 2.0 * phase;
        const double voiced = t < breath ? 0.0 : std::min(1.0, (t - breath) / 0.015);
        const double tail = std::exp(-std::max(0.0, t - breath) / 0.09);
        const double aspiration = (t < breath ? std::min(1.0, t / 0.01) : std::exp(-(t - breath) / 0.01)) * 0.6;
        const double source = voiced * tail * pulse + aspiration * rng.noise();
        double v = 0.0;
        for (auto& f : formants)
            v += f.gain * f.filter(source);
        s[i] = v;
    }
    fade_ends(s, 0.002, 0.02);
    return s;
}

Signal make_laugh()
{
    Rng rng(0x4A4A);
    Signal mix;
    const std::array<double, 4> pitches = {360.0, 335.0, 315.0, 280.0};
    double at = 0.0;
    for (double p : pitches) {
        const double length = p < 300.0 ? 0.24 : 0.17;
        mix_in(mix, laugh_syllable(rng, p, length), at);
        at += 0.20;
    }
    normalise(mix, 0.85);
    return mix;
}

Signal make_engine()
{
    // A diesel that catches, revs once and settles into a lumpy idle: each cylinder firing
    // is a short low thud, the exhaust adds a rasp, and the idle speed drifts a little.
    Rng rng(0xD1E5E1);
    const double length = 4.0;
    Signal s = silence(length);
    Biquad exhaust = Biquad::lowpass(380.0, 1.1);
    Biquad rasp = Biquad::bandpass(900.0, 2.0);
    Biquad body = Biquad::lowpass(260.0, 0.7);
    double phase = 0.0;
    double firing_gain = 1.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds_at(i);
        const double rev = t < 0.25 ? 14.0 + 40.0 * t : 24.0 + 18.0 * std::exp(-std::pow((t - 0.55) / 0.22, 2.0));
        const double drift = 1.0 + 0.04 * std::sin(2.0 * pi * 0.7 * t) + 0.02 * std::sin(2.0 * pi * 1.9 * t);
        phase += rev * drift / rate;
        if (phase >= 1.0) {
            phase -= 1.0;
            // Cylinders never fire quite evenly.
            firing_gain = rng.range(0.75, 1.15);
        }
        const double thud = firing_gain * std::exp(-phase * 6.0) * (1.0 - std::exp(-phase * 80.0));
        const double crank = std::sin(2.0 * pi * phase);
        const double gas = exhaust(thud * (0.6 + 0.4 * rng.noise()));
        const double grit = rasp(rng.noise()) * thud * 0.35;
        s[i] = body(1.3 * gas + 0.3 * crank * thud) + grit;
    }
    return finished(std::move(s), 2.5, 0.08, 0.35, 0.85);
}

// A struck metal bar: a few inharmonic partials, the higher ones dying first.
Signal bell(double freq, double seconds, const std::vector<double>& ratios, double decay)
{
    Signal s = silence(seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = seconds_at(i);
        double v = 0.0;
        for (std::size_t k = 0; k < ratios.size(); ++k) {
            const double life = decay / (1.0 + 0.9 * static_cast<double>(k));
            v += std::sin(2.0 * pi * freq * ratios[k] * t) * std::exp(-t / life) / (1.0 + static_cast<double>(k));
        }
        s[i] = v * std::min(1.0, t / 0.001);
    }
    return s;
}

Signal make_bonus()
{
    const std::vector<double> glock = {1.0, 2.76, 5.40};
    Signal mix;
    mix_in(mix, bell(1318.51, 0.30, glock, 0.20), 0.0, 0.8);
    mix_in(mix, bell(1975.53, 0.40, glock, 0.25), 0.09, 0.8);
    mix_in(mix, bell(2637.02, 0.36, glock, 0.22), 0.18, 0.55);
    return finished(std::move(mix), 0.0, 0.0005, 0.06, 0.70);
}

Signal make_purchase()
{
    // "Ka": the drawer's clack. "Ching": the till's bell, with a rattle of coins under it.
    Rng rng(0xCA5);
    Signal mix;
    Signal clack = silence(0.05);
    Biquad knock = Biquad::bandpass(1600.0, 3.0);
    Biquad wood = Biquad::bandpass(260.0, 4.0);
    for (std::size_t i = 0; i < clack.size(); ++i) {
        const double t = seconds_at(i);
        const double n = rng.noise() * std::exp(-t / 0.008);
        clack[i] = 1.5 * knock(n) + 2.5 * wood(n);
    }
    mix_in(mix, clack, 0.0, 1.0);
    const std::vector<double> till = {1.0, 1.51, 2.47, 3.19, 4.05};
    mix_in(mix, bell(2093.0, 0.45, till, 0.22), 0.075, 0.9);
    mix_in(mix, bell(2793.8, 0.40, till, 0.18), 0.078, 0.45);
    Signal coins = silence(0.30);
    Biquad jingle = Biquad::highpass(5000.0, 0.7);
    for (int k = 0; k < 9; ++k) {
        const double at = rng.range(0.0, 0.25);
        const auto start = static_cast<std::size_t>(at * rate);
        const double pitch = rng.range(4200.0, 7200.0);
        for (std::size_t i = start; i < coins.size() && i < start + 600; ++i) {
            const double t = seconds_at(i - start);
            coins[i] += 0.3 * std::sin(2.0 * pi * pitch * t) * std::exp(-t / 0.008);
        }
    }
    for (double& v : coins)
        v = jingle(v);
    mix_in(mix, coins, 0.09, 1.0);
    return finished(std::move(mix), 0.0, 0.0005, 0.08, 0.80);
}

// ---------------------------------------------------------------------------------------
// Sky

// Smooth value noise on a lattice; octaves of it give the clouds their ragged edges.
class ValueNoise {
public:
    explicit ValueNoise(std::uint64_t seed)
    {
        Rng rng(seed);
        for (auto& v : table_)
            v = rng.uniform();
    }
    double at(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const double u = smooth(x - fx), v = smooth(y - fy);
        const double a = lattice(ix, iy), b = lattice(ix + 1, iy);
        const double c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
        return (a + (b - a) * u) + ((c + (d - c) * u) - (a + (b - a) * u)) * v;
    }
    double fbm(double x, double y) const
    {
        double sum = 0.0, amp = 0.5;
        for (int o = 0; o < 5; ++o) {
            sum += amp * at(x, y);
            x *= 2.03;
            y *= 2.03;
            amp *= 0.5;
        }
        return sum;
    }

private:
    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    double lattice(int x, int y) const
    {
        const auto h = static_cast<unsigned>(x * 73856093) ^ static_cast<unsigned>(y * 19349663);
        return table_[h % table_.size()];
    }
    std::array<double, 1024> table_{};
};

double smoothstep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

struct Rgb {
    double r, g, b;
};

Rgb lerp(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::vector<std::uint8_t> make_sky()
{
    constexpr int width = 800, height = 200;
    // The battlefield's plain air below the picture; the last rows must meet it exactly.
    const Rgb plain{165.0, 189.0, 253.0};
    const Rgb zenith{62.0, 112.0, 214.0};
    const Rgb white{255.0, 255.0, 255.0};
    const Rgb shade{196.0, 206.0, 232.0};

    struct Puff {
        double x, y, rx, ry;
    };
    std::vector<Puff> puffs;
    Rng rng(0x5E7A);
    const std::array<std::array<double, 4>, 5> clouds = {{
        {95.0, 58.0, 70.0, 16.0},
        {300.0, 95.0, 52.0, 12.0},
        {470.0, 42.0, 85.0, 18.0},
        {640.0, 108.0, 45.0, 10.0},
        {745.0, 60.0, 40.0, 11.0},
    }};
    for (const auto& c : clouds) {
        const int count = 9;
        for (int k = 0; k < count; ++k) {
            const double along = (static_cast<double>(k) / (count - 1)) * 2.0 - 1.0;
            const double x = c[0] + along * c[2] * 0.8 + rng.range(-8.0, 8.0);
            // Puffs in the middle stand taller, so each cloud is a flat-bottomed heap.
            const double rise = (1.0 - along * along) * c[3] * rng.range(0.6, 1.2);
            const double ry = c[3] * rng.range(0.7, 1.1) + rise * 0.4;
            puffs.push_back({x, c[1] - rise * 0.6, c[2] * rng.range(0.22, 0.36), ry});
        }
    }
    const ValueNoise noise(0xC10D);

    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const double depth = static_cast<double>(y) / (height - 1);
        // Deeper blue overhead, paling to the plain air; the last rows are the plain air.
        const double toward_plain = smoothstep(0.0, 0.9, depth);
        const Rgb base = lerp(zenith, plain, std::pow(toward_plain, 0.8));
        const double haze_limit = 1.0 - smoothstep(0.62, 0.85, depth);
        for (int x = 0; x < width; ++x) {
            double density = 0.0, lower = 0.0;
            for (const auto& p : puffs) {
                const double dx = (x - p.x) / p.rx, dy = (y - p.y) / p.ry;
                const double w = std::exp(-(dx * dx + dy * dy));
                density += w;
                lower += w * std::clamp(dy, -1.0, 1.5);
            }
            const double grain = noise.fbm(x / 38.0, y / 19.0);
            const double d = density * (0.35 + 1.3 * grain);
            const double alpha = smoothstep(0.35, 1.05, d) * 0.92 * haze_limit;
            const double under = std::clamp(density > 1e-6 ? lower / density : 0.0, 0.0, 1.0);
            const Rgb cloud = lerp(white, shade, 0.75 * under);
            const Rgb c = lerp(base, cloud, alpha);
            // A whisper of grain keeps the gradient from banding; none in the rows that
            // must match the plain air.
            const double dither = depth < 0.9 ? (noise.at(x * 0.9, y * 0.9 + 500.0) - 0.5) * 1.2 : 0.0;
            // BMP rows are stored bottom-up, pixels as blue, green, red.
            const std::size_t o = (static_cast<std::size_t>(height - 1 - y) * width + x) * 3;
            pixels[o + 0] = static_cast<std::uint8_t>(std::clamp(std::lround(c.b + dither), 0L, 255L));
            pixels[o + 1] = static_cast<std::uint8_t>(std::clamp(std::lround(c.g + dither), 0L, 255L));
            pixels[o + 2] = static_cast<std::uint8_t>(std::clamp(std::lround(c.r + dither), 0L, 255L));
        }
    }

    std::vector<std::uint8_t> b;
    const auto image_size = static_cast<std::uint32_t>(pixels.size()); // 2400-byte rows need no padding
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + image_size);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, width);
    put32(b, height);
    put16(b, 1);
    put16(b, 24);
    put32(b, 0); // uncompressed
    put32(b, image_size);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// ---------------------------------------------------------------------------------------
// Icon: a little tank on a green hill, its shell's dotted arc over a blue sky.

QImage make_icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QPainterPath frame;
    frame.addRoundedRect(QRectF(2, 2, 60, 60), 11, 11);
    QLinearGradient sky(0, 2, 0, 62);
    sky.setColorAt(0.0, QColor(62, 112, 214));
    sky.setColorAt(1.0, QColor(165, 189, 253));
    p.fillPath(frame, sky);
    p.setClipPath(frame);

    // The tank stands on the hill, tilted with its slope; its barrel's tip starts the arc.
    QTransform tank;
    tank.translate(17, 44);
    tank.rotate(-8);
    const QPointF breech = tank.map(QPointF(1, -6));
    const QPointF tip = tank.map(QPointF(11, -15));

    QPainterPath arc;
    arc.moveTo(tip);
    arc.cubicTo(tip + (tip - breech) * 2.4, QPointF(52, 4), QPointF(60, 34));
    QPen dots(QColor(255, 255, 255, 230), 2.2, Qt::DotLine, Qt::RoundCap);
    p.setPen(dots);
    p.drawPath(arc);
    const QPointF shell = arc.pointAtPercent(0.66);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(shell, 4.5);
    glow.setColorAt(0.0, QColor(255, 240, 170));
    glow.setColorAt(1.0, QColor(255, 160, 40, 0));
    p.setBrush(glow);
    p.drawEllipse(shell, 4.5, 4.5);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(shell, 2.0, 2.0);

    QPainterPath hill;
    hill.moveTo(0, 50);
    hill.cubicTo(18, 40, 34, 44, 64, 52);
    hill.lineTo(64, 64);
    hill.lineTo(0, 64);
    hill.closeSubpath();
    QLinearGradient grass(0, 42, 0, 64);
    grass.setColorAt(0.0, QColor(70, 168, 60));
    grass.setColorAt(1.0, QColor(28, 100, 32));
    p.fillPath(hill, grass);

    // The tank, drawn in the game's own shapes: barrel, dome, hull and tracks.
    p.save();
    p.setTransform(tank, true);
    p.setPen(QPen(QColor(30, 30, 30), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1, -6), QPointF(11, -15));
    p.setPen(QPen(QColor(25, 25, 25), 1.0));
    p.setBrush(QColor(96, 110, 54));
    p.drawChord(QRectF(-6.5, -11, 13, 10), 0, 180 * 16);
    p.setBrush(QColor(120, 136, 66));
    p.drawRoundedRect(QRectF(-12, -6, 24, 6), 1.5, 1.5);
    p.setBrush(QColor(45, 45, 45));
    p.drawRoundedRect(QRectF(-13, 0, 26, 5), 2.5, 2.5);
    p.setBrush(QColor(150, 150, 150));
    for (int k = 0; k < 5; ++k)
        p.drawEllipse(QPointF(-9.6 + 4.8 * k, 2.5), 1.5, 1.5);
    p.restore();

    p.setClipping(false);
    p.setPen(QPen(QColor(20, 40, 90, 160), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    p.end();
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    // The icon's painter needs fonts and a platform; the offscreen one needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string dir = argv[1];

    const std::vector<std::pair<const char*, std::function<Signal()>>> sounds = {
        {"start.wav", make_start},   {"vystrel.wav", make_shot},  {"nuke.wav", make_nuke},
        {"vybuch.wav", make_explosion}, {"smich.wav", make_laugh}, {"motor.wav", make_engine},
        {"bonus.wav", make_bonus},   {"nakup.wav", make_purchase},
    };
    bool ok = write_file(dir + "/nebe.bmp", make_sky());
    for (const auto& [name, make] : sounds)
        ok = write_file(dir + "/" + name, wav_bytes(make())) && ok;
    ok = make_icon(64).save(QString::fromStdString(dir + "/tarvana.png"), "PNG") && ok;
    ok = make_icon(256).save(QString::fromStdString(dir + "/tarvana-256.png"), "PNG") && ok;
    return ok ? 0 : 1;
}
