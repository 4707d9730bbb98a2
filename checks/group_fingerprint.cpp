#include "checks/group_fingerprint.h"

#include <algorithm>
#include <cstring>

namespace {

// One step of a 64-bit multiply-xor mix: enough to tell edits apart, not a
// protection against anyone.
void Mix(uint64_t& hash, uint64_t value) {
  hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
  hash *= 0xFF51AFD7ED558CCDull;
}

uint64_t Bits(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

uint64_t GroupFingerprint(const LayoutGroup& group) {
  uint64_t hash = 0;
  for (const char c : group.GroupDescription) Mix(hash, static_cast<unsigned char>(c));
  Mix(hash, static_cast<uint64_t>(static_cast<uint16_t>(group.LoadCondition)));
  const int layouts = std::clamp<int>(group.LayoutCount, 0, kMaxLayouts);
  Mix(hash, static_cast<uint64_t>(layouts));
  for (int l = 1; l <= layouts; ++l) {
    const Layout& layout = group.Layouts[l];
    const int count = std::clamp<int>(layout.NodeCount, 0, kMaxLayoutNodes);
    Mix(hash, static_cast<uint64_t>(count) << 32 |
                  static_cast<uint64_t>(static_cast<uint16_t>(layout.Name)) << 16 |
                  static_cast<uint16_t>(layout.CableType));
    for (int j = 1; j <= count; ++j) {
      Mix(hash, static_cast<uint64_t>(static_cast<uint16_t>(layout.NodeIndex[j])) << 16 |
                    static_cast<uint16_t>(layout.RefVertex[j]));
      Mix(hash, Bits(layout.Y[j]));
      Mix(hash, Bits(layout.Z[j]));
      Mix(hash, Bits(layout.AngDistortion[j]));
    }
  }
  return hash;
}
