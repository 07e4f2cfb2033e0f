#include "archive/rar/RarVolumes.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace RarVolumes {

namespace {

bool endsWithNoCase(const std::string &text, const std::string &tail)
{
    if (text.size() < tail.size())
        return false;
    for (size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[text.size() - tail.size() + i])) != tail[i])
            return false;
    }
    return true;
}

// Adds one to the decimal number in text[begin, end); false on overflow of
// its width.
bool increment(std::string &text, size_t begin, size_t end)
{
    for (size_t i = end; i > begin; --i) {
        char &digit = text[i - 1];
        if (digit != '9') {
            ++digit;
            return true;
        }
        digit = '0';
    }
    text.insert(begin, 1, '1');
    return true;
}

// Reads a RAR 5 variable-length number; false past the end.
bool readVint(const unsigned char *data, size_t size, size_t &pos, uint64_t &value)
{
    value = 0;
    for (int shift = 0; shift < 64 && pos < size; shift += 7) {
        const unsigned char byte = data[pos++];
        value |= static_cast<uint64_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

} // namespace

std::string nextVolumeName(const std::string &volume)
{
    std::string name = volume;
    if (endsWithNoCase(name, ".rar")) {
        const size_t numberEnd = name.size() - 4;
        size_t numberBegin = numberEnd;
        while (numberBegin > 0 && std::isdigit(static_cast<unsigned char>(name[numberBegin - 1])))
            --numberBegin;
        if (numberBegin < numberEnd && numberBegin >= 5 && endsWithNoCase(name.substr(0, numberBegin), ".part")) {
            increment(name, numberBegin, numberEnd);
            return name;
        }
        name.replace(name.size() - 3, 3, name[name.size() - 3] == 'R' ? "R00" : "r00");
        return name;
    }
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.size() - dot != 4
        || std::tolower(static_cast<unsigned char>(name[dot + 1])) != 'r'
        || !std::isdigit(static_cast<unsigned char>(name[dot + 2]))
        || !std::isdigit(static_cast<unsigned char>(name[dot + 3])))
        return {};
    if (name[dot + 2] == '9' && name[dot + 3] == '9')
        return {};
    increment(name, dot + 2, dot + 4);
    return name;
}

Signature readSignature(const std::string &fileName)
{
    Signature result;
    std::FILE *file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        return result;
    unsigned char data[64] = {};
    const size_t size = std::fread(data, 1, sizeof data, file);
    std::fclose(file);

    static const unsigned char rar4[] = {'R', 'a', 'r', '!', 0x1a, 0x07, 0x00};
    static const unsigned char rar5[] = {'R', 'a', 'r', '!', 0x1a, 0x07, 0x01, 0x00};
    if (size >= 7 + 7 && std::memcmp(data, rar4, sizeof rar4) == 0) {
        result.isRar = true;
        // Main header: CRC (2), type 0x73 (1), flags (2); flag 1 = volume.
        result.isVolume = data[9] == 0x73 && (data[10] & 0x01);
    } else if (size >= 8 && std::memcmp(data, rar5, sizeof rar5) == 0) {
        result.isRar = true;
        size_t pos = 8 + 4; // header CRC32
        uint64_t headerSize = 0, type = 0, flags = 0, extra = 0, archiveFlags = 0;
        if (!readVint(data, size, pos, headerSize) || !readVint(data, size, pos, type)
            || !readVint(data, size, pos, flags) || type != 1)
            return result;
        if ((flags & 0x01) && !readVint(data, size, pos, extra))
            return result;
        if ((flags & 0x02) && !readVint(data, size, pos, extra))
            return result;
        if (readVint(data, size, pos, archiveFlags))
            result.isVolume = archiveFlags & 0x01;
    }
    return result;
}

} // namespace RarVolumes
