#pragma once
// What the shredder writes and how it renames, without touching a file: the overwrite passes of
// each mode, their flush schedule, the byte patterns, the disguised names, and how a pass of
// any 64-bit size is cut into writes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One overwrite block. Every block of the file starts again at the first byte of the block, so
// a three-byte pattern restarts at every 4096-byte boundary of the file.
constexpr std::size_t kShredBlockBytes = 4096;
using ShredBlock = std::array<std::uint8_t, kShredBlockBytes>;
// The most the shredder hands the system in one write: whole copies of the block.
constexpr std::size_t kShredWriteBytes = 256 * kShredBlockBytes;

// Pseudo-random bytes and letters for the random passes and names: xoshiro256**, seeded from
// the system's random source. A 4096-byte block costs 512 draws of eight bytes each, where a
// distribution over the standard engines took a draw per byte.
class ShredRandom {
  public:
    ShredRandom();  // seeded afresh
    explicit ShredRandom(std::uint64_t seed) { Seed(seed); }
    std::uint8_t Byte();  // 1..255, never 0, each as likely
    // Fills `bytes` with bytes of 1..255 as Byte() draws them, eight to a draw.
    void Fill(std::uint8_t* bytes, std::size_t count);
    char Capital();  // 'A'..'Z'
    char Small();    // 'a'..'z'

  private:
    void Seed(std::uint64_t seed);
    std::uint64_t Next();
    char Letter(char first);
    std::uint64_t state_[4] = {};
};

// Number of overwrite passes of a mode: 0 (mode 1 and unknown modes), 3, 7 or 35.
int OverwritePassCount(int mode);
// Whether the data is flushed to the disk right after pass `pass` (1-based).
bool FlushAfterPass(int mode, int strength, int pass);
// The block that pass `pass` (1-based) of `mode` writes: zeros (mode 2), fresh random bytes
// (mode 3; Gutmann passes 1-4 and 32-35), or the Gutmann pattern of the pass.
void FillPassBlock(int mode, int pass, ShredRandom& random, ShredBlock& block);
// The Gutmann pattern of a pass (5..31); three equal bytes for the one-byte patterns.
std::array<std::uint8_t, 3> GutmannPattern(int pass);
bool GutmannPassIsRandom(int pass);

// The length of the write buffer for a file of `fileSize` bytes: whole blocks, at least one,
// at most kShredWriteBytes.
std::size_t WriteBufferBytes(std::uint64_t fileSize);
// Fills a buffer of whole blocks with copies of the block.
void FillWriteBuffer(const ShredBlock& block, std::vector<std::uint8_t>& buffer);

// The next write of a pass at `position` of a file of `size` bytes, with a buffer of
// `bufferBytes` (a multiple of the block): where in the buffer it starts, so that the byte
// written at offset o is block[o % 4096], and how long it is. Never reaches past `size`;
// 0 bytes when the pass is complete.
struct ShredWrite {
    std::size_t bufferOffset = 0;
    std::uint32_t bytes = 0;
};
ShredWrite NextShredWrite(std::uint64_t position, std::uint64_t size, std::size_t bufferBytes);

// Renames before deletion: one for modes 2 and 3, 35 for mode 4, none otherwise.
int RenameCount(int mode);
// The name of rename `step` (1-based). Same number of characters as `name`. A file name keeps
// its dots where they are; a folder name has every character replaced. Mode 2: "U"; mode 3:
// random capitals; mode 4: the pass pattern of the step as name characters (steps 10, 11, 12
// use CC, DD, EE, which can stand in a name), random capitals for steps 1-4, random small
// letters for steps 32-35.
std::string ShredFileName(const std::string& name, int mode, int step, ShredRandom& random);
std::string ShredFolderName(const std::string& name, int mode, int step, ShredRandom& random);
