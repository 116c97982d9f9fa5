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
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
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

int ioctl(int fd, unsigned long request, ...) {
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    if (request != TIOCMBIS && request != TIOCMBIC && request != TIOCMSET && request != TIOCMGET) {
        pthread_once(&gRealFound, findRealIoctl);
        return gRealIoctl(fd, request, arg);
    }
    /* As a real port would: a closed descriptor or no argument is refused. */
    if (fcntl(fd, F_GETFD) < 0) return -1;
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
