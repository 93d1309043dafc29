#include "app/xml_file.h"

#include <tinyxml.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/data_file.h"
#include "app/fatal.h"

namespace {

// The file's bytes with its line ends made "\n", as TinyXML's own file reading leaves them; false,
// with the reason, when it cannot be read.
bool readText(const std::string& path, std::string& text, std::string& reason)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    std::string bytes;
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        reason = std::strerror(error);
        return false;
    }
    text.clear();
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\r')
            text += bytes[at];
        else if (at + 1 >= bytes.size() || bytes[at + 1] != '\n')
            text += '\n';
    }
    return true;
}

}

void loadXmlFile(TiXmlDocument& document, const std::string& path)
{
    std::string reason = dataFileProblem(path);
    std::string text;
    if (reason.empty() && readText(path, text, reason)) {
        // TinyXML steps over the terminating NUL when a file ends inside a multi-byte character
        // and reads on beyond the buffer: the text it parses ends in NULs enough for any step.
        text.append(4, '\0');
        document.Parse(text.c_str());
        if (!document.Error())
            return;
        fatalFileError(path, true, document.ErrorRow(), document.ErrorCol(),
                       document.ErrorDesc() ? document.ErrorDesc() : "unreadable");
    }
    fatalFileError(path, false, 0, 0, reason);
}
