/* One start-up of a program in a running X session with a window manager: the time from
 * exec to its top-level window being viewable and to the first drawing into it (X Damage),
 * its PSS after a settling time, and the CPU it spends over an idle spell. Then the window
 * is closed as its close box does. Prints one line of name=value pairs for bench/startup.
 *
 *   startup_probe [--settle S] [--idle S] [--also PID]... -- program [args]
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

enum { kMaxCandidates = 64, kMaxAlso = 8 };
static const double kStartTimeoutS = 30.0;
static const double kCloseTimeoutS = 10.0;

static double now_s(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

static void die(const char* message)
{
    fprintf(stderr, "startup_probe: %s\n", message);
    exit(2);
}

/* ---- what /proc tells about a process ---- */

/* The whole process's CPU time in seconds, to the nanosecond; /proc's ticks are 10 ms. */
static double process_cpu_s(pid_t pid)
{
    clockid_t clock;
    struct timespec t;
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &t) != 0)
        return -1.0;
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

/* utime + stime from /proc/PID/stat, in clock ticks. */
static long stat_ticks(pid_t pid)
{
    char path[64], text[1024];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    const size_t n = fread(text, 1, sizeof text - 1, f);
    fclose(f);
    text[n] = '\0';
    /* The command name may hold spaces and parentheses; the fields follow the last ')'. */
    const char* p = strrchr(text, ')');
    if (!p)
        return -1;
    unsigned long utime = 0, stime = 0;
    if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2)
        return -1;
    return (long)(utime + stime);
}

/* Context switches of every thread: each is a wake-up or a preemption. */
static long context_switches(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    if (!tasks)
        return -1;
    long total = 0;
    for (struct dirent* task; (task = readdir(tasks));) {
        if (task->d_name[0] == '.')
            continue;
        char status[300], line[256];
        snprintf(status, sizeof status, "/proc/%d/task/%s/status", (int)pid, task->d_name);
        FILE* f = fopen(status, "r");
        if (!f)
            continue;
        while (fgets(line, sizeof line, f)) {
            long count;
            if (sscanf(line, "voluntary_ctxt_switches: %ld", &count) == 1 ||
                sscanf(line, "nonvoluntary_ctxt_switches: %ld", &count) == 1)
                total += count;
        }
        fclose(f);
    }
    closedir(tasks);
    return total;
}

static long pss_kb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/smaps_rollup", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    long kb = -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "Pss: %ld kB", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

/* ---- the X side ---- */

struct Session {
    xcb_connection_t* c;
    xcb_window_t root;
    uint8_t damage_event;
    xcb_atom_t pid_atom;
    pid_t child;
    /* Top-level windows created since the start, watched until one proves to be the child's. */
    xcb_window_t candidates[kMaxCandidates];
    /* Watched from its creation, so no drawing after the mapping can be missed. */
    xcb_damage_damage_t damages[kMaxCandidates];
    int candidate_count;
    xcb_window_t window;
    xcb_damage_damage_t damage;
    double mapped_at;     /* 0 until viewable */
    double painted_at;    /* 0 until the first drawing after mapping */
    double painted_cpu_s; /* the program's CPU time by then: less at the mercy of a busy machine */
    long idle_paints;     /* drawings counted while idle */
    bool counting_paints;
};

static xcb_atom_t intern(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    if (!reply)
        die("cannot intern an atom");
    const xcb_atom_t atom = reply->atom;
    free(reply);
    return atom;
}

static long window_pid(struct Session* s, xcb_window_t w)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(s->c, xcb_get_property(s->c, 0, w, s->pid_atom, XCB_ATOM_CARDINAL, 0, 1), NULL);
    long pid = -1;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        pid = *(const uint32_t*)xcb_get_property_value(reply);
    free(reply);
    return pid;
}

static bool viewable(struct Session* s, xcb_window_t w)
{
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(s->c, xcb_get_window_attributes(s->c, w), NULL);
    const bool result = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    free(reply);
    return result;
}

