/* A serial port's modem lines for a program under test, loaded with
 * LD_PRELOAD. It answers the modem-line ioctls itself, so that a
 * pseudo-terminal (which refuses them with ENOTTY) can stand in for a serial
 * port; every other ioctl goes to the real one.
 *
 *   TIOCMBIS, TIOCMBIC, TIOCMSET  change the lines the shim holds: one state
 *                                 per process, whatever the descriptor,
 *                                 all lines low at the start.
 *   TIOCMGET                      answers with the output lines held and the
 *                                 input lines of SKYCRIER_MODEM_INPUTS.
 *   TIOCMIWAIT                    waits until one of the input lines asked for
 *                                 differs in SKYCRIER_MODEM_INPUTS from its level
 *                                 when the call began, then returns 0. The file's
 *                                 folder is watched with inotify, so a rewrite or
 *                                 a removal wakes it at once. A signal ends the
 *                                 wait with EINTR, as the kernel's does when the
 *                                 handler has no SA_RESTART. Without
 *                                 SKYCRIER_MODEM_INPUTS only a signal ends it.
 *
 * Environment:
 *   SKYCRIER_MODEM_LOG=FILE          every TIOCMBIS, TIOCMBIC and TIOCMSET that
 *                                    succeeds appends one line to FILE, with the
 *                                    output lines it names ("TIOCMBIS DTR RTS",
 *                                    "TIOCMBIC DTR"); each line is on disk before
 *                                    the call returns.
 *   SKYCRIER_MODEM_INPUTS=FILE       the input lines that are up, read on every
 *                                    TIOCMGET: words CTS, DSR, DCD (or CD) and RI,
 *                                    apart by white space ("CTS DCD"). No file: all low.
 *   SKYCRIER_MODEM_REFUSE_CLEAR=N    the first N unkeys (TIOCMBIC calls that would
 *                                    lower a raised DTR or RTS) fail with EIO and
 *                                    change nothing. Lowering lines that are
 *                                    already low, as opening a port does, always works.
 *                                    A process that changes the variable (tests
 *                                    that run in one process) starts a new count.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

#define OUTPUT_LINES (TIOCM_DTR | TIOCM_RTS)

typedef int (*IoctlFunction)(int, unsigned long, ...);

static pthread_mutex_t gLock = PTHREAD_MUTEX_INITIALIZER;
static int gOutputs;
static long gRefusalsMade;
/* The value of SKYCRIER_MODEM_REFUSE_CLEAR that gRefusalsMade counts for. */
static char gRefusalsText[32];
static pthread_once_t gRealFound = PTHREAD_ONCE_INIT;
static IoctlFunction gRealIoctl;

static void findRealIoctl(void) {
    void* symbol = dlsym(RTLD_NEXT, "ioctl");
    memcpy(&gRealIoctl, &symbol, sizeof gRealIoctl);
}

static long refusalsWanted(void) {
    const char* text = getenv("SKYCRIER_MODEM_REFUSE_CLEAR");
    if (!text) text = "";
    if (strncmp(text, gRefusalsText, sizeof gRefusalsText - 1) != 0) {
        snprintf(gRefusalsText, sizeof gRefusalsText, "%s", text);
        gRefusalsMade = 0;
    }
    return strtol(text, NULL, 10);
}

static void appendToLog(unsigned long request, int bits) {
    const char* path = getenv("SKYCRIER_MODEM_LOG");
    if (!path) return;
    char line[64];
    const char* name = request == TIOCMBIS ? "TIOCMBIS" : request == TIOCMBIC ? "TIOCMBIC" : "TIOCMSET";
    const int length = snprintf(line, sizeof line, "%s%s%s\n", name, bits & TIOCM_DTR ? " DTR" : "",
                                bits & TIOCM_RTS ? " RTS" : "");
    const int fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    /* One write with O_APPEND: a line is never split, whoever reads the file meanwhile. */
    if (write(fd, line, (size_t)length) != length) perror("modem shim: log");
    close(fd);
}

static int inputLines(void) {
    const char* path = getenv("SKYCRIER_MODEM_INPUTS");
    FILE* file = path ? fopen(path, "re") : NULL;
    if (!file) return 0;
    int bits = 0;
    char word[16];
    while (fscanf(file, "%15s", word) == 1) {
        if (strcmp(word, "CTS") == 0) bits |= TIOCM_CTS;
        else if (strcmp(word, "DSR") == 0) bits |= TIOCM_DSR;
        else if (strcmp(word, "DCD") == 0 || strcmp(word, "CD") == 0) bits |= TIOCM_CD;
        else if (strcmp(word, "RI") == 0) bits |= TIOCM_RI;
    }
    fclose(file);
    return bits;
}

