// A seekable input stream over bytes in memory, so the theme readers can work on bytes read once.
#include "theme_format/byte_stream.h"

ByteStreamBuffer::ByteStreamBuffer(std::span<const std::uint8_t> bytes) {
    // The buffer is only ever read; std::streambuf wants non-const pointers all the same.
    auto* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
    setg(begin, begin, begin + bytes.size());
}

ByteStreamBuffer::pos_type ByteStreamBuffer::seekoff(off_type offset,
                                                     std::ios_base::seekdir direction,
                                                     std::ios_base::openmode which) {
    if (!(which & std::ios_base::in)) {
        return pos_type(off_type(-1));
    }
    const off_type size = egptr() - eback();
    const off_type base = direction == std::ios_base::beg   ? 0
                          : direction == std::ios_base::cur ? gptr() - eback()
                                                            : size;
    if (offset < -base || offset > size - base) {
        return pos_type(off_type(-1));
    }
    setg(eback(), eback() + base + offset, egptr());
    return pos_type(base + offset);
}

ByteStreamBuffer::pos_type ByteStreamBuffer::seekpos(pos_type position,
                                                     std::ios_base::openmode which) {
    return seekoff(off_type(position), std::ios_base::beg, which);
}

ByteStream::ByteStream(std::span<const std::uint8_t> bytes)
    : std::istream(nullptr), buffer_(bytes) {
    rdbuf(&buffer_);
}
