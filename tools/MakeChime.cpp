// Writes the chime played on each computer point: a soft bell-like tone of 0.8 seconds, as a
// 16-bit mono PCM wave file. Usage: make_chime OUTPUT.wav
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 0.8;
constexpr double kFundamental = 880.0;
constexpr double kAttackSeconds = 0.005;
constexpr double kLoudness = 0.28;

// Bell partials: frequency ratio to the fundamental, relative amplitude, decay time (s).
struct Partial {
  double ratio;
  double amplitude;
  double decay;
};
constexpr Partial kPartials[] = {
    {1.0, 1.0, 0.35}, {2.0, 0.45, 0.22}, {2.76, 0.30, 0.15}, {5.40, 0.12, 0.08}};

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
    return 2;
  }
  const int samples = static_cast<int>(kSampleRate * kSeconds);
  double total = 0;
  for (const Partial& p : kPartials) total += p.amplitude;

  std::vector<std::int16_t> pcm(static_cast<std::size_t>(samples));
  for (int n = 0; n < samples; ++n) {
    const double t = static_cast<double>(n) / kSampleRate;
    double value = 0;
    for (const Partial& p : kPartials) {
      value += p.amplitude * std::exp(-t / p.decay) *
               std::sin(2 * std::numbers::pi * kFundamental * p.ratio * t);
    }
    const double attack = t < kAttackSeconds ? t / kAttackSeconds : 1.0;
    const double fadeOut = static_cast<double>(samples - n) / samples;  // ends on silence
    pcm[static_cast<std::size_t>(n)] =
        static_cast<std::int16_t>(32767 * kLoudness * attack * fadeOut * value / total);
  }

  std::ofstream out(argv[1], std::ios::binary);
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * sizeof(std::int16_t));
  out.write("RIFF", 4);
  PutLittleEndian(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  PutLittleEndian(out, 16, 4);  // format chunk size
  PutLittleEndian(out, 1, 2);   // PCM
  PutLittleEndian(out, 1, 2);   // mono
  PutLittleEndian(out, kSampleRate, 4);
  PutLittleEndian(out, kSampleRate * 2, 4);  // bytes per second
  PutLittleEndian(out, 2, 2);                // block align
  PutLittleEndian(out, 16, 2);               // bits per sample
  out.write("data", 4);
  PutLittleEndian(out, dataBytes, 4);
  for (const std::int16_t sample : pcm) PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  return out ? 0 : 1;
}