/* A window of one pixel is no window the user sees: under Wine the Win32 program's hidden
 * owner window, which carries its taskbar button, is mapped as one. */
static bool has_area(struct Session* s, xcb_window_t w)
{
    xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(s->c, xcb_get_geometry(s->c, w), NULL);
    const bool result = reply && reply->width > 1 && reply->height > 1;
    free(reply);
    return result;
}

static void watch(struct Session* s, xcb_window_t w)
{
    if (s->candidate_count == kMaxCandidates)
        return;
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(s->c, w, XCB_CW_EVENT_MASK, &mask);
    const xcb_damage_damage_t damage = xcb_generate_id(s->c);
    xcb_damage_create(s->c, damage, w, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    s->candidates[s->candidate_count] = w;
    s->damages[s->candidate_count++] = damage;
}

/* A map anywhere may complete the chain that makes the child's window viewable: its own
 * map, or that of the frame the window manager put around it. */
static void check_mapped(struct Session* s)
{
    for (int i = 0; i < s->candidate_count && !s->window; ++i)
        if (window_pid(s, s->candidates[i]) == s->child && viewable(s, s->candidates[i]) &&
            has_area(s, s->candidates[i])) {
            s->window = s->candidates[i];
            s->damage = s->damages[i];
            s->mapped_at = now_s();
        }
}

static void handle(struct Session* s, xcb_generic_event_t* event)
{
    const uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        const xcb_create_notify_event_t* create = (const xcb_create_notify_event_t*)event;
        if (create->parent == s->root && !create->override_redirect) {
            watch(s, create->window);
            /* Mapped between its creation and our watching it: seen now, a little late. */
            if (!s->window)
                check_mapped(s);
        }
    } else if (type == XCB_MAP_NOTIFY && !s->window) {
        check_mapped(s);
    } else if (type == s->damage_event + XCB_DAMAGE_NOTIFY) {
        const xcb_damage_notify_event_t* notify = (const xcb_damage_notify_event_t*)event;
        xcb_damage_subtract(s->c, notify->damage, XCB_NONE, XCB_NONE);
        if (!s->window || notify->damage != s->damage)
            return;
        if (s->painted_at == 0.0) {
            s->painted_at = now_s();
            s->painted_cpu_s = process_cpu_s(s->child);
        }
        if (s->counting_paints)
            ++s->idle_paints;
    }
}

/* Handles X events until the deadline, or until done() holds. */
static void pump(struct Session* s, double deadline, bool (*done)(const struct Session*))
{
    struct pollfd fd = {xcb_get_file_descriptor(s->c), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(s->c))) {
            handle(s, event);
            free(event);
        }
        xcb_flush(s->c);
        if (xcb_connection_has_error(s->c))
            die("the X connection broke");
        if ((done && done(s)) || now_s() >= deadline)
            return;
        if (waitpid(s->child, NULL, WNOHANG) == s->child)
            die("the program ended before it was measured");
        const double left = deadline - now_s();
        /* Wake now and then to notice a program that ends. */
        const int timeout_ms = left > 0.1 ? 100 : (int)(left * 1000) + 1;
        poll(&fd, 1, timeout_ms);
    }
}

static bool painted(const struct Session* s) { return s->painted_at != 0.0; }

static void close_window(struct Session* s)
{
    xcb_client_message_event_t message;
    memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = s->window;
    message.type = intern(s->c, "_NET_CLOSE_WINDOW");
    message.data.data32[1] = 2; /* from a pager or taskbar, as wmctrl -c says */
    xcb_send_event(s->c, 0, s->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   (const char*)&message);
    xcb_flush(s->c);
}

