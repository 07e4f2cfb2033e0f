#include "archive/rar/RarBlocks.h"

#include "archive/EntryNames.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace RarBlocks {

namespace {

constexpr int64_t kStubSearch = 1024 * 1024;
constexpr size_t kMaxHeader = 2 * 1024 * 1024;
constexpr size_t kMaxComment = 65535;
const unsigned char kSignature[] = {'R', 'a', 'r', '!', 0x1a, 0x07};

uint32_t crc32(const unsigned char *data, size_t size)
{
    static const auto table = [] {
        std::vector<uint32_t> entries(256);
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t crc = i;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
            entries[i] = crc;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

// Bytes of the file at an offset; short at its end. Small reads come from a
// window of the file, so that the headers of many small entries cost few
// calls.
class Source {
public:
    explicit Source(int fd)
        : m_fd(fd)
    {
        struct stat info {};
        m_size = fstat(fd, &info) == 0 ? info.st_size : 0;
    }
    int64_t size() const { return m_size; }
    std::vector<unsigned char> read(int64_t offset, size_t count) const
    {
        if (count > kWindow)
            return readAt(offset, count);
        if (m_windowAt < 0 || offset < m_windowAt || offset + int64_t(count) > m_windowAt + int64_t(m_window.size())) {
            m_window = readAt(offset, kWindow);
            m_windowAt = offset;
        }
        const size_t from = size_t(offset - m_windowAt);
        const size_t available = std::min(count, m_window.size() - from);
        return std::vector<unsigned char>(m_window.begin() + long(from), m_window.begin() + long(from + available));
    }

private:
    static constexpr size_t kWindow = 32 * 1024;

    std::vector<unsigned char> readAt(int64_t offset, size_t count) const
    {
        std::vector<unsigned char> data(count);
        size_t done = 0;
        while (done < count) {
            const ssize_t got = pread(m_fd, data.data() + done, count - done, offset + int64_t(done));
            if (got <= 0)
                break;
            done += size_t(got);
        }
        data.resize(done);
        return data;
    }

    int m_fd;
    int64_t m_size = 0;
    mutable std::vector<unsigned char> m_window;
    mutable int64_t m_windowAt = -1;
};

// Reads little-endian fields and RAR 5 variable-length numbers.
struct Cursor {
    const std::vector<unsigned char> &data;
    size_t pos = 0;
    bool ok = true;

    uint64_t fixed(int bytes)
    {
        uint64_t value = 0;
        if (pos + size_t(bytes) > data.size()) {
            ok = false;
            return 0;
        }
        for (int i = 0; i < bytes; ++i)
            value |= uint64_t(data[pos + size_t(i)]) << (8 * i);
        pos += size_t(bytes);
        return value;
    }
    uint64_t vint()
    {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (pos >= data.size())
                break;
            const unsigned char byte = data[pos++];
            value |= uint64_t(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return value;
        }
        ok = false;
        return 0;
    }
    std::string text(uint64_t length)
    {
        if (length > data.size() - std::min(pos, data.size())) {
            ok = false;
            return {};
        }
        std::string value(reinterpret_cast<const char *>(data.data() + pos), size_t(length));
        pos += size_t(length);
        return value;
    }
};

int64_t signatureOffset(const Source &source)
{
    const std::vector<unsigned char> head = source.read(0, size_t(std::min(source.size(), kStubSearch)));
    const auto found = std::search(head.begin(), head.end(), std::begin(kSignature), std::end(kSignature));
    if (found == head.end() || head.end() - found < 7)
        return -1;
    return found - head.begin();
}

std::string storedComment(const Source &source, int64_t offset, int64_t size)
{
    const std::vector<unsigned char> bytes = source.read(offset, size_t(std::min<int64_t>(size, kMaxComment)));
    return std::string(bytes.begin(), bytes.end());
}

// The record types of a RAR 5 file header's extra area.
void readExtra5(const std::vector<unsigned char> &header, size_t begin, FileBlock &file)
{
    Cursor cursor{header, begin};
    while (cursor.ok && cursor.pos < header.size()) {
        const uint64_t size = cursor.vint();
        const size_t end = cursor.pos + size_t(size);
        if (!cursor.ok || size == 0 || end > header.size())
            return;
        const uint64_t type = cursor.vint();
        if (type == 1) {
            file.encrypted = true;
        } else if (type == 5) {
            const uint64_t kind = cursor.vint();
            cursor.vint();
            file.redirectTarget = cursor.text(cursor.vint());
            file.redirect = kind == 4 ? Redirect::HardLink : kind == 5 ? Redirect::FileCopy : Redirect::Symlink;
        }
        cursor.pos = end;
    }
}

void readVolume5(const Source &source, int64_t at, Volume &volume)
{
    while (at < source.size()) {
        const std::vector<unsigned char> head = source.read(at, 4 + 3);
        Cursor sizeCursor{head, 4};
        const uint64_t headerSize = sizeCursor.vint();
        if (!sizeCursor.ok || headerSize == 0 || headerSize > kMaxHeader) {
            volume.damaged = true;
            return;
        }
        const std::vector<unsigned char> block = source.read(at + 4, sizeCursor.pos - 4 + size_t(headerSize));
        if (block.size() != sizeCursor.pos - 4 + headerSize
            || crc32(block.data(), block.size()) != uint32_t(Cursor{head}.fixed(4))) {
            volume.damaged = true;
            return;
        }
        const std::vector<unsigned char> header(block.begin() + long(sizeCursor.pos - 4), block.end());
        Cursor cursor{header};
        const uint64_t type = cursor.vint();
        const uint64_t flags = cursor.vint();
        const uint64_t extraSize = (flags & 0x1) ? cursor.vint() : 0;
        const uint64_t dataSize = (flags & 0x2) ? cursor.vint() : 0;
        const int64_t dataAt = at + 4 + int64_t(block.size());
        if (!cursor.ok || extraSize > header.size() || dataSize > uint64_t(source.size())
            || dataAt + int64_t(dataSize) > source.size()) {
            volume.damaged = true;
            return;
        }
        if (type == 1) {
            volume.volume = cursor.vint() & 0x1;
        } else if (type == 2 || type == 3) {
            FileBlock file;
            const uint64_t fileFlags = cursor.vint();
            file.unpSize = int64_t(cursor.vint() & 0x7fffffffffffffffULL);
            cursor.vint();
            cursor.pos += ((fileFlags & 0x2) ? 4 : 0) + ((fileFlags & 0x4) ? 4 : 0);
            const uint64_t compression = cursor.vint();
            cursor.vint();
            file.name = cursor.text(cursor.vint());
            if (!cursor.ok) {
                volume.damaged = true;
                return;
            }
            file.directory = fileFlags & 0x1;
            file.packSize = int64_t(dataSize);
            file.continued = flags & 0x8;
            file.continues = flags & 0x10;
            readExtra5(header, header.size() - size_t(extraSize), file);
            if (type == 2) {
                volume.files.push_back(std::move(file));
            } else if (file.name == "CMT") {
                const bool stored = ((compression >> 7) & 0x7) == 0 && !file.encrypted;
                volume.comment = stored ? Comment::Stored : Comment::Packed;
                if (stored)
                    volume.commentText = storedComment(source, dataAt, int64_t(dataSize));
            }
        } else if (type == 4) {
            volume.headersEncrypted = true;
            return;
        } else if (type == 5) {
            volume.ended = true;
            volume.moreVolumes = cursor.vint() & 0x1;
            return;
        }
        at = dataAt + int64_t(dataSize);
    }
}

void readFile4(const std::vector<unsigned char> &header, unsigned flags, int64_t dataSize, FileBlock &file)
{
    Cursor cursor{header, 7 + 4}; // after the packed size, the data's size
    const uint64_t unpLow = cursor.fixed(4);
    cursor.pos += 1 + 4 + 4 + 1 + 1; // host system, CRC, time, version, method
    const uint64_t nameSize = cursor.fixed(2);
    cursor.pos += 4; // attributes
    const uint64_t unpHigh = (flags & 0x100) ? (cursor.fixed(4), cursor.fixed(4)) : 0;
    const std::string raw = cursor.text(nameSize);
    file.unpSize = int64_t((unpHigh << 32) | unpLow);
    file.packSize = dataSize;
    file.continued = flags & 0x01;
    file.continues = flags & 0x02;
    file.encrypted = flags & 0x04;
    file.directory = (flags & 0xe0) == 0xe0;
    // A Unicode name holds a second, encoded form after a zero byte, which
    // libarchive decodes; without the zero it is UTF-8 itself.
    if ((flags & 0x200) && raw.find('\0') != std::string::npos)
        return;
    file.name = (flags & 0x200) ? raw : DecodeUnflaggedName(raw.data(), raw.size());
    std::replace(file.name.begin(), file.name.end(), '\\', '/');
}

// Archives made before RAR 2.9 end without an end-of-archive block. Later
// versions mark their file headers: a newer unpack version, extended times,
// Unicode names or a salt.
bool madeByRar29OrLater(const std::vector<unsigned char> &header, unsigned flags)
{
    constexpr size_t versionAt = 7 + 4 + 4 + 1 + 4 + 4;
    return (flags & 0x1600) || (header.size() > versionAt && header[versionAt] >= 29);
}

void readVolume4(const Source &source, int64_t at, Volume &volume)
{
    volume.endExpected = false;
    while (at < source.size()) {
        const std::vector<unsigned char> fixed = source.read(at, 7);
        Cursor cursor{fixed};
        const uint64_t crc = cursor.fixed(2);
        const uint64_t type = cursor.fixed(1);
        const unsigned flags = unsigned(cursor.fixed(2));
        const uint64_t headerSize = cursor.fixed(2);
        if (!cursor.ok || headerSize < 7) {
            volume.damaged = true;
            return;
        }
        const std::vector<unsigned char> header = source.read(at, size_t(headerSize));
        if (header.size() != headerSize || (crc32(header.data() + 2, header.size() - 2) & 0xffff) != crc) {
            volume.damaged = true;
            return;
        }
        const bool fileHeader = type == 0x74 || type == 0x7a;
        Cursor sizes{header, 7};
        const uint64_t low = (fileHeader || (flags & 0x8000)) ? sizes.fixed(4) : 0;
        Cursor highSizes{header, 32};
        const uint64_t high = (fileHeader && (flags & 0x100)) ? highSizes.fixed(4) : 0;
        const int64_t dataSize = int64_t((high << 32) | low);
        const int64_t dataAt = at + int64_t(headerSize);
        if (!sizes.ok || !highSizes.ok || dataAt + dataSize > source.size()) {
            volume.damaged = true;
            return;
        }
        if (type == 0x73) {
            volume.volume = flags & 0x01;
            volume.endExpected = flags & 0x0100; // first volume, marked since RAR 3
            if (flags & 0x02)
                volume.comment = Comment::Packed;
            if (flags & 0x80) {
                volume.headersEncrypted = true;
                return;
            }
        } else if (fileHeader) {
            FileBlock file;
            readFile4(header, flags, dataSize, file);
            if (type == 0x74) {
                volume.endExpected = volume.endExpected || madeByRar29OrLater(header, flags);
                volume.files.push_back(std::move(file));
            } else if (file.name == "CMT") {
                const bool stored = header.size() > 25 && header[25] == 0x30 && !file.encrypted;
                volume.comment = stored ? Comment::Stored : Comment::Packed;
                if (stored)
                    volume.commentText = storedComment(source, dataAt, dataSize);
            }
        } else if (type == 0x75) {
            volume.comment = Comment::Packed;
        } else if (type == 0x7b) {
            volume.ended = true;
            volume.moreVolumes = flags & 0x0001;
            return;
        }
        at = dataAt + dataSize;
    }
}

} // namespace

Volume Read(int fd)
{
    Volume volume;
    const Source source(fd);
    const int64_t start = signatureOffset(source);
    if (start < 0)
        return volume;
    const std::vector<unsigned char> signature = source.read(start, 8);
    volume.rar = true;
    volume.rar5 = signature.size() == 8 && signature[6] == 0x01 && signature[7] == 0x00;
    if (volume.rar5)
        readVolume5(source, start + 8, volume);
    else
        readVolume4(source, start + 7, volume);
    return volume;
}

} // namespace RarBlocks
