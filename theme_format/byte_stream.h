// A seekable input stream over bytes in memory, so the theme readers can work on bytes read once.
#pragma once

#include <cstdint>
#include <istream>
#include <span>
#include <streambuf>

class ByteStreamBuffer : public std::streambuf {
  public:
    explicit ByteStreamBuffer(std::span<const std::uint8_t> bytes);

  protected:
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;
};

// Reads the bytes it is given, which must outlive it.
class ByteStream : public std::istream {
  public:
    explicit ByteStream(std::span<const std::uint8_t> bytes);

  private:
    ByteStreamBuffer buffer_;
};
