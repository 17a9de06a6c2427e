#include "app/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace tycora::app {

int writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int printResult(std::string_view text)
{
    std::fflush(stdout);
    if (const int error = writeAll(STDOUT_FILENO, text)) {
        const std::string message = std::string("tycora: write error on standard output: ") + std::strerror(error) + "\n";
        writeAll(STDERR_FILENO, message);
        return 1;
    }
    return 0;
}

} // namespace tycora::app
