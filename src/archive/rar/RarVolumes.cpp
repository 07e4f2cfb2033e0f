#include "archive/rar/RarVolumes.h"

#include <cctype>

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

} // namespace RarVolumes
