#pragma once
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <string>
#include <thread>

// A minimal HTTP/1.0 server on 127.0.0.1 and an ephemeral port, one request
// per connection, for tests: paths not in the table answer 404.
class LocalHttpServer {
public:
    LocalHttpServer()
    {
        mListen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(mListen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(mListen, 8);
        socklen_t length = sizeof address;
        ::getsockname(mListen, reinterpret_cast<sockaddr*>(&address), &length);
        mPort = ntohs(address.sin_port);
    }
    ~LocalHttpServer()
    {
        mStop = true;
        if (mThread.joinable())
            mThread.join();
        ::close(mListen);
    }

    // Set every file before Start; the table is read by the server thread.
    void Serve(const std::string& path, const std::string& body) { mFiles[path] = body; }
    void Start() { mThread = std::thread([this] { Run(); }); }
    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(mPort) + path; }

    // A port on which nothing listens: bound, then closed again.
    static int ClosedPort() { return LocalHttpServer().mPort; }

private:
    void Run()
    {
        while (!mStop) {
            pollfd waiting{mListen, POLLIN, 0};
            if (::poll(&waiting, 1, 50) <= 0)
                continue;
            int client = ::accept(mListen, nullptr, nullptr);
            if (client >= 0)
                Answer(client);
        }
    }

    void Answer(int client)
    {
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            request.append(buffer, static_cast<size_t>(n));
        }
        size_t pathStart = request.find(' ') + 1;
        std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
        auto found = mFiles.find(path);
        std::string body = found != mFiles.end() ? found->second : "not here";
        std::string head = found != mFiles.end() ? "HTTP/1.0 200 OK\r\n" : "HTTP/1.0 404 Not Found\r\n";
        std::string answer = head + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
        ::send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
        ::close(client);
    }

    int mListen = -1;
    int mPort = 0;
    std::atomic<bool> mStop{false};
    std::map<std::string, std::string> mFiles;
    std::thread mThread;
};
