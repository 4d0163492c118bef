// A session manager of one client, for the end-to-end test: runs a command
// with SESSION_MANAGER pointing here. Told SIGUSR2, it asks the command to
// save itself without a shutdown (a checkpoint), after which the command
// should go on; "xsmp_logout: saved" on standard error tells that the
// command has saved itself (at a checkpoint or a logout). Told SIGUSR1, it logs out as a session manager does: asks
// the command to save itself for a shutdown and, once it has, tells it to
// die. Exits with the command's exit status; 3 when it never took part in
// the session, 4 when it ended before it was told to die (at a save
// request).
//
//   xsmp_logout COMMAND [ARGUMENT...]
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int _IceTransNoListen(const char* protocol);  // libICE's: no TCP listener

namespace {

SmsConn client = nullptr;
bool registered = false;
bool saved = false;
volatile sig_atomic_t logoutAsked = 0;
volatile sig_atomic_t checkpointAsked = 0;

Status newClient(SmsConn conn, SmPointer, unsigned long* mask, SmsCallbacks* cb, char**) {
    client = conn;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    // Every callback must be given; only joining the session and the end of a save matter here.
    cb->register_client.callback = [](SmsConn c, SmPointer, char* previousId) -> Status {
        std::free(previousId);
        SmsRegisterClientReply(c, SmsGenerateClientID(c));
        registered = true;
        return 1;
    };
    cb->save_yourself_done.callback = [](SmsConn, SmPointer, Bool) {
        saved = true;
        std::fputs("xsmp_logout: saved\n", stderr);
    };
    cb->save_yourself_phase2_request.callback = [](SmsConn c, SmPointer) { SmsSaveYourselfPhase2(c); };
    cb->interact_request.callback = [](SmsConn, SmPointer, int) {};
    cb->interact_done.callback = [](SmsConn, SmPointer, Bool) {};
    cb->save_yourself_request.callback = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {};
    cb->close_connection.callback = [](SmsConn, SmPointer, int count, char** reasons) { SmFreeReasons(count, reasons); };
    cb->set_properties.callback = [](SmsConn, SmPointer, int count, SmProp** props) {
        for (int i = 0; i < count; ++i) SmFreeProperty(props[i]);
        std::free(props);
    };
    cb->delete_properties.callback = [](SmsConn, SmPointer, int count, char** names) {
        for (int i = 0; i < count; ++i) std::free(names[i]);
        std::free(names);
    };
    cb->get_properties.callback = [](SmsConn c, SmPointer) { SmsReturnProperties(c, 0, nullptr); };
    return 1;
}

Bool anyLocalClient(char*) { return True; }  // the socket is a local one only

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    char error[256] = "";
    int count = 0;
    IceListenObj* listeners = nullptr;
    _IceTransNoListen("tcp");
    IceSetIOErrorHandler([](IceConn) {});  // a client gone is no reason to exit: its connection is closed below
    if (!SmsInitialize("quellix-test", "1.0", newClient, nullptr, anyLocalClient, sizeof error, error) ||
        !IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "xsmp_logout: %s\n", error);
        return 2;
    }
    for (int i = 0; i < count; ++i) IceSetHostBasedAuthProc(listeners[i], anyLocalClient);
    setenv("SESSION_MANAGER", IceComposeNetworkIdList(count, listeners), 1);
    signal(SIGUSR1, [](int) { logoutAsked = 1; });
    signal(SIGUSR2, [](int) { checkpointAsked = 1; });

    const pid_t command = fork();
    if (command == 0) {
        signal(SIGUSR1, SIG_DFL);
        signal(SIGUSR2, SIG_DFL);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    IceConn connection = nullptr;  // the command's
    bool asked = false, died = false;
    for (int status = 0;;) {
        if (waitpid(command, &status, WNOHANG) == command) {
            if (registered && (died || !asked)) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            std::fprintf(stderr, "xsmp_logout: the command %s\n",
                         registered ? "ended at a save request, before it was told to die" : "never joined the session");
            return registered ? 4 : 3;
        }
        if (checkpointAsked && registered && !asked) {
            checkpointAsked = 0;
            saved = false;
            SmsSaveYourself(client, SmSaveBoth, False, SmInteractStyleNone, False);
        }
        if (logoutAsked && registered && !asked) {
            saved = false;
            SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleNone, False);
            asked = true;
        }
        if (asked && saved && !died) {  // every client has saved: the session ends
            SmsDie(client);
            died = true;
        }
        std::vector<pollfd> fds;
        for (int i = 0; i < count; ++i) fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        if (connection) fds.push_back({IceConnectionNumber(connection), POLLIN, 0});
        poll(fds.data(), fds.size(), 50);
        if (connection && (fds.back().revents & (POLLIN | POLLHUP)) &&
            IceProcessMessages(connection, nullptr, nullptr) == IceProcessMessagesIOError) {
            IceCloseConnection(connection);
            connection = nullptr;
        }
        for (int i = 0; i < count && !connection; ++i) {
            IceAcceptStatus accepted;
            if (fds[i].revents & POLLIN) connection = IceAcceptConnection(listeners[i], &accepted);
        }
    }
}
