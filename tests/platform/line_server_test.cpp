#include "platform/line_server.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "platform/tcp_line_server.h"

// Line servers: lines cut from what clients send, on the fake and on a real TCP port.

namespace orvant {
namespace {

std::vector<std::string> textsOf(const std::vector<ClientLine>& lines) {
    std::vector<std::string> texts;
    for (const ClientLine& line : lines) texts.push_back((line.tooLong ? "!" : "") + line.text);
    return texts;
}

TEST(LineServer, CutsLinesAndRefusesLongOnesOnce) {
    FakeLineServer server("127.0.0.1:4533", 8);
    const int a = server.connect();
    const int b = server.connect();
    server.type(a, "p\r\nP 1");
    server.type(b, "0123456789abc\nq\n");
    server.type(a, "0 2\n");
    EXPECT_EQ(textsOf(server.poll()), (std::vector<std::string>{"p", "!01234567", "q", "P 10 2"}));
    server.type(a, "half a line");
    server.hangUp(a);
    EXPECT_TRUE(server.poll().empty());
    EXPECT_EQ(server.clientCount(), 1);
}

int connectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &where.sin_addr);
    EXPECT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where), 0);
    return fd;
}

// Polls until `enough` lines came, or a second has passed.
std::vector<ClientLine> pollFor(LineServer& server, std::size_t enough) {
    std::vector<ClientLine> lines;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (lines.size() < enough && std::chrono::steady_clock::now() < end) {
        for (ClientLine& line : server.poll()) lines.push_back(line);
        usleep(1000);
    }
    return lines;
}

TEST(TcpLineServer, ServesClientsWithoutEverWaiting) {
    std::string error;
    auto server = TcpLineServer::open("127.0.0.1:0", 256, error);
    ASSERT_FALSE(server);  // port 0 is refused: the operator names a real port
    for (int port = 24600; !server && port < 24700; ++port)
        server = TcpLineServer::open("127.0.0.1:" + std::to_string(port), 256, error);
    ASSERT_NE(server, nullptr) << error;
    EXPECT_FALSE(TcpLineServer::open(server->address(), 256, error));
    EXPECT_NE(error.find("cannot listen on " + server->address()), std::string::npos) << error;

    const int port = std::stoi(server->address().substr(10));
    const int flooder = connectTo(port);
    const int quitter = connectTo(port);
    const std::string flood(1 << 20, 'x');
    ASSERT_GT(::send(flooder, flood.data(), flood.size(), MSG_DONTWAIT), 0);
    ASSERT_GT(::send(quitter, "p\nhalf", 6, 0), 0);
    close(quitter);

    const auto start = std::chrono::steady_clock::now();
    std::vector<ClientLine> lines = server->poll();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    for (ClientLine& line : pollFor(*server, 2)) lines.push_back(line);
    const std::vector<std::string> texts = textsOf(lines);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "p"), 1);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.starts_with("!"); }),
              1);
    pollFor(*server, 99);
    EXPECT_EQ(server->clientCount(), 1);
    close(flooder);
}

}  // namespace
}  // namespace orvant
