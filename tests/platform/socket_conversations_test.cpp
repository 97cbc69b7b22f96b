#include "platform/socket_conversations.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <optional>
#include <string_view>
#include <thread>

#include "platform/rendezvous.h"
#include "support/program_run.h"

namespace orvant {
namespace {

using namespace std::chrono_literals;
using testing::TempDir;

// A server that answers each request line with scripted bytes, as written (no answer at all
// for an empty script entry; the connection closed for a missing one). Bytes after a leading
// "~" come late: 300 ms after the request.
class ScriptedPeer {
  public:
    ScriptedPeer(const std::string& path, std::vector<std::optional<std::string>> script)
        : listenFd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listenFd_, 1);
        thread_ = std::thread([this, script] { serve(script); });
    }
    ~ScriptedPeer() {
        shutdown(listenFd_, SHUT_RDWR);
        shutdown(clientFd_, SHUT_RDWR);
        thread_.join();
        close(listenFd_);
    }
    std::vector<std::string> lines;  // the request lines received

  private:
    void serve(const std::vector<std::optional<std::string>>& script) {
        const int fd = clientFd_ = accept(listenFd_, nullptr, nullptr);
        std::string pending;
        char c;
        while (fd >= 0 && lines.size() < script.size() && read(fd, &c, 1) == 1) {
            if (c != '\n') {
                pending += c;
                continue;
            }
            lines.push_back(pending);
            pending.clear();
            const auto& bytes = script[lines.size() - 1];
            if (!bytes) break;  // hangs up at once
            std::string_view answer = *bytes;
            if (answer.starts_with('~')) {
                std::this_thread::sleep_for(300ms);
                answer.remove_prefix(1);
            }
            [[maybe_unused]] auto n = write(fd, answer.data(), answer.size());
        }
        // Otherwise holds the connection open until the client leaves or the peer is torn down.
        while (fd >= 0 && lines.size() == script.size() && script.back() && read(fd, &c, 1) == 1) {
        }
        clientFd_ = -1;
        if (fd >= 0) close(fd);
    }
    int listenFd_;
    std::atomic<int> clientFd_ = -1;
    std::thread thread_;
};

struct Conversation {
    TempDir dir{"conversations"};
    VirtualHost host{{2018, 1, 21, 4, 30, 0, 250}};
    SocketConversations client{dir.path().string(), 200ms, host};
    std::string path(const std::string& service = "NFW32", const std::string& topic = "NFW_DATA") {
        return rendezvous::socketPath(dir.path().string(), service, topic);
    }
};

struct ReplyCase {
    std::string name;
    std::vector<std::optional<std::string>> script;
    ConversationStatus status;
    std::string text;
};

class ReplyBytes : public ::testing::TestWithParam<ReplyCase> {};

// One request; the second only follows when the first timed out, once a late answer to the
// first would have come.
TEST_P(ReplyBytes, AreOneAnswerOrAFailure) {
    Conversation c;
    ScriptedPeer peer(c.path(), GetParam().script);
    ConversationReply reply = c.client.request("NFW32", "NFW_DATA", "NFW_SERVER");
    if (GetParam().script.size() == 2) {
        ASSERT_EQ(reply.status, ConversationStatus::TimedOut);
        std::this_thread::sleep_for(300ms);
        reply = c.client.request("NFW32", "NFW_DATA", "NFW_SERVER");
    }
    EXPECT_EQ(reply.status, GetParam().status);
    EXPECT_EQ(reply.text, GetParam().text);
}

using enum ConversationStatus;
// clang-format off
const ReplyCase kReplies[] = {
    {"TextWithItsBlanks", {"OK 1  AO-7 AZ:1 \n"}, Ok, " AO-7 AZ:1 "},
    {"LateAnswerIsNotTheNextOne", {"~OK 1 first\n", "OK 2 second\n"}, Ok, "second"},
    // Had the second request been sent, it would have been answered.
    {"StalledServerTimesOutAtOnce", {"", "OK 2 second\n"}, TimedOut, ""},
    {"ServerClosesMidRequest", {std::nullopt}, Refused, ""},
    // A running server that answers badly: the request brings nothing, the program goes on.
    {"ControlByte", {"OK 1 a\x01z\n"}, Unusable, ""},
    {"NulByte", {std::string("OK 1 a\0z\n", 9)}, Unusable, ""},
    {"EndedByCrLf", {"OK 1 AO-7\r\n"}, Unusable, ""},
    {"EndlessLine", {"OK 1 " + std::string(5000, 'x')}, Unusable, ""},
    // At most 4096 bytes before the line feed.
    {"LongestLine", {"OK 1 " + std::string(4091, 'x') + "\n"}, Ok, std::string(4091, 'x')},
    {"LineOneByteTooLong", {"OK 1 " + std::string(4092, 'x') + "\n"}, Unusable, ""},
    {"AnswerToNoRequest", {"OK 7 x\n"}, Unusable, ""},
    {"NotAnAnswer", {"HELLO\n"}, Unusable, ""},
    {"RefusalByTheServer", {"ERR 1 busy\n"}, Unusable, ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Conversations, ReplyBytes, ::testing::ValuesIn(kReplies),
                         [](const auto& info) { return info.param.name; });

TEST(Conversations, RequestsCarrySequenceLocalTimeAndItem) {
    Conversation c;
    {
        ScriptedPeer peer(c.path("WinTrak Pro", "DDEForm"), {"OK 1 \n", "OK 2 \n"});
        EXPECT_EQ(c.client.poke("WinTrak Pro", "DDEForm", "All", "TUNE ON").status,
                  ConversationStatus::Ok);
        EXPECT_EQ(c.client.request("WinTrak Pro", "DDEForm", "All").status, ConversationStatus::Ok);
        EXPECT_EQ(peer.lines,
                  (std::vector<std::string>{"POKE 1 2018-01-21T04:30:00.250 All\tTUNE ON",
                                            "REQUEST 2 2018-01-21T04:30:00.250 All"}));
    }
    EXPECT_EQ(c.client.request("NFW32", "NFW_DATA", "NFW_SERVER").status,
              ConversationStatus::Refused);  // nobody serves this one
}

TEST(Conversations, SocketNamesCarryNoBlanksOrBars) {
    EXPECT_EQ(rendezvous::socketName("WinTrak Pro", "DDEForm"), "WinTrak%20Pro%7CDDEForm");
    EXPECT_EQ(rendezvous::socketName("../x", "y"), "..%2Fx%7Cy");
}

TEST(Conversations, FolderOthersCanWriteIsRefusedAndAMissingOneMadePrivate) {
    TempDir dir("rendezvous");
    const std::string open = (dir.path() / "open").string();
    const std::string fresh = (dir.path() / "fresh").string();
    mkdir(open.c_str(), 0700);
    chmod(open.c_str(), 0777);
    EXPECT_NE(rendezvous::prepareFolder(open).find("writable by others"), std::string::npos);
    EXPECT_EQ(rendezvous::prepareFolder(fresh), "");
    struct stat info {};
    stat(fresh.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(Conversations, ProgramRefusesAFolderOthersCanWrite) {
    testing::StationCopy station("open-dde");
    const auto open = station.path("dde");
    mkdir(open.c_str(), 0700);
    chmod(open.c_str(), 0777);
    const testing::ProgramRun run =
        station.run({"AO-7"}, {.extra = {"--dde-dir=" + open.string()}});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("writable by others"), std::string::npos);
}

}  // namespace
}  // namespace orvant
