// A witness for the process tests: writes what it was started with to the
// file that ARGRECORDER_OUT names, as NUL-ended fields: its own executable,
// its current directory, then every argument (argv[0] first). With
// ARGRECORDER_DELAY_MS set it waits that long first, so a test can tell that
// its parent waited for it. ARGRECORDER_EXIT gives the exit status after a
// good record; ARGRECORDER_SIGNAL makes it end by that signal instead.
// ARGRECORDER_PRINT is written to stdout, then to stderr, after the record.
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (const char* delay = std::getenv("ARGRECORDER_DELAY_MS"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(delay)));
    const char* out = std::getenv("ARGRECORDER_OUT");
    if (!out)
        return 2;

    std::string record;
    char buffer[PATH_MAX + 1];
    const ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
    record.append(buffer, n > 0 ? size_t(n) : 0);
    record.push_back('\0');
    if (getcwd(buffer, sizeof buffer))
        record.append(buffer);
    record.push_back('\0');
    for (int i = 0; i < argc; ++i) {
        record.append(argv[i]);
        record.push_back('\0');
    }

    std::FILE* file = std::fopen(out, "wb");
    if (!file)
        return 3;
    const bool written = std::fwrite(record.data(), 1, record.size(), file) == record.size();
    if (std::fclose(file) != 0 || !written)
        return 4;
    if (const char* text = std::getenv("ARGRECORDER_PRINT")) {
        std::fputs(text, stdout);
        std::fflush(stdout);
        std::fputs(text, stderr);
    }
    if (const char* sig = std::getenv("ARGRECORDER_SIGNAL")) {
        std::signal(std::atoi(sig), SIG_DFL);
        std::raise(std::atoi(sig));
    }
    if (const char* code = std::getenv("ARGRECORDER_EXIT"))
        return std::atoi(code);
    return 0;
}
