#include "engine/shred/shred_patterns.h"

#include <algorithm>
#include <chrono>
#include <cstring>

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
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), static_cast<unsigned>(ticks),
                       static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32)};
    engine_.seed(seed);
}

int ShredRandom::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

std::uint8_t ShredRandom::Byte() {
    return static_cast<std::uint8_t>(Between(1, 255));
}

char ShredRandom::Capital() {
    return static_cast<char>(Between('A', 'Z'));
}

char ShredRandom::Small() {
    return static_cast<char>(Between('a', 'z'));
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
        for (std::uint8_t& byte : block)
            byte = random.Byte();
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
