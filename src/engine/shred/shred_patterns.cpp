#include "engine/shred/shred_patterns.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <random>

namespace {

constexpr int kGutmannPasses = 35;

// Passes 5..31 of the Gutmann method.
constexpr std::array<std::uint8_t, 3> kGutmann[kGutmannPasses + 1] = {
    {},
    {},
    {},
    {},
    {},  // 0 unused, 1-4 random
    {0x55, 0x55, 0x55},
    {0xAA, 0xAA, 0xAA},
    {0x92, 0x49, 0x24},
    {0x49, 0x24, 0x92},
    {0x24, 0x92, 0x49},
    {0x00, 0x00, 0x00},
    {0x11, 0x11, 0x11},
    {0x22, 0x22, 0x22},
    {0x33, 0x33, 0x33},
    {0x44, 0x44, 0x44},
    {0x55, 0x55, 0x55},
    {0x66, 0x66, 0x66},
    {0x77, 0x77, 0x77},
    {0x88, 0x88, 0x88},
    {0x99, 0x99, 0x99},
    {0xAA, 0xAA, 0xAA},
    {0xBB, 0xBB, 0xBB},
    {0xCC, 0xCC, 0xCC},
    {0xDD, 0xDD, 0xDD},
    {0xEE, 0xEE, 0xEE},
    {0xFF, 0xFF, 0xFF},
    {0x92, 0x49, 0x24},
    {0x49, 0x24, 0x92},
    {0x24, 0x92, 0x49},
    {0x6D, 0xB6, 0xDB},
    {0xB6, 0xDB, 0x6D},
    {0xDB, 0x6D, 0xB6},
    {},
    {},
    {},
    {},  // 32-35 random
};

// A pattern byte as a name character, as the Western ANSI code page shows it.
std::string NameCharacter(std::uint8_t byte) {
    switch (byte) {
        case 0x88:
            return "\xCB\x86";  // modifier circumflex
        case 0x92:
            return "\xE2\x80\x99";  // right single quotation mark
        case 0x99:
            return "\xE2\x84\xA2";  // trade mark sign
    }
    if (byte < 0x80)
        return std::string(1, static_cast<char>(byte));
    return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

// The pattern of rename `step` of mode 4; the bytes 00, 11, 22 cannot stand in a name.
std::array<std::uint8_t, 3> NamePattern(int step) {
    switch (step) {
        case 10:
            return {0xCC, 0xCC, 0xCC};
        case 11:
            return {0xDD, 0xDD, 0xDD};
        case 12:
            return {0xEE, 0xEE, 0xEE};
    }
    return GutmannPattern(step);
}

// The length in bytes of the UTF-8 character that starts with `lead`.
std::size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

std::string Disguised(const std::string& name, int mode, int step, bool keepDots,
                      ShredRandom& random) {
    std::string result;
    std::size_t index = 0;  // counts characters, not bytes
    for (std::size_t i = 0; i < name.size(); ++index) {
        std::size_t length =
            std::min(CharacterLength(static_cast<unsigned char>(name[i])), name.size() - i);
        if (keepDots && name[i] == '.') {
            result += '.';
        } else if (mode == 2) {
            result += 'U';
        } else if (mode == 3 || (mode == 4 && step <= 4)) {
            result += random.Capital();
        } else if (mode == 4 && step >= 32) {
            result += random.Small();
        } else {
            result += NameCharacter(NamePattern(step)[index % 3]);
        }
        i += length;
    }
    return result;
}

}  // namespace

ShredRandom::ShredRandom() {
    std::random_device device;
    auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    Seed((static_cast<std::uint64_t>(device()) << 32 ^ device()) ^ ticks);
}

void ShredRandom::Seed(std::uint64_t seed) {
    // splitmix64 spreads one seed over the four words of the state (never all zero).
    for (std::uint64_t& word : state_) {
        seed += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        word = z ^ (z >> 31);
    }
}

std::uint64_t ShredRandom::Next() {
    auto rotate = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    const std::uint64_t result = rotate(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotate(state_[3], 45);
    return result;
}

void ShredRandom::Fill(std::uint8_t* bytes, std::size_t count) {
    std::size_t filled = 0;
    while (filled < count) {
        std::uint64_t draw = Next();
        // A zero byte is passed over, so every byte of 1..255 is as likely.
        for (int i = 0; i < 8 && filled < count; ++i, draw >>= 8)
            if (const auto byte = static_cast<std::uint8_t>(draw))
                bytes[filled++] = byte;
    }
}

std::uint8_t ShredRandom::Byte() {
    std::uint8_t byte;
    Fill(&byte, 1);
    return byte;
}

char ShredRandom::Letter(char first) {
    // The high 32 bits scaled to 0..25; the bias (below one in 10^8) does not matter for a name.
    return static_cast<char>(first + static_cast<int>(((Next() >> 32) * 26) >> 32));
}

char ShredRandom::Capital() {
    return Letter('A');
}

char ShredRandom::Small() {
    return Letter('a');
}

int OverwritePassCount(int mode) {
    switch (mode) {
        case 2:
            return 3;
        case 3:
            return 7;
        case 4:
            return kGutmannPasses;
    }
    return 0;
}

bool FlushAfterPass(int mode, int strength, int pass) {
    if (strength == 3)
        return true;
    switch (mode) {
        case 2:
            return strength == 2 && pass == 2;
        case 3:
            return strength == 2 && pass == 4;
        case 4:
            if (strength == 1)
                return pass == 9 || pass == 25;
            return strength == 2 && (pass == 4 || pass == 9 || pass == 25 || pass == 31);
    }
    return false;
}

bool GutmannPassIsRandom(int pass) {
    return pass <= 4 || pass >= 32;
}

std::array<std::uint8_t, 3> GutmannPattern(int pass) {
    if (pass < 1 || pass > kGutmannPasses)
        return {};
    return kGutmann[pass];
}

void FillPassBlock(int mode, int pass, ShredRandom& random, ShredBlock& block) {
    if (mode == 3 || (mode == 4 && GutmannPassIsRandom(pass))) {
        random.Fill(block.data(), block.size());
    } else if (mode == 4) {
        const auto pattern = GutmannPattern(pass);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = pattern[i % 3];
    } else {
        block.fill(0);
    }
}

std::size_t WriteBufferBytes(std::uint64_t fileSize) {
    std::uint64_t blocks = (fileSize + kShredBlockBytes - 1) / kShredBlockBytes;
    blocks = std::min<std::uint64_t>(std::max<std::uint64_t>(blocks, 1),
                                     kShredWriteBytes / kShredBlockBytes);
    return static_cast<std::size_t>(blocks) * kShredBlockBytes;
}

void FillWriteBuffer(const ShredBlock& block, std::vector<std::uint8_t>& buffer) {
    for (std::size_t at = 0; at + kShredBlockBytes <= buffer.size(); at += kShredBlockBytes)
        std::memcpy(buffer.data() + at, block.data(), kShredBlockBytes);
}

ShredWrite NextShredWrite(std::uint64_t position, std::uint64_t size, std::size_t bufferBytes) {
    ShredWrite write;
    if (position >= size || bufferBytes < kShredBlockBytes)
        return write;
    write.bufferOffset = static_cast<std::size_t>(position % kShredBlockBytes);
    std::uint64_t room = bufferBytes - write.bufferOffset;
    write.bytes = static_cast<std::uint32_t>(std::min<std::uint64_t>(room, size - position));
    return write;
}

int RenameCount(int mode) {
    switch (mode) {
        case 2:
        case 3:
            return 1;
        case 4:
            return kGutmannPasses;
    }
    return 0;
}

std::string ShredFileName(const std::string& name, int mode, int step, ShredRandom& random) {
    return Disguised(name, mode, step, true, random);
}

std::string ShredFolderName(const std::string& name, int mode, int step, ShredRandom& random) {
    return Disguised(name, mode, step, false, random);
}