/* The modem-line requests on the shim's own state; 0 or -1 with errno. */
static int modemRequest(unsigned long request, int* arg) {
    /* Looked at on every request: an unset seen between two settings of one value starts a new count. */
    const long refusals = refusalsWanted();
    if (request == TIOCMGET) {
        *arg = gOutputs | inputLines();
        return 0;
    }
    const int bits = *arg & OUTPUT_LINES;
    if (request == TIOCMBIC && (gOutputs & bits) && gRefusalsMade < refusals) {
        ++gRefusalsMade;
        errno = EIO;
        return -1;
    }
    if (request == TIOCMBIS) gOutputs |= bits;
    else if (request == TIOCMBIC) gOutputs &= ~bits;
    else gOutputs = bits;
    appendToLog(request, bits);
    return 0;
}

/* Each thread's inotify descriptor, plus one (0: none yet). Closing one waits for the
 * kernel's grace period, milliseconds that would delay every answer, so a thread keeps
 * its own until it ends. */
static pthread_key_t gWatchKey;
static pthread_once_t gWatchKeyMade = PTHREAD_ONCE_INIT;

static void closeWatch(void* stored) { close((int)(intptr_t)stored - 1); }

static void makeWatchKey(void) { pthread_key_create(&gWatchKey, closeWatch); }

/* This thread's inotify descriptor, told from now on of every change of an entry in the folder of `path`;
 * -1 with errno. */
static int watchInputsFolder(const char* path) {
    char folder[4096];
    const char* slash = strrchr(path, '/');
    if (!slash) snprintf(folder, sizeof folder, ".");
    else snprintf(folder, sizeof folder, "%.*s", slash == path ? 1 : (int)(slash - path), path);
    pthread_once(&gWatchKeyMade, makeWatchKey);
    int fd = (int)(intptr_t)pthread_getspecific(gWatchKey) - 1;
    if (fd < 0) {
        fd = inotify_init1(IN_CLOEXEC);
        if (fd < 0) return -1;
        pthread_setspecific(gWatchKey, (void*)(intptr_t)(fd + 1));
    }
    const uint32_t changes = IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM;
    return inotify_add_watch(fd, folder, changes) < 0 ? -1 : fd;
}

/* TIOCMIWAIT: 0 once a line of `asked` has changed, or -1 with errno (EINTR: a signal came). Events
 * left from an earlier wait only make it look at the file once more. */
static int waitForInputs(int asked) {
    const char* path = getenv("SKYCRIER_MODEM_INPUTS");
    const int fd = path ? watchInputsFolder(path) : -1;
    if (path && fd < 0) return -1;
    /* Read once the folder is watched, so that no change falls between the two. */
    const int before = inputLines() & asked;
    for (;;) {
        struct pollfd events = {.fd = fd, .events = POLLIN};
        /* With no descriptor (fd -1) poll only waits for a signal. */
        if (poll(&events, 1, -1) < 0) return -1;
        char buffer[4096];
        if (read(fd, buffer, sizeof buffer) < 0) return -1;
        if ((inputLines() & asked) != before) return 0;
    }
}

int ioctl(int fd, unsigned long request, ...) {
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    if (request != TIOCMBIS && request != TIOCMBIC && request != TIOCMSET && request != TIOCMGET &&
        request != TIOCMIWAIT) {
        pthread_once(&gRealFound, findRealIoctl);
        return gRealIoctl(fd, request, arg);
    }
    /* As a real port would: a closed descriptor or no argument is refused. */
    if (fcntl(fd, F_GETFD) < 0) return -1;
    /* The lines to wait for come as the argument's value; the wait holds no lock, so the lines can change meanwhile. */
    if (request == TIOCMIWAIT) return waitForInputs((int)(intptr_t)arg);
    if (!arg) {
        errno = EFAULT;
        return -1;
    }
    pthread_mutex_lock(&gLock);
    const int result = modemRequest(request, arg);
    const int savedErrno = errno;
    pthread_mutex_unlock(&gLock);
    errno = savedErrno;
    return result;
}
