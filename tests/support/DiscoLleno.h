// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/resource.h>
#include <csignal>

// Files stop growing past a few bytes, as on a full disk; root is bound too.
class DiscoLleno {
public:
    explicit DiscoLleno(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &antes);
        previa = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nuevo = antes;
        nuevo.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &nuevo);
    }
    ~DiscoLleno()
    {
        setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, previa);
    }
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

private:
    rlimit antes{};
    void (*previa)(int) = nullptr;
};