/* True when the child ended within the timeout; otherwise it is killed. */
static bool reap(pid_t child, double timeout_s)
{
    const double deadline = now_s() + timeout_s;
    while (now_s() < deadline) {
        if (waitpid(child, NULL, WNOHANG) == child)
            return true;
        usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    return false;
}

static void usage(void)
{
    fprintf(stderr, "usage: startup_probe [--settle S] [--idle S] [--also PID]... -- program [args]\n");
    exit(2);
}

int main(int argc, char* argv[])
{
    double settle_s = 2.0, idle_s = 10.0;
    pid_t also[kMaxAlso];
    int also_count = 0;
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc)
            usage();
        if (strcmp(argv[i], "--settle") == 0)
            settle_s = atof(argv[++i]);
        else if (strcmp(argv[i], "--idle") == 0)
            idle_s = atof(argv[++i]);
        else if (strcmp(argv[i], "--also") == 0 && also_count < kMaxAlso)
            also[also_count++] = (pid_t)atol(argv[++i]);
        else
            usage();
    }
    if (i + 1 >= argc)
        usage();
    char** program = argv + i + 1;

    struct Session s;
    memset(&s, 0, sizeof s);
    int screen_number = 0;
    s.c = xcb_connect(NULL, &screen_number);
    if (xcb_connection_has_error(s.c))
        die("cannot open the display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(s.c));
    for (int n = 0; n < screen_number; ++n)
        xcb_screen_next(&screens);
    s.root = screens.data->root;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(s.c, &xcb_damage_id);
    if (!damage || !damage->present)
        die("the X server has no Damage extension");
    s.damage_event = damage->first_event;
    free(xcb_damage_query_version_reply(s.c, xcb_damage_query_version(s.c, 1, 1), NULL));
    s.pid_atom = intern(s.c, "_NET_WM_PID");
    const uint32_t root_mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(s.c, s.root, XCB_CW_EVENT_MASK, &root_mask);
    xcb_flush(s.c);

    const double started_at = now_s();
    s.child = fork();
    if (s.child < 0)
        die("cannot fork");
    if (s.child == 0) {
        /* Our output is the one line of figures; and what a program leaves running (Wine's
         * services) must not hold the pipe it is read from open. */
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execvp(program[0], program);
        _exit(127);
    }

    pump(&s, started_at + kStartTimeoutS, painted);
    if (!s.window || !s.painted_at) {
        kill(s.child, SIGKILL);
        waitpid(s.child, NULL, 0);
        die("no window of the program was mapped and painted in time");
    }

    pump(&s, s.mapped_at + settle_s, NULL);
    const long pss = pss_kb(s.child);

    double cpu_before = process_cpu_s(s.child);
    const long ticks_before = stat_ticks(s.child);
    const long switches_before = context_switches(s.child);
    double also_before[kMaxAlso];
    for (int n = 0; n < also_count; ++n)
        also_before[n] = process_cpu_s(also[n]);
    s.counting_paints = true;
    pump(&s, now_s() + idle_s, NULL);
    s.counting_paints = false;
    const double cpu_idle = process_cpu_s(s.child) - cpu_before;
    const long ticks_idle = stat_ticks(s.child) - ticks_before;
    const long switches_idle = context_switches(s.child) - switches_before;

    printf("window=0x%x map_ms=%.2f frame_ms=%.2f frame_cpu_ms=%.2f pss_kb=%ld idle_cpu_ms=%.3f "
           "idle_stat_ticks=%ld idle_switches=%ld idle_paints=%ld",
           s.window, (s.mapped_at - started_at) * 1e3, (s.painted_at - started_at) * 1e3, s.painted_cpu_s * 1e3, pss,
           cpu_idle * 1e3, ticks_idle, switches_idle, s.idle_paints);
    for (int n = 0; n < also_count; ++n)
        printf(" also_%d_idle_cpu_ms=%.3f", (int)also[n], (process_cpu_s(also[n]) - also_before[n]) * 1e3);
    printf("\n");
    fflush(stdout);

    close_window(&s);
    const bool closed = reap(s.child, kCloseTimeoutS);
    xcb_disconnect(s.c);
    if (!closed) {
        fprintf(stderr, "startup_probe: the program did not end when its window was closed\n");
        return 1;
    }
    return 0;
}
