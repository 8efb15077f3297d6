// plain_tcp_send PORT FILE: sends FILE to 127.0.0.1:PORT and closes, like `nc -q0`. The command
// line benchmark measures it beside tessaline-cli, so both pay for starting a process.
#include <arpa/inet.h>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc != 3) return 2;
    static char bytes[1 << 20];
    const int file = ::open(argv[2], O_RDONLY | O_CLOEXEC);
    const ssize_t size = file >= 0 ? ::read(file, bytes, sizeof bytes) : -1;
    if (size < 0) return 1;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<uint16_t>(std::atoi(argv[1])));
    target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0;
    for (ssize_t done = 0; ok && done < size;) {
        const ssize_t n = ::send(fd, bytes + done, static_cast<size_t>(size - done), MSG_NOSIGNAL);
        ok = n > 0;
        done += ok ? n : 0;
    }
    ::close(fd);
    return ok ? 0 : 1;
}
