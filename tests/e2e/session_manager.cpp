// A desktop session manager for one test (XSMP over ICE): it prints the
// SESSION_MANAGER value to give the program, "registered" when the program joins,
// then obeys lines on its standard input:
//   checkpoint  the session is saved and goes on; prints "saved" when the client is done
//   logout      a log-out that is then cancelled; prints "saved", then "cancelled"
// It ends when its standard input closes.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kErrorLength = 256;

struct Session {
    SmsConn client = nullptr;
    bool logging_out = false;
};

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

Bool accept_any_host(char*) { return True; }

Status register_client(SmsConn conn, SmPointer data, char* previous_id)
{
    std::free(previous_id);
    char* id = SmsGenerateClientID(conn);
    std::string fallback = "1orrindale-test";
    const Status status = SmsRegisterClientReply(conn, id ? id : fallback.data());
    std::free(id);
    static_cast<Session*>(data)->client = conn;
    say("registered");
    return status;
}

void interact_request(SmsConn conn, SmPointer, int) { SmsInteract(conn); }

void interact_done(SmsConn, SmPointer, Bool) {}

void save_yourself_request(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void save_yourself_phase2_request(SmsConn conn, SmPointer) { SmsSaveYourselfPhase2(conn); }

void save_yourself_done(SmsConn conn, SmPointer data, Bool success)
{
    auto* session = static_cast<Session*>(data);
    say(success ? "saved" : "save failed");
    if (session->logging_out) {
        session->logging_out = false;
        SmsShutdownCancelled(conn);
        say("cancelled");
    } else {
        SmsSaveComplete(conn);
    }
}

void close_connection(SmsConn conn, SmPointer data, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    auto* session = static_cast<Session*>(data);
    if (session->client == conn)
        session->client = nullptr;
    SmsCleanUp(conn);
    say("closed");
}

void set_properties(SmsConn, SmPointer, int count, SmProp** properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}

void delete_properties(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

void get_properties(SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }

Status new_client(SmsConn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    *callbacks = {{register_client, data},
                  {interact_request, data},
                  {interact_done, data},
                  {save_yourself_request, data},
                  {save_yourself_phase2_request, data},
                  {save_yourself_done, data},
                  {close_connection, data},
                  {set_properties, data},
                  {delete_properties, data},
                  {get_properties, data}};
    return 1;
}

void obey(Session& session, const std::string& command)
{
    if (!session.client) {
        say("no client");
        return;
    }
    if (command == "checkpoint") {
        SmsSaveYourself(session.client, SmSaveBoth, False, SmInteractStyleNone, False);
    } else if (command == "logout") {
        session.logging_out = true;
        SmsSaveYourself(session.client, SmSaveBoth, True, SmInteractStyleAny, False);
    } else {
        say("unknown command");
    }
    IceFlush(SmsGetIceConnection(session.client));
}

} // namespace

int main()
{
    Session session;
    char error[kErrorLength] = {};
    if (!SmsInitialize("orrindale-test", "1.0", new_client, &session, accept_any_host, kErrorLength, error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int listener_count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&listener_count, &listeners, kErrorLength, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    for (int i = 0; i < listener_count; ++i)
        IceSetHostBasedAuthProc(listeners[i], accept_any_host);
    char* ids = IceComposeNetworkIdList(listener_count, listeners);
    std::printf("SESSION_MANAGER=%s\n", ids);
    std::fflush(stdout);
    std::free(ids);

    std::vector<IceConn> connections;
    std::string input;
    for (;;) {
        std::vector<pollfd> fds{{STDIN_FILENO, POLLIN, 0}};
        for (int i = 0; i < listener_count; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        for (IceConn c : connections)
            fds.push_back({IceConnectionNumber(c), POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0)
            break;
        if (fds[0].revents) {
            char chunk[256];
            const ssize_t n = read(STDIN_FILENO, chunk, sizeof chunk);
            if (n <= 0)
                break;
            input.append(chunk, static_cast<std::size_t>(n));
            for (std::size_t end; (end = input.find('\n')) != std::string::npos; input.erase(0, end + 1))
                obey(session, input.substr(0, end));
        }
        for (int i = 0; i < listener_count; ++i) {
            if (!fds[1 + i].revents)
                continue;
            IceAcceptStatus accepted;
            IceConn c = IceAcceptConnection(listeners[i], &accepted);
            if (!c)
                continue;
            IceConnectStatus status;
            while ((status = IceConnectionStatus(c)) == IceConnectPending)
                IceProcessMessages(c, nullptr, nullptr);
            if (status == IceConnectAccepted)
                connections.push_back(c);
            else
                IceCloseConnection(c);
        }
        for (std::size_t i = 0; i < connections.size();) {
            if (fds[1 + listener_count + i].revents &&
                IceProcessMessages(connections[i], nullptr, nullptr) != IceProcessMessagesSuccess) {
                IceCloseConnection(connections[i]);
                connections.erase(connections.begin() + static_cast<std::ptrdiff_t>(i));
                // The poll entries no longer line up with the connections: poll again.
                break;
            }
            ++i;
        }
    }
    IceFreeListenObjs(listener_count, listeners);
    return 0;
}
